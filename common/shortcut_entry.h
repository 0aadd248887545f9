#pragma once
// The text a hotkey entry field shows for a key pressed in it.
#include <string>

namespace velmado::common {

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The shortcut text of the key with the held modifiers ("Ctrl+Alt+F1"), or empty unless it is a
// complete combination with at least one modifier: a modifier key alone, Esc, a key without
// modifiers and a key without a name all give empty text; "Ctrl+Num +" is complete.
std::wstring ShortcutEntryText(int key, Modifiers modifiers);

} // namespace velmado::common
