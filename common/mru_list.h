#pragma once
// Recent-file lists: full paths, newest first, only files that still exist.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velmado::common {

// What the list needs to know about the file system.
struct MruFileSystem {
    std::function<bool(const std::wstring& path)> exists;
    // The path in the form the file system stores it.
    std::function<std::wstring(const std::wstring& path)> storedPath;
    // Whether two paths name the same entry (the list compares without regard to letter case).
    std::function<bool(const std::wstring& a, const std::wstring& b)> samePath;
};

// Puts `path` (in its stored form when it exists) at the top, drops an older equal entry and every
// entry whose file is gone (the new one too), and cuts the list to `maximum` entries.
void AddToMruList(std::vector<std::wstring>& items, const std::wstring& path, std::size_t maximum,
                  const MruFileSystem& files);

} // namespace velmado::common
