// The baseline for the idle cost of a resident program: a minimal Win32 program with a 250 ms
// timer that reads the foreground window, its rectangle and caption, and counts the top-level
// windows on every tick.
#include <windows.h>

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND foreground = GetForegroundWindow();
    RECT rect{};
    GetWindowRect(foreground, &rect);
    wchar_t caption[261] = {};
    GetWindowTextW(foreground, caption, 261);
    int count = 0;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetTimer(nullptr, 0, 250, Tick);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
