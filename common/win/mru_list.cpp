#include "common/win/mru_list.h"

#include <windows.h>

#include "common/mru_list.h"
#include "common/win/files.h"

namespace velmado::win {

const common::MruFileSystem& MruFiles() {
    static const common::MruFileSystem files{
        SafeFileExists,
        LongPathName,
        [](const std::wstring& a, const std::wstring& b) {
            return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
        },
    };
    return files;
}

void AddToMruList(std::vector<std::wstring>& items, const std::wstring& path, std::size_t maximum) {
    common::AddToMruList(items, path, maximum, MruFiles());
}

} // namespace velmado::win
