#include "ui/win/modal.h"

#include <vector>

namespace velmado::ui {

namespace {

struct ThreadWindows {
    HWND except;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<ThreadWindows*>(data);
    if (window != windows.except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        windows.disabled.push_back(window);
    }
    return TRUE;
}

bool Showing(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

} // namespace

void RunModal(HWND window, const KeyFilter& keys) {
    ThreadWindows windows{window, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&windows));
    MSG message{};
    while (Showing(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) {
            break;
        }
        if ((keys && keys(message)) || IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Enabled again before the window goes, so that activation returns to one of them.
    for (const HWND other : windows.disabled) {
        if (IsWindow(other)) {
            EnableWindow(other, TRUE);
        }
    }
}

} // namespace velmado::ui
