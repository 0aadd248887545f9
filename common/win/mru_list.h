#pragma once
// Recent-file lists kept against the real file system.
#include <cstddef>
#include <string>
#include <vector>

#include "common/mru_list.h"

namespace velmado::win {

// The real file system as the recent-file lists see it: SafeFileExists, LongPathName and the
// system's case-insensitive comparison of names.
const common::MruFileSystem& MruFiles();

// common::AddToMruList over MruFiles().
void AddToMruList(std::vector<std::wstring>& items, const std::wstring& path, std::size_t maximum);

} // namespace velmado::win
