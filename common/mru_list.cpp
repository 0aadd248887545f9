#include "common/mru_list.h"

#include <algorithm>

namespace velmado::common {

void AddToMruList(std::vector<std::wstring>& items, const std::wstring& path, std::size_t maximum,
                  const MruFileSystem& files) {
    const std::wstring entry = files.exists(path) ? files.storedPath(path) : path;
    const auto same = std::find_if(items.begin(), items.end(), [&](const std::wstring& item) {
        return files.samePath(item, entry);
    });
    if (same != items.end()) {
        items.erase(same);
    }
    items.insert(items.begin(), entry);
    std::erase_if(items, [&](const std::wstring& item) { return !files.exists(item); });
    if (items.size() > maximum) {
        items.resize(maximum);
    }
}

} // namespace velmado::common
