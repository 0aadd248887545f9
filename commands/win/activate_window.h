#pragma once
// Bringing a window to the user: activate it and put the mouse cursor where they will work.
#include <windows.h>

#include "commands/title_bar_point.h"

namespace velmado::commands {

struct CursorPlacement {
    TitleBarSpot spot = TitleBarSpot::Left;
    // Put the cursor on the text caret when an edit control has the focus.
    bool preferCaret = true;
};

// Activates the window and puts the cursor on its title bar (or on its caret). False when the
// window's rectangle could not be read (a vanished or minimised window): only the activation
// was tried then.
bool ActivateWindowCursor(HWND window, const CursorPlacement& placement);

} // namespace velmado::commands
