#pragma once
// Where a window lies, moving it to standard places, Z order and window relations.
#include <windows.h>

#include <optional>

#include "common/geometry.h"

namespace velmado::win {

// The window rectangle; nothing for a vanished or minimised window.
std::optional<common::Rect> GetWindowRectChecked(HWND window);
std::optional<common::XYWH> GetWindowXYWH(HWND window);

// None of the corners and the centre lies on a monitor.
bool IsRectOffscreen(int left, int top, int width, int height);

// Places the window in the monitor's work area (or its full bounds) by placement type 0..18.
// True when it was moved; minimised windows, unknown monitors and results no larger than a
// caption bar are left alone.
bool PlaceOnMonitor(HWND window, int type, int monitorIndex, bool fullBounds);
// Places the window by type on the primary screen including the taskbar's strip (no size guard).
bool PlaceOnPrimary(HWND window, int type);
// Centres a window that is entirely off-screen on the primary screen; true when it was moved.
bool RescueOffscreenWindow(HWND window);

bool SetTopmost(HWND window, bool on);
void MakeToolWindow(HWND window);

// The next window below in Z order that is visible; null at the end.
HWND NextVisibleWindow(HWND window);
// The last window up the parent chain.
HWND RootParent(HWND window);
// The first window up the parent chain that is visible and has a caption; else the last reached.
HWND CaptionedAncestor(HWND window);
HWND WindowAtCursor();

} // namespace velmado::win
