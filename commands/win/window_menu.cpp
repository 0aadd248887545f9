#include "commands/win/window_menu.h"

#include <stdexcept>

#include "common/win/shield_glyph.h"

namespace velmado::commands {

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
    menu.SetImage(kShieldImage, elevationAsks ? win::ShieldIcon() : win::UniqueIcon());
}

} // namespace velmado::commands
