#pragma once
// Windows paths taken apart and put together as text, without touching the file system.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmado::common {

// The file name without folder ("\", "/" or a drive's ":") and without extension.
std::wstring FileBaseName(std::wstring_view path);
// The file name without folder, cut before its last "." (unchanged when it has none).
std::wstring StripExtension(std::wstring_view path);

// The path with its first "\system32\" component (any letter case) replaced by "\Sysnative\";
// nothing when the path has no such component.
std::optional<std::wstring> SysnativePath(std::wstring_view path);

// Looks up one directory entry by its full path and gives its stored name, or nothing when the
// entry cannot be found.
using StoredNameLookup = std::function<std::optional<std::wstring>(const std::wstring& path)>;

// Rebuilds an absolute path from the right: each component whose entry is found is replaced by
// its stored name, the others stay as written; the head before the first component that follows
// the drive ("C:", "\\server") is kept, a drive letter in upper case. Components with wildcard
// characters are never looked up, as a lookup would match other entries.
std::wstring StoredPathForm(const std::wstring& absolutePath, const StoredNameLookup& storedName);

} // namespace velmado::common
