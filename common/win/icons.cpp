#include "common/win/icons.h"

#include <shellapi.h>

#include "common/explorer_icon.h"
#include "common/win/files.h"
#include "common/win/os_version.h"
#include "common/win/wow64.h"

namespace velmado::win {

UniqueIcon ExtractFileIcon(const std::wstring& file, UINT index) {
    const HICON icon = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), index);
    // 1 means "not a file with icons"; it is not an icon to destroy.
    if (reinterpret_cast<UINT_PTR>(icon) <= 1) {
        return UniqueIcon();
    }
    return UniqueIcon(icon);
}

UniqueIcon GetFileIcon(const std::wstring& path) {
    SHFILEINFOW info{};
    {
        const RedirectionOff native;
        SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SHELLICONSIZE);
    }
    if (info.hIcon != nullptr) {
        return UniqueIcon(info.hIcon);
    }
    return ExtractFileIcon(GetSystemDir() + L"Shell32.dll", 30);
}

UniqueIcon ExplorerWindowIcon(HWND window) {
    wchar_t className[256] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    const int index = common::ExplorerIconIndex(SystemVersion(), className);
    return ExtractFileIcon(GetWindowsDir() + L"\\EXPLORER.EXE", static_cast<UINT>(index));
}

} // namespace velmado::win
