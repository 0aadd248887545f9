#include "commands/win/window_menu.h"

#include <shellapi.h>

#include <stdexcept>

#include "common/win/handles.h"

namespace velmado::commands {

namespace {

// The shell's small shield icon, owned by the caller.
win::UniqueIcon ShieldIcon() {
    SHSTOCKICONINFO stock{};
    stock.cbSize = sizeof(stock);
    if (SUCCEEDED(SHGetStockIconInfo(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock)) &&
        stock.hIcon != nullptr) {
        return win::UniqueIcon(stock.hIcon);
    }
    // Wine answers without an icon; the system's shared shield is the same picture. A shared
    // icon must not be destroyed, so the menu gets a copy.
    const auto shared = static_cast<HICON>(LoadImageW(nullptr, IDI_SHIELD, IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return win::UniqueIcon(shared != nullptr ? CopyIcon(shared) : nullptr);
}

} // namespace

WindowMenuArrays BuildWindowMenu(ui::PopupMenu& menu) {
    return BuildWindowMenu(menu.Items());
}

void ApplyWindowsVersionToWindowMenu(ui::PopupMenu& menu, const common::WindowsVersion& version,
                                     bool uacEnabled) {
    const bool elevationAsks = common::IsVistaOrLater(version) && uacEnabled;
    for (const wchar_t* name : {L"PPExecuteAdmin", L"PPReExecuteAdmin"}) {
        ui::MenuItem* item = menu.Find(name);
        if (item == nullptr) {
            throw std::logic_error("the window menu lacks an item");
        }
        item->visible = elevationAsks;
        item->imageIndex = elevationAsks ? kShieldImage : -1;
    }
    menu.SetImage(kShieldImage, elevationAsks ? ShieldIcon() : win::UniqueIcon());
}

} // namespace velmado::commands
