#pragma once
// Turns a volume device path ("\Device\HarddiskVolume2\Tools\a.exe") into a drive path.
#include <string>
#include <utility>
#include <vector>

namespace velmado::common {

// `drives` lists each present drive letter with its device name, in the order A to Z. The first
// drive whose device name followed by "\" starts the path wins; without a match the device path
// itself is the answer.
std::wstring DevicePathToDrivePath(const std::wstring& devicePath,
                                   const std::vector<std::pair<wchar_t, std::wstring>>& drives);

} // namespace velmado::common
