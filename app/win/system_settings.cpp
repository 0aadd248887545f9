#include "app/win/system_settings.h"

#include <windows.h>

#include "common/win/files.h"
#include "common/win/handles.h"
#include "common/win/shell_windows.h"

namespace velmado::app {

namespace {

// The screen saver program named under HKCU\Control Panel\Desktop; empty when none.
std::wstring ScreenSaverProgram() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return {};
    }
    const win::UniqueKey key(opened);
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof(path) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), L"SCRNSAVE.EXE", nullptr, &type, reinterpret_cast<BYTE*>(path),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    return path;
}

BOOL SystemFlag(UINT action) {
    BOOL value = FALSE;
    SystemParametersInfoW(action, 0, &value, 0);
    return value;
}

unsigned SystemNumber(UINT action) {
    DWORD value = 0;
    SystemParametersInfoW(action, 0, &value, 0);
    return value;
}

} // namespace

XMouseSystem ReadXMouseSystem() {
    XMouseSystem system;
    system.activeWindowTracking = SystemFlag(SPI_GETACTIVEWINDOWTRACKING) != FALSE;
    system.trackingRaises = SystemFlag(SPI_GETACTIVEWNDTRKZORDER) != FALSE;
    system.trackingTimeoutMs = SystemNumber(SPI_GETACTIVEWNDTRKTIMEOUT);
    system.foregroundLockTimeoutMs = SystemNumber(SPI_GETFOREGROUNDLOCKTIMEOUT);
    system.foregroundFlashCount = SystemNumber(SPI_GETFOREGROUNDFLASHCOUNT);
    return system;
}

SystemSnapshot ReadSystemSnapshot() {
    SystemSnapshot snapshot;
    snapshot.startButtonCaption = win::GetStartButtonText();
    snapshot.deskTopTextColor = static_cast<int>(win::GetDesktopTextColor().value_or(0));
    snapshot.screenSaverActive = SystemFlag(SPI_GETSCREENSAVEACTIVE) != FALSE;
    const std::wstring screenSaver = ScreenSaverProgram();
    snapshot.screenSaverFileExists = !screenSaver.empty() && win::FileExistsNative(screenSaver);
    snapshot.xMouse = ReadXMouseSystem();
    return snapshot;
}

} // namespace velmado::app
