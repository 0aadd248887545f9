#pragma once
// Icons of program files and of the shell's own windows. The caller owns every icon returned.
#include <windows.h>

#include <string>

#include "common/win/handles.h"

namespace velmado::win {

// The icon with that index in the file; none when the file has no such icon.
UniqueIcon ExtractFileIcon(const std::wstring& file, UINT index);
// The shell's icon for the file (looked up with redirection off), else icon 30 of the system's
// "Shell32.dll".
UniqueIcon GetFileIcon(const std::wstring& path);
// The icon of "EXPLORER.EXE" in the Windows directory that stands for the shell window
// (common::ExplorerIconIndex).
UniqueIcon ExplorerWindowIcon(HWND window);

} // namespace velmado::win
