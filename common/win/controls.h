#pragma once
// Helpers for standard controls of the program's own dialogs.
#include <windows.h>

#include "common/shortcut_entry.h"

namespace velmado::win {

// Sets the list box's horizontal scroll extent to twice the pixel width of its widest item text.
void FitListBoxExtent(HWND listBox);

// For a key-down in a hotkey entry field: shows common::ShortcutEntryText of the key with the
// held modifiers, puts the caret at the end and consumes the key (sets it to 0).
void ShowShortcutText(HWND edit, WORD& key, common::Modifiers modifiers);

} // namespace velmado::win
