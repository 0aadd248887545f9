#include "tests/e2e/harness.h"

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <sstream>
#include <thread>
#include <utility>

#include "tests/probe/probe_protocol.h"
#include "tests/probe/text_message.h"

namespace velmado::e2e {

namespace {

std::wstring ModuleFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring text = path;
    return text.substr(0, text.find_last_of(L'\\') + 1);
}

void DeleteTree(const std::wstring& folder) {
    // SHFileOperation wants a double-NUL-terminated list.
    std::wstring from = folder;
    if (!from.empty() && from.back() == L'\\') {
        from.pop_back();
    }
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Ends every process whose program lies in one of our folders (programs that our programs started
// are not tracked by Process objects).
void KillStrays() {
    const std::wstring bin = Lower(BinFolder());
    const std::wstring scratch = Lower(ScratchFolder());
    const win::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) {
            continue;
        }
        const win::UniqueHandle process(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                        entry.th32ProcessID));
        if (!process) {
            continue;
        }
        wchar_t path[MAX_PATH * 4] = {};
        DWORD size = static_cast<DWORD>(std::size(path));
        if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) {
            continue;
        }
        const std::wstring image = Lower(path);
        if (image.rfind(bin, 0) == 0 || image.rfind(scratch, 0) == 0) {
            TerminateProcess(process.get(), 99);
            WaitForSingleObject(process.get(), 5000);
        }
    }
}

// Receives the probe's replies.
class ReplyWindow {
public:
    ReplyWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VelmadoTestReply";
        RegisterClassExW(&windowClass);
        window_ = CreateWindowExW(0, L"VelmadoTestReply", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), this);
    }
    HWND Window() const { return window_; }
    void Expect(std::uintptr_t tag) { tag_ = tag; }
    std::wstring TakeReply() { return std::exchange(reply_, {}); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        }
        auto* self = reinterpret_cast<ReplyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COPYDATA && self != nullptr) {
            self->reply_ = probe::ReceivedText(lParam, self->tag_).value_or(L"");
            return TRUE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::uintptr_t tag_ = 0;
    std::wstring reply_;
};

ReplyWindow& Replies() {
    static ReplyWindow replies;
    return replies;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::wstring HandleText(HWND window) {
    return std::to_wstring(reinterpret_cast<INT_PTR>(window));
}

} // namespace

std::wstring BinFolder() {
    static const std::wstring folder = ModuleFolder();
    return folder;
}

std::wstring DataFolder() {
    wchar_t appData[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::wstring(appData) + L"\\Tovarel\\Velmado\\";
}

void ResetDataFolder() {
    DeleteTree(DataFolder());
}

std::wstring ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"velmado-e2e\\";
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    // A hung window must not hang the test.
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::string Describe(HWND window) {
    std::ostringstream out;
    out << "window 0x" << std::hex << reinterpret_cast<INT_PTR>(window) << std::dec << " \""
        << Utf8(WindowText(window)) << "\" [" << Utf8(ClassName(window)) << "]";
    return out.str();
}

bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration poll) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        // Keep our own windows (the reply window) responsive while waiting.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(poll);
    }
}

Process Process::Start(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    Process process;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start " << Utf8(commandLine) << " (error " << GetLastError()
                      << ")";
        return process;
    }
    CloseHandle(info.hThread);
    process.process_.reset(info.hProcess);
    process.id_ = info.dwProcessId;
    return process;
}

Process::~Process() {
    Kill();
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(Duration timeout) const {
    return process_ && WaitUntil([&] { return !Running(); }, timeout, 10ms);
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void Process::Kill() {
    if (Running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId == 0 || owner == search->processId) {
        search->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

HWND WaitForWindow(const std::function<bool(HWND)>& match, Duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows()) {
                if (match(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

HWND WaitForWindow(const std::wstring& className, const std::wstring& caption, Duration timeout) {
    return WaitForWindow(
        [&](HWND window) {
            return ClassName(window) == className && WindowText(window) == caption;
        },
        timeout);
}

void TypeKeys(std::initializer_list<WORD> keys, std::initializer_list<WORD> held) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD key : held) {
        add(key, false);
    }
    for (WORD key : keys) {
        add(key, false);
        add(key, true);
    }
    for (WORD key : held) {
        add(key, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
}

namespace {

bool OfProcess(HWND window, DWORD processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}

} // namespace

HWND TrayIconWindow(DWORD processId, Duration timeout) {
    return WaitForWindow(
        [processId](HWND window) {
            return OfProcess(window, processId) && ClassName(window) == L"VelmadoTrayIcons";
        },
        timeout);
}

void PostTrayMouse(HWND iconWindow, UINT mouseMessage) {
    // Version 4 layout: the position in wParam, the event and the icon id in lParam.
    PostMessageW(iconWindow, WM_APP + 1, MAKEWPARAM(13, 32), MAKELPARAM(mouseMessage, 1));
}

HWND OpenMenuOf(DWORD processId, Duration timeout) {
    return WaitForWindow(
        [processId](HWND window) {
            return OfProcess(window, processId) && ClassName(window) == L"#32768" &&
                   IsWindowVisible(window);
        },
        timeout);
}

std::wstring StaticTexts(HWND window) {
    std::wstring texts;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == L"Static") {
            texts += (texts.empty() ? L"" : L"\n") + WindowText(child);
        }
    }
    return texts;
}

Rect WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

::testing::AssertionResult WindowRectIs(HWND window, Rect expected, Duration timeout) {
    Rect seen;
    if (WaitUntil([&] { return (seen = WindowRectOf(window)) == expected; }, timeout)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << Describe(window) << ": expected left,top,width,height " << expected.left << ","
           << expected.top << "," << expected.width << "," << expected.height << " but saw "
           << seen.left << "," << seen.top << "," << seen.width << "," << seen.height;
}

Probe Probe::Start(const std::wstring& options) {
    Probe probe;
    probe.process_ = Process::Start(BinFolder() + L"probe.exe", options);
    const DWORD id = probe.process_.Id();
    // The process also owns the input method's hidden windows; the probe's own is none of them.
    probe.window_ = WaitForWindow(
        [id](HWND window) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            const std::wstring className = ClassName(window);
            return owner == id && className != L"IME" && className != L"MSCTFIME UI";
        },
        10s);
    EXPECT_NE(probe.window_, nullptr) << "probe.exe " << Utf8(options) << " showed no window";
    if (probe.window_ != nullptr && options.find(L"--hidden") == std::wstring::npos) {
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(probe.window_) != FALSE; }))
            << Describe(probe.window_) << " was not shown";
    }
    return probe;
}

std::wstring SendRequest(HWND target, std::uintptr_t tag, const std::wstring& request) {
    ReplyWindow& replies = Replies();
    replies.Expect(tag);
    if (!probe::SendText(target, replies.Window(), tag, request, 10000)) {
        ADD_FAILURE() << "request \"" << Utf8(request) << "\" to " << Describe(target)
                      << " got no answer";
    }
    return replies.TakeReply();
}

std::wstring Probe::Request(const std::wstring& request) const {
    return SendRequest(window_, probe::kRequestTag, request);
}

HWND Probe::Create(const std::wstring& options) const {
    const std::wstring reply = Request(L"create " + options);
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(_wtoi64(reply.c_str())));
}

WINDOWPLACEMENT Probe::Placement(HWND window) const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    std::wistringstream in(Request(L"placement " + HandleText(window ? window : window_)));
    in >> placement.showCmd >> placement.rcNormalPosition.left >> placement.rcNormalPosition.top >>
        placement.rcNormalPosition.right >> placement.rcNormalPosition.bottom;
    return placement;
}

DWORD Probe::PriorityClass() const {
    return static_cast<DWORD>(_wtoi64(Request(L"priority").c_str()));
}

std::vector<std::wstring> Probe::Keys(HWND window) const {
    return Lines(Request(L"keys " + HandleText(window ? window : window_)));
}

std::vector<std::wstring> Probe::Messages(HWND window) const {
    return Lines(Request(L"messages " + HandleText(window ? window : window_)));
}

void Probe::Raise(DWORD event, HWND window) const {
    Request(L"raise " + std::to_wstring(event) + L" " + HandleText(window ? window : window_));
}

void Probe::Foreground(HWND window) const {
    Request(L"foreground " + HandleText(window ? window : window_));
}

void Probe::SetCaption(const std::wstring& caption, HWND window) const {
    Request(L"caption " + HandleText(window ? window : window_) + L" \"" + caption + L"\"");
}

void E2ETest::SetUp() {
    ResetDataFolder();
    DeleteTree(ScratchFolder());
    SHCreateDirectoryExW(nullptr, ScratchFolder().c_str(), nullptr);
}

void E2ETest::TearDown() {
    KillStrays();
}

} // namespace velmado::e2e
