#include "tests/shellstub/shellstub_client.h"

#include <utility>

#include "tests/shellstub/shellstub_protocol.h"

namespace velmado::e2e {

namespace {

class ReplyWindow {
public:
    ReplyWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = shellstub::kReplyWindowClass;
        RegisterClassExW(&windowClass);
        window_ = CreateWindowExW(0, shellstub::kReplyWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, GetModuleHandleW(nullptr), this);
    }
    HWND Window() const { return window_; }
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
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data->dwData == shellstub::kRequestTag && data->cbData >= sizeof(wchar_t)) {
                self->reply_.assign(static_cast<const wchar_t*>(data->lpData),
                                    data->cbData / sizeof(wchar_t) - 1);
            }
            return TRUE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::wstring reply_;
};

ReplyWindow& Replies() {
    static ReplyWindow replies;
    return replies;
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

} // namespace

ShellStub ShellStub::Start(const std::wstring& options) {
    ShellStub stub;
    stub.process_ = Process::Start(BinFolder() + L"shellstub.exe", options);
    const DWORD id = stub.process_.Id();
    WaitUntil(
        [&] {
            for (HWND w =
                     FindWindowExW(HWND_MESSAGE, nullptr, shellstub::kControlWindowClass, nullptr);
                 w != nullptr;
                 w = FindWindowExW(HWND_MESSAGE, w, shellstub::kControlWindowClass, nullptr)) {
                if (ProcessOf(w) == id) {
                    stub.control_ = w;
                    return true;
                }
            }
            return false;
        },
        10s);
    EXPECT_NE(stub.control_, nullptr) << "shellstub.exe " << Utf8(options) << " did not start";
    return stub;
}

std::wstring ShellStub::Request(const std::wstring& request) const {
    ReplyWindow& replies = Replies();
    COPYDATASTRUCT data{};
    data.dwData = shellstub::kRequestTag;
    data.cbData = static_cast<DWORD>((request.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(request.c_str());
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(control_, WM_COPYDATA, reinterpret_cast<WPARAM>(replies.Window()),
                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &result)) {
        ADD_FAILURE() << "shell stand-in request \"" << Utf8(request) << "\" got no answer";
    }
    return replies.TakeReply();
}

HWND ShellStub::Window(const std::wstring& className) const {
    for (HWND window : TopLevelWindows(process_.Id())) {
        if (ClassName(window) == className) {
            return window;
        }
    }
    return nullptr;
}

} // namespace velmado::e2e
