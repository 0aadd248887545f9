// A program of ours that the end-to-end tests drive: it creates top-level windows as told, logs
// what they receive, reports its own state and raises the accessibility events that Wine does not
// deliver from real window actions.
//
//   probe.exe [window options]
//     --class NAME  --caption TEXT  --rect L,T,W,H  --style HEX  --exstyle HEX  --owner HWND
//     --dialog (class "#32770")  --static TEXT  --button TEXT (children, in creation order)
//     --maximized  --minimized  --hidden  --count N (N such windows, captions numbered)
//
// Requests (WM_COPYDATA tagged kRequestTag, text "verb args"; the reply is text):
//   rect HWND | placement HWND | priority | keys HWND | messages HWND | clear HWND
//   opacity HWND | caption HWND TEXT | raise EVENT HWND | create [window options]
//   destroy HWND | cmdline | foreground HWND | quit
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/probe/probe_protocol.h"
#include "tests/probe/text_message.h"

namespace {

constexpr wchar_t kDefaultClass[] = L"VelmadoProbe";

struct WindowSpec {
    std::wstring className = kDefaultClass;
    std::wstring caption = L"Probe";
    int left = 100, top = 100, width = 400, height = 300;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    HWND owner = nullptr;
    bool dialog = false;
    int show = SW_SHOWNORMAL;
    int count = 1;
    std::vector<std::pair<std::wstring, std::wstring>> children; // class, text
};

std::map<HWND, std::vector<std::wstring>> g_keys;     // key messages per window
std::map<HWND, std::vector<std::wstring>> g_messages; // other notable messages per window
int g_windows = 0;

std::vector<std::wstring> SplitArguments(const std::wstring& line) {
    int count = 0;
    std::vector<std::wstring> parts;
    if (line.empty()) {
        return parts;
    }
    // CommandLineToArgvW treats the first token as a program name; give it one.
    LPWSTR* argv = CommandLineToArgvW((L"probe " + line).c_str(), &count);
    if (argv != nullptr) {
        for (int i = 1; i < count; ++i) {
            parts.emplace_back(argv[i]);
        }
        LocalFree(argv);
    }
    return parts;
}

HWND ParseHandle(const std::wstring& text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(_wcstoi64(text.c_str(), nullptr, 0)));
}

std::wstring HandleText(HWND window) {
    return std::to_wstring(reinterpret_cast<INT_PTR>(window));
}

WindowSpec ParseSpec(const std::vector<std::wstring>& args, size_t first) {
    WindowSpec shape;
    for (size_t i = first; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        auto next = [&]() -> std::wstring { return i + 1 < args.size() ? args[++i] : L""; };
        if (a == L"--class") {
            shape.className = next();
        } else if (a == L"--caption") {
            shape.caption = next();
        } else if (a == L"--rect") {
            swscanf(next().c_str(), L"%d,%d,%d,%d", &shape.left, &shape.top, &shape.width,
                    &shape.height);
        } else if (a == L"--style") {
            shape.style = wcstoul(next().c_str(), nullptr, 16);
        } else if (a == L"--exstyle") {
            shape.exStyle = wcstoul(next().c_str(), nullptr, 16);
        } else if (a == L"--owner") {
            shape.owner = ParseHandle(next());
        } else if (a == L"--dialog") {
            shape.dialog = true;
            shape.className = L"#32770";
        } else if (a == L"--static") {
            shape.children.emplace_back(L"Static", next());
        } else if (a == L"--button") {
            shape.children.emplace_back(L"Button", next());
        } else if (a == L"--maximized") {
            shape.show = SW_SHOWMAXIMIZED;
        } else if (a == L"--minimized") {
            shape.show = SW_SHOWMINNOACTIVE;
        } else if (a == L"--hidden") {
            shape.show = SW_HIDE;
        } else if (a == L"--count") {
            shape.count = std::max(1, _wtoi(next().c_str()));
        }
    }
    return shape;
}

std::wstring Describe(UINT message, WPARAM wParam, LPARAM lParam) {
    std::wostringstream out;
    switch (message) {
    case WM_KEYDOWN:
        out << L"KEYDOWN " << wParam;
        break;
    case WM_KEYUP:
        out << L"KEYUP " << wParam;
        break;
    case WM_SYSKEYDOWN:
        out << L"SYSKEYDOWN " << wParam;
        break;
    case WM_SYSKEYUP:
        out << L"SYSKEYUP " << wParam;
        break;
    case WM_CHAR:
        out << L"CHAR " << wParam;
        break;
    case WM_SYSCOMMAND:
        out << L"SYSCOMMAND " << (wParam & 0xFFF0);
        break;
    case WM_CLOSE:
        out << L"CLOSE";
        break;
    case WM_SETTEXT:
        out << L"SETTEXT \"" << (lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"")
            << L"\"";
        break;
    default:
        break;
    }
    return out.str();
}

std::wstring Join(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const auto& line : lines) {
        text += line;
        text += L'\n';
    }
    return text;
}

HWND CreateProbeWindow(const WindowSpec& shape);

std::wstring HandleRequest(const std::wstring& request) {
    const std::vector<std::wstring> args = SplitArguments(request);
    if (args.empty()) {
        return L"error: empty request";
    }
    const std::wstring& verb = args[0];
    const HWND window = args.size() > 1 ? ParseHandle(args[1]) : nullptr;
    std::wostringstream out;
    if (verb == L"rect") {
        RECT r{};
        GetWindowRect(window, &r);
        out << r.left << L' ' << r.top << L' ' << r.right << L' ' << r.bottom;
    } else if (verb == L"placement") {
        WINDOWPLACEMENT p{};
        p.length = sizeof(p);
        GetWindowPlacement(window, &p);
        out << p.showCmd << L' ' << p.rcNormalPosition.left << L' ' << p.rcNormalPosition.top
            << L' ' << p.rcNormalPosition.right << L' ' << p.rcNormalPosition.bottom;
    } else if (verb == L"priority") {
        out << GetPriorityClass(GetCurrentProcess());
    } else if (verb == L"keys") {
        out << Join(g_keys[window]);
    } else if (verb == L"messages") {
        out << Join(g_messages[window]);
    } else if (verb == L"clear") {
        g_keys[window].clear();
        g_messages[window].clear();
        out << L"ok";
    } else if (verb == L"opacity") {
        BYTE alpha = 255;
        DWORD flags = 0;
        const bool layered = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        if (layered) {
            GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
        }
        out << (layered ? 1 : 0) << L' ' << alpha << L' ' << flags;
    } else if (verb == L"caption" && args.size() > 2) {
        SetWindowTextW(window, args[2].c_str());
        out << L"ok";
    } else if (verb == L"raise" && args.size() > 2) {
        NotifyWinEvent(wcstoul(args[1].c_str(), nullptr, 0), ParseHandle(args[2]), OBJID_WINDOW,
                       CHILDID_SELF);
        out << L"ok";
    } else if (verb == L"create") {
        out << HandleText(CreateProbeWindow(ParseSpec(args, 1)));
    } else if (verb == L"destroy") {
        out << (DestroyWindow(window) ? L"ok" : L"error");
    } else if (verb == L"foreground") {
        out << (SetForegroundWindow(window) ? L"ok" : L"error");
    } else if (verb == L"cmdline") {
        out << GetCommandLineW();
    } else if (verb == L"quit") {
        PostQuitMessage(0);
        out << L"ok";
    } else {
        out << L"error: unknown request " << verb;
    }
    return out.str();
}

// Returns true when the message was a probe request; the answer goes back before it returns.
bool HandleCopyData(WPARAM wParam, LPARAM lParam) {
    const std::optional<std::wstring> request =
        velmado::probe::ReceivedText(lParam, velmado::probe::kRequestTag);
    if (!request) {
        return false;
    }
    velmado::probe::SendText(reinterpret_cast<HWND>(wParam), nullptr, velmado::probe::kRequestTag,
                             HandleRequest(*request), 5000);
    return true;
}

void Log(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::wstring entry = Describe(message, wParam, lParam);
    if (entry.empty()) {
        return;
    }
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
                     message == WM_SYSKEYUP || message == WM_CHAR;
    (key ? g_keys : g_messages)[window].push_back(entry);
}

void WindowGone() {
    if (--g_windows == 0) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log(window, message, wParam, lParam);
    if (message == WM_COPYDATA && HandleCopyData(wParam, lParam)) {
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        WindowGone();
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK ProbeDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log(window, message, wParam, lParam);
    switch (message) {
    case WM_COPYDATA:
        if (HandleCopyData(wParam, lParam)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(window);
        return TRUE;
    case WM_NCDESTROY:
        WindowGone();
        return FALSE;
    default:
        return FALSE;
    }
}

void EnsureClass(const std::wstring& name) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

HWND CreateProbeWindow(const WindowSpec& shape) {
    HWND window = nullptr;
    if (shape.dialog) {
        window = CreateWindowExW(shape.exStyle, L"#32770", shape.caption.c_str(),
                                 shape.style | WS_CAPTION | WS_SYSMENU, shape.left, shape.top,
                                 shape.width, shape.height, shape.owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (window != nullptr) {
            SetWindowLongPtrW(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(ProbeDialogProc));
        }
    } else {
        EnsureClass(shape.className);
        window = CreateWindowExW(shape.exStyle, shape.className.c_str(), shape.caption.c_str(),
                                 // A plain window appears as it is made, as most programs' do.
                                 shape.style | (shape.show == SW_SHOWNORMAL ? WS_VISIBLE : 0),
                                 shape.left, shape.top, shape.width, shape.height, shape.owner,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    if (window == nullptr) {
        return nullptr;
    }
    ++g_windows;
    int y = 10;
    int buttonId = IDOK;
    for (const auto& [childClass, text] : shape.children) {
        const bool button = childClass == L"Button";
        CreateWindowExW(
            0, childClass.c_str(), text.c_str(), WS_CHILD | WS_VISIBLE, 10, y, 200, 24, window,
            button ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId++)) : nullptr,
            GetModuleHandleW(nullptr), nullptr);
        y += 30;
    }
    ShowWindow(window, shape.show);
    return window;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const std::vector<std::wstring> args = SplitArguments(commandLine);
    const WindowSpec shape = ParseSpec(args, 0);
    for (int i = 0; i < shape.count; ++i) {
        WindowSpec copy = shape;
        if (shape.count > 1) {
            copy.caption += L" " + std::to_wstring(i + 1);
            copy.left += (i % 20) * 12;
            copy.top += (i % 20) * 10;
        }
        if (CreateProbeWindow(copy) == nullptr) {
            return 1;
        }
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
