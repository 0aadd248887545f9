#pragma once
// Taskbar buttons for the program's own dialogs: the main window is hidden and has none. Uses the
// shell's taskbar-list object; COM must be initialised on the calling (main) thread.
#include <windows.h>

namespace velmado::win {

// Creates the object once at start-up / releases it at shutdown; both clear the button flag.
void CreateTaskbarList();
void ReleaseTaskbarList();
bool TaskbarListCreated();

// Adds and activates a button for the window unless one is shown already.
void AddTaskbarButton(HWND window);
void RemoveTaskbarButton(HWND window);
// True after AddTaskbarButton, false after RemoveTaskbarButton.
bool TaskbarButtonShown();

} // namespace velmado::win
