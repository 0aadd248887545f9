#include "common/win/window_identity.h"

#include <psapi.h>

#include <vector>

#include "common/device_path.h"
#include "common/shell_exclusions.h"
#include "common/text.h"
#include "common/win/files.h"
#include "common/win/handles.h"
#include "common/win/window_geometry.h"

namespace velmado::win {

namespace {

// Long enough for any path the system hands out.
constexpr DWORD kPathCapacity = 32768;

constexpr wchar_t kApplicationClass[] = L"TApplication";
constexpr wchar_t kCoreWindowClass[] = L"Windows.UI.Core.CoreWindow";

bool HasChildOfClass(HWND window, const wchar_t* className) {
    return FindWindowExW(window, nullptr, className, nullptr) != nullptr;
}

UniqueHandle OpenWindowProcess(HWND window, DWORD access) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) {
        return UniqueHandle();
    }
    return UniqueHandle(OpenProcess(access, FALSE, processId));
}

std::vector<std::pair<wchar_t, std::wstring>> DriveDevices() {
    std::vector<std::pair<wchar_t, std::wstring>> drives;
    const DWORD mask = GetLogicalDrives();
    std::wstring device(MAX_PATH, L'\0');
    for (int i = 0; i < 26; ++i) {
        if ((mask & (1u << i)) == 0) {
            continue;
        }
        const wchar_t letter = static_cast<wchar_t>(L'A' + i);
        const wchar_t name[] = {letter, L':', L'\0'};
        // The answer is a list of names; the first one is the current mapping.
        if (QueryDosDeviceW(name, device.data(), static_cast<DWORD>(device.size())) != 0) {
            drives.emplace_back(letter, device.c_str());
        }
    }
    return drives;
}

} // namespace

std::wstring WindowCaption(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring ProcessImagePathByDevice(HANDLE process) {
    std::wstring path(kPathCapacity, L'\0');
    const DWORD length = GetProcessImageFileNameW(process, path.data(), kPathCapacity);
    if (length == 0) {
        return {};
    }
    path.resize(length);
    return common::DevicePathToDrivePath(path, DriveDevices());
}

std::wstring GetWindowExePath(HWND window) {
    const UniqueHandle process =
        OpenWindowProcess(window, PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
    if (!process) {
        return {};
    }
    std::wstring path(kPathCapacity, L'\0');
    // Fails for a 64-bit process when we run as 32-bit; the device path still answers then.
    const DWORD length = GetModuleFileNameExW(process.get(), nullptr, path.data(), kPathCapacity);
    if (length > 0 && length < kPathCapacity) {
        path.resize(length);
        return path;
    }
    return ProcessImagePathByDevice(process.get());
}

WindowIdentity GetWindowIdentity(HWND window) {
    WindowIdentity identity;
    if (!IsWindowVisible(window) || GetWindowTextLengthW(window) <= 0) {
        return identity;
    }
    identity.caption = common::TrimAtNullRight(WindowCaption(window));
    identity.className = common::TrimAtNullRight(WindowClass(window));
    identity.programPath = GetWindowExePath(window);
    if (SafeFileExists(identity.programPath)) {
        identity.programPath = LongPathName(identity.programPath);
    }
    return identity;
}

HWND GetApplicationOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    return owner != nullptr && WindowClass(owner) == kApplicationClass ? owner : nullptr;
}

bool IsAppHandleWindow(HWND window) {
    return WindowClass(window) == kApplicationClass;
}

bool IsCoreOrEmptyFrame(HWND window, const std::wstring& className) {
    if (className == kCoreWindowClass) {
        return true;
    }
    return className == L"ApplicationFrameWindow" && !HasChildOfClass(window, kCoreWindowClass);
}

bool IsNormalTopWindow(HWND window, bool offscreenCheck) {
    if (window == nullptr || !IsWindowVisible(window) || IsIconic(window)) {
        return false;
    }
    const std::wstring caption = WindowCaption(window);
    if (caption.empty() || caption == L"Program Manager") {
        return false;
    }
    if (offscreenCheck && !IsZoomed(window)) {
        const std::optional<common::XYWH> r = GetWindowXYWH(window);
        if (!r || IsRectOffscreen(r->left, r->top, r->width, r->height)) {
            return false;
        }
    }
    return true;
}

std::optional<WindowIdentity> IsListableWindow(HWND window) {
    if (!IsNormalTopWindow(window, false) || !IsWindowEnabled(window)) {
        return std::nullopt;
    }
    const std::optional<common::Rect> r = GetWindowRectChecked(window);
    if (!r) {
        return std::nullopt;
    }
    constexpr int kFar = 9999;
    if (r->left < -kFar || r->left > kFar || r->top < -kFar || r->top > kFar) {
        return std::nullopt;
    }
    if (r->Height() < GetSystemMetrics(SM_CYSIZE) || r->Width() < GetSystemMetrics(SM_CXSIZE)) {
        return std::nullopt;
    }
    WindowIdentity identity = GetWindowIdentity(window);
    if (common::IsShellOwnWindow(identity.caption, identity.className, identity.programPath)) {
        return std::nullopt;
    }
    return identity;
}

bool IsFileDialog(HWND window) {
    if (WindowClass(window) != L"#32770") {
        return false;
    }
    if (!HasChildOfClass(window, L"SHELLDLL_DefView") &&
        !HasChildOfClass(window, L"DUIViewWndClassName")) {
        return false;
    }
    return GetDlgItem(window, IDOK) != nullptr && GetDlgItem(window, IDCANCEL) != nullptr;
}

bool IsBareStyle(HWND window) {
    return IsWindow(window) && (GetWindowLongPtrW(window, GWL_STYLE) & 0x00FFFFFF) == 0;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool CanQueryProcess(HWND window) {
    return static_cast<bool>(OpenWindowProcess(window, PROCESS_QUERY_INFORMATION));
}

} // namespace velmado::win
