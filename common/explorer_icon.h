#pragma once
// Which icon of the shell's program stands for one of its windows.
#include <string_view>

#include "common/windows_version.h"

namespace velmado::common {

// Index of the icon in "EXPLORER.EXE": 1 for class "ExploreWClass", 13 for "CabinetWClass", else
// 0; the system version wins over the class: always 1 on Windows 2000 (5.0), always 0 on major
// version 10.
int ExplorerIconIndex(const WindowsVersion& version, std::wstring_view className);

} // namespace velmado::common
