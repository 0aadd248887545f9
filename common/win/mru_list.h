#pragma once
// Recent-file lists kept against the real file system.
#include <cstddef>
#include <string>
#include <vector>

namespace velmado::win {

// common::AddToMruList with SafeFileExists, LongPathName and the system's case-insensitive
// comparison of names.
void AddToMruList(std::vector<std::wstring>& items, const std::wstring& path, std::size_t maximum);

} // namespace velmado::win
