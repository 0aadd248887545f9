// Velmado: the resident window manager's process entry.
#include <windows.h>

namespace {

LRESULT CALLBACK TrayFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = TrayFormProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TTrayForm";
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    // The main form stays hidden; it exists to be found and to receive messages.
    if (CreateWindowExW(WS_EX_TOOLWINDOW, L"TTrayForm", L"Velmado", WS_POPUP, 0, 0, 0, 0, nullptr,
                        nullptr, instance, nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
