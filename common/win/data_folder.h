#pragma once
// The program's data folders under the maker's folder "Tovarel" of the application-data folders.
#include <string>

namespace velmado::win {

// Creates "<application data>\Tovarel\<name>\" (the roaming per-user folder, or with `common` the
// all-users one) where missing, remembers it and returns whether it exists now.
bool MakeDataFolder(const std::wstring& name, bool common);

// The folders remembered by MakeDataFolder, with a trailing "\"; empty before it ran.
const std::wstring& DataFolder();
const std::wstring& CommonDataFolder();

} // namespace velmado::win
