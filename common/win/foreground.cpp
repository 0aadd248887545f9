#include "common/win/foreground.h"

namespace velmado::win {

namespace {

// Shares one thread's input state with another for the life of the object.
class InputAttachment {
public:
    InputAttachment(DWORD from, DWORD to)
        : from_(from), to_(to),
          attached_(from != 0 && to != 0 && AttachThreadInput(from, to, TRUE)) {}
    InputAttachment(const InputAttachment&) = delete;
    InputAttachment& operator=(const InputAttachment&) = delete;
    ~InputAttachment() {
        if (attached_) {
            AttachThreadInput(from_, to_, FALSE);
        }
    }
    bool Attached() const { return attached_; }

private:
    DWORD from_;
    DWORD to_;
    bool attached_;
};

void BringForward(HWND window) {
    BringWindowToTop(window);
    SetForegroundWindow(window);
}

} // namespace

bool ForceForeground(HWND window) {
    if (window == nullptr || !IsWindow(window)) {
        return false;
    }
    if (GetForegroundWindow() == window) {
        return true;
    }
    {
        const InputAttachment attachment(GetWindowThreadProcessId(window, nullptr),
                                         GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
        if (attachment.Attached()) {
            BringForward(window);
        }
    }
    if (GetForegroundWindow() != window) {
        // The foreground lock blocks us: lift it for this one call.
        DWORD timeout = 0;
        if (SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0)) {
            SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
            BringForward(window);
            SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                                  reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)),
                                  SPIF_SENDCHANGE);
        } else {
            BringForward(window);
        }
    }
    return GetForegroundWindow() == window;
}

HWND GetFocusedControl() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(0, &info) ? info.hwndFocus : nullptr;
}

std::optional<POINT> GetCaretScreenPos() {
    HWND foreground = GetForegroundWindow();
    if (foreground == nullptr) {
        return std::nullopt;
    }
    const DWORD self = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(foreground, nullptr);
    std::optional<InputAttachment> attachment;
    if (target != self) {
        attachment.emplace(self, target);
        if (!attachment->Attached()) {
            return std::nullopt;
        }
    }
    HWND focus = GetFocus();
    POINT caret{};
    if (focus == nullptr || !GetCaretPos(&caret) || !ClientToScreen(focus, &caret)) {
        return std::nullopt;
    }
    return caret;
}

} // namespace velmado::win
