#include "common/shortcut_entry.h"

#include "ui/shortcut_text.h"

namespace velmado::common {

namespace {

constexpr int kShift = 0x10, kControl = 0x11, kMenu = 0x12, kEscape = 0x1B;
constexpr int kLeftShift = 0xA0, kRightMenu = 0xA5; // left/right Shift, Ctrl, Alt

bool IsModifierKey(int key) {
    return key == kShift || key == kControl || key == kMenu ||
           (key >= kLeftShift && key <= kRightMenu);
}

} // namespace

std::wstring ShortcutEntryText(int key, Modifiers modifiers) {
    // A key whose own name ends in "+" ("Num +") is complete, so the test is on the name.
    if (key == kEscape || IsModifierKey(key) || ui::KeyName(key).empty() ||
        (!modifiers.shift && !modifiers.ctrl && !modifiers.alt)) {
        return {};
    }
    return ui::ShortCutToText(
        ui::MakeShortCut(key, modifiers.shift, modifiers.ctrl, modifiers.alt));
}

} // namespace velmado::common
