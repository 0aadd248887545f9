#include "ui/win/popup_menu.h"

#include "ui/win/application.h"

namespace velmado::ui {

namespace {

void AppendItem(HMENU menu, MenuItem& item, std::vector<MenuItem*>& commands) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (item.IsSeparator()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask |= MIIM_STRING | MIIM_ID;
        info.dwTypeData = const_cast<wchar_t*>(item.caption.c_str());
        info.fType = item.radioGroup > 0 ? MFT_RADIOCHECK : 0;
        info.fState = (item.Checked() ? MFS_CHECKED : 0) | (item.enabled ? 0 : MFS_DISABLED);
        commands.push_back(&item);
        info.wID = static_cast<UINT>(commands.size());
    }
    if (item.imageIndex >= 0 && !item.IsSeparator()) {
        info.fMask |= MIIM_BITMAP | MIIM_DATA;
        info.hbmpItem = HBMMENU_CALLBACK;
        info.dwItemData = static_cast<ULONG_PTR>(item.imageIndex);
    }
    if (item.menuBreak == MenuBreak::Column) {
        info.fType |= MFT_MENUBREAK;
    } else if (item.menuBreak == MenuBreak::BarColumn) {
        info.fType |= MFT_MENUBARBREAK;
    }
    win::UniqueMenu submenu;
    if (item.Count() > 0 && !item.IsSeparator()) {
        submenu = RenderMenu(item, commands);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.get();
    }
    if (InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) {
        submenu.release(); // the parent menu destroys it now
    }
}

} // namespace

win::UniqueMenu RenderMenu(MenuItem& root, std::vector<MenuItem*>& commands) {
    win::UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    for (std::size_t i = 0; i < root.Count(); ++i) {
        MenuItem& item = root.At(i);
        if (item.visible) {
            AppendItem(menu.get(), item, commands);
        }
    }
    return menu;
}

HWND PopupMenu::OwnerWindow() {
    if (owner_.Handle() == nullptr) {
        owner_.Create({}, [this](UINT message, WPARAM, LPARAM lParam) {
            return OwnerMessage(message, lParam);
        });
    }
    return owner_.Handle();
}

void PopupMenu::SetImage(int index, win::UniqueIcon icon) {
    if (index < 0) {
        return;
    }
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= images_.size()) {
        images_.resize(slot + 1);
    }
    images_[slot] = std::move(icon);
}

HICON PopupMenu::Image(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= images_.size()) {
        return nullptr;
    }
    return images_[static_cast<std::size_t>(index)].get();
}

std::optional<LRESULT> PopupMenu::OwnerMessage(UINT message, LPARAM lParam) const {
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure == nullptr || measure->CtlType != ODT_MENU) {
            return std::nullopt;
        }
        const bool hasImage = Image(static_cast<int>(measure->itemData)) != nullptr;
        measure->itemWidth = hasImage ? static_cast<UINT>(GetSystemMetrics(SM_CXSMICON)) : 0;
        measure->itemHeight = hasImage ? static_cast<UINT>(GetSystemMetrics(SM_CYSMICON)) : 0;
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw == nullptr || draw->CtlType != ODT_MENU) {
            return std::nullopt;
        }
        const HICON icon = Image(static_cast<int>(draw->itemData));
        if (icon != nullptr) {
            const int width = GetSystemMetrics(SM_CXSMICON);
            const int height = GetSystemMetrics(SM_CYSMICON);
            const int x = draw->rcItem.left + (draw->rcItem.right - draw->rcItem.left - width) / 2;
            const int y = draw->rcItem.top + (draw->rcItem.bottom - draw->rcItem.top - height) / 2;
            if ((draw->itemState & (ODS_DISABLED | ODS_GRAYED)) != 0) {
                DrawStateW(draw->hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y,
                           width, height, DST_ICON | DSS_DISABLED);
            } else {
                DrawIconEx(draw->hDC, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
            }
        }
        return TRUE;
    }
    return std::nullopt;
}

bool PopupMenu::Popup(int x, int y) {
    if (open_) {
        return false;
    }
    bool prepared = true;
    if (auto handler = OnPopup) {
        prepared = false;
        Guarded([&] {
            handler();
            prepared = true;
        });
    }
    const HWND owner = OwnerWindow();
    if (!prepared || owner == nullptr) {
        return false;
    }
    std::vector<MenuItem*> commands;
    win::UniqueMenu menu = RenderMenu(root_, commands);
    if (!menu) {
        return false;
    }
    // The owner must be in the foreground, or the menu does not close when the user clicks
    // elsewhere; the posted message lets the menu's loop end properly.
    SetForegroundWindow(owner);
    open_ = true;
    const UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                         x, y, owner, nullptr));
    open_ = false;
    PostMessageW(owner, WM_NULL, 0, 0);
    menu.reset();
    if (command > 0 && command <= commands.size()) {
        Guarded([&] { commands[command - 1]->Click(); });
    }
    return true;
}

void PopupMenu::Close() {
    if (open_) {
        EndMenu();
    }
}

} // namespace velmado::ui
