#pragma once
// The window menu as a popup menu of the main form, with its start-up settings by Windows version.
#include "commands/window_menu_tree.h"
#include "common/windows_version.h"
#include "ui/win/popup_menu.h"

namespace velmado::commands {

// Fills the empty popup menu with the window menu's tree (see BuildWindowMenu on a root item).
WindowMenuArrays BuildWindowMenu(ui::PopupMenu& menu);

// The commands that start the target's program with administrator rights carry the shield mark
// where user account control would ask; elsewhere they are hidden.
void ApplyWindowsVersionToWindowMenu(ui::PopupMenu& menu, const common::WindowsVersion& version,
                                     bool uacEnabled);

} // namespace velmado::commands
