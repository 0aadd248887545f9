#include "common/win/shield_glyph.h"

#include <shellapi.h>

namespace velmado::win {

UniqueIcon ShieldIcon() {
    SHSTOCKICONINFO stock{};
    stock.cbSize = sizeof(stock);
    if (SUCCEEDED(SHGetStockIconInfo(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock)) &&
        stock.hIcon != nullptr) {
        return UniqueIcon(stock.hIcon);
    }
    // Wine answers without an icon; the system's shared shield is the same picture. A shared
    // icon must not be destroyed, so the caller gets a copy.
    const auto shared = static_cast<HICON>(LoadImageW(nullptr, IDI_SHIELD, IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return UniqueIcon(shared != nullptr ? CopyIcon(shared) : nullptr);
}

} // namespace velmado::win
