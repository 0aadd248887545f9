#include "common/explorer_icon.h"

namespace velmado::common {

int ExplorerIconIndex(const WindowsVersion& version, std::wstring_view className) {
    if (IsWin2000(version)) {
        return 1;
    }
    if (IsWin10Family(version)) {
        return 0;
    }
    if (className == L"ExploreWClass") {
        return 1;
    }
    return className == L"CabinetWClass" ? 13 : 0;
}

} // namespace velmado::common
