#pragma once
// The menu model: a tree of menu items with check marks, radio groups, automatic checking,
// column breaks, Tag and click handlers. It holds no menu handle; the Win32 layer renders it
// into a native menu only while a popup is open.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmado::ui {

enum class MenuBreak {
    None,
    Column,    // starts a new column
    BarColumn, // starts a new column with a dividing line
};

class MenuItem {
public:
    MenuItem() = default;
    MenuItem(std::wstring itemName, std::wstring itemCaption)
        : name(std::move(itemName)), caption(std::move(itemCaption)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::wstring name;
    std::wstring caption; // "-" makes the item a separator
    bool enabled = true;
    bool visible = true;
    bool autoCheck = false; // the click itself switches the check
    int radioGroup = 0; // above 0: a radio item; checking it unchecks its group among its siblings
    MenuBreak menuBreak = MenuBreak::None;
    int tag = 0;
    int imageIndex = -1; // an image of the menu that shows the item; -1 for none
    std::function<void(MenuItem& sender)> OnClick;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool IsSeparator() const { return caption == L"-"; }

    // Appends a child; the reference stays valid for the life of this item.
    MenuItem& Add(std::wstring itemName, std::wstring itemCaption);
    MenuItem& AddSeparator(std::wstring itemName = {}) { return Add(std::move(itemName), L"-"); }

    // Depth-first search of the descendants by name (not this item itself).
    MenuItem* Find(std::wstring_view itemName);

    std::size_t Count() const { return children_.size(); }
    MenuItem& At(std::size_t index) const { return *children_.at(index); }
    MenuItem* Parent() const { return parent_; }

    // What a click on the item does: nothing when disabled; otherwise the automatic check
    // (a radio item stays checked when clicked again), then OnClick.
    void Click();

private:
    bool checked_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

} // namespace velmado::ui
