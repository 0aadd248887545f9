#pragma once
// Keyboard shortcuts as text ("Ctrl+Alt+F1", "Shift+Enter", "Num 5") and back. A shortcut value
// carries the virtual-key code in its low byte and the modifier flags below; hotkey settings and
// the rules' key actions store the text form.
#include <cstdint>
#include <string>
#include <string_view>

namespace velmado::ui {

using ShortCut = std::uint16_t;

inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;

constexpr int ShortCutKey(ShortCut shortCut) {
    return shortCut & 0xFF;
}
constexpr ShortCut MakeShortCut(int key, bool shift, bool ctrl, bool alt) {
    return static_cast<ShortCut>((key & 0xFF) | (shift ? kShortCutShift : 0) |
                                 (ctrl ? kShortCutCtrl : 0) | (alt ? kShortCutAlt : 0));
}

// Name of a virtual key ("Enter", "F12", "A", "Num 0"); empty for 0 and 255.
std::wstring KeyName(int key);

// "Shift+", "Ctrl+", "Alt+" (in this order, as set) followed by the key name; empty without a key.
std::wstring ShortCutToText(ShortCut shortCut);

// The inverse: modifier prefixes in any order ("^" also means Ctrl), names compared without regard
// to ASCII case, blanks around the whole text ignored. 0 when the text names no key.
ShortCut TextToShortCut(std::wstring_view text);

} // namespace velmado::ui
