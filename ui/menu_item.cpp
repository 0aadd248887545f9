#include "ui/menu_item.h"

namespace velmado::ui {

void MenuItem::SetChecked(bool checked) {
    if (checked && radioGroup > 0 && parent_ != nullptr) {
        for (const auto& sibling : parent_->children_) {
            if (sibling->radioGroup == radioGroup) {
                sibling->checked_ = false;
            }
        }
    }
    checked_ = checked;
}

MenuItem& MenuItem::Add(std::wstring itemName, std::wstring itemCaption) {
    auto& child = children_.emplace_back(
        std::make_unique<MenuItem>(std::move(itemName), std::move(itemCaption)));
    child->parent_ = this;
    return *child;
}

MenuItem* MenuItem::Find(std::wstring_view itemName) {
    if (itemName.empty()) {
        return nullptr;
    }
    for (const auto& child : children_) {
        if (child->name == itemName) {
            return child.get();
        }
        if (MenuItem* found = child->Find(itemName)) {
            return found;
        }
    }
    return nullptr;
}

void MenuItem::Click() {
    if (!enabled) {
        return;
    }
    if (autoCheck) {
        SetChecked(radioGroup > 0 ? true : !checked_);
    }
    // A copy, so that a handler may replace OnClick while it runs.
    if (auto handler = OnClick) {
        handler(*this);
    }
}

} // namespace velmado::ui
