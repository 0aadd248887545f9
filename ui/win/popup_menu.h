#pragma once
// A popup menu over the menu model: OnPopup fills the items, the model is rendered into a native
// menu only for the time it is open, and the chosen item's click (automatic check, then OnClick)
// runs after the menu has closed. Each popup menu has its own hidden owner window, which also
// draws the items' images from the menu's image list.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/win/handles.h"
#include "ui/menu_item.h"
#include "ui/win/window.h"

namespace velmado::ui {

// Builds the native menu of root's visible children (and their submenus). The command id of an
// item is its position in commands plus 1. An item with an image index is drawn by its owner
// window (HBMMENU_CALLBACK), with the index as the item data.
win::UniqueMenu RenderMenu(MenuItem& root, std::vector<MenuItem*>& commands);

class PopupMenu {
public:
    PopupMenu() = default;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    MenuItem& Items() { return root_; }
    MenuItem& Add(std::wstring name, std::wstring caption) {
        return root_.Add(std::move(name), std::move(caption));
    }
    MenuItem& AddSeparator(std::wstring name = {}) { return root_.AddSeparator(std::move(name)); }
    MenuItem* Find(std::wstring_view name) { return root_.Find(name); }

    // Called before the menu is rendered.
    std::function<void()> OnPopup;

    // Runs OnPopup, shows the menu at the screen position and returns once it is closed, after
    // the chosen item's click. False when the menu was not shown (already open, OnPopup failed).
    bool Popup(int x, int y);
    bool IsOpen() const { return open_; }
    // Closes the menu if it is open.
    void Close();
    // The window that owns the menu while it is open; created on first use.
    HWND OwnerWindow();

    // The image list of the items (MenuItem::imageIndex), drawn at small-icon size. Setting an
    // index beyond the list grows it; an empty icon clears the slot.
    void SetImage(int index, win::UniqueIcon icon);
    HICON Image(int index) const;

private:
    std::optional<LRESULT> OwnerMessage(UINT message, LPARAM lParam) const;

    MenuItem root_;
    std::vector<win::UniqueIcon> images_;
    Window owner_;
    bool open_ = false;
};

} // namespace velmado::ui
