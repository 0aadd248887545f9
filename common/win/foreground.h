#pragma once
// The foreground window, the keyboard focus and the caret of other programs.
#include <windows.h>

#include <optional>

namespace velmado::win {

// Makes the window the foreground window even when the system's foreground lock would refuse;
// true when it is the foreground window afterwards.
bool ForceForeground(HWND window);
// The focus window of the foreground thread.
HWND GetFocusedControl();
// The caret of the foreground window's focus window, in screen coordinates.
std::optional<POINT> GetCaretScreenPos();

} // namespace velmado::win
