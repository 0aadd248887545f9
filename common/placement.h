#pragma once
// The nineteen standard placements of a window inside a monitor area, the off-screen test and
// the geometry of the off-screen rescue.
#include <functional>

#include "common/geometry.h"

namespace velmado::common {

// 0 maximise vertically, 1 maximise horizontally, 2-9 edges and corners, 10 centre,
// 11-14 halves, 15-18 quarters.
enum PlacementType : int {
    kMaximizeVertically = 0,
    kMaximizeHorizontally = 1,
    kTopEdge = 2,
    kBottomEdge = 3,
    kLeftEdge = 4,
    kRightEdge = 5,
    kTopLeftCorner = 6,
    kTopRightCorner = 7,
    kBottomLeftCorner = 8,
    kBottomRightCorner = 9,
    kCentre = 10,
    kTopHalf = 11,
    kBottomHalf = 12,
    kLeftHalf = 13,
    kRightHalf = 14,
    kTopLeftQuarter = 15,
    kTopRightQuarter = 16,
    kBottomLeftQuarter = 17,
    kBottomRightQuarter = 18,
};
inline constexpr int kPlacementTypeCount = 19;

// The window's new rectangle for a placement type inside `area`; any other type keeps it.
XYWH PlaceInArea(int type, const Rect& area, const XYWH& window);

// A placement is applied only when both sides exceed the caption height.
bool PlacementAllowed(const XYWH& placed, int captionHeight);

// True when none of the five points (the four corners and the centre) lies on a monitor.
bool IsRectOffscreen(const XYWH& window, const std::function<bool(Point)>& onMonitor);

// Edge codes of the shell's appbar position query: 0 top, 1 bottom, 2 left, 3 right, -1 other.
enum AppBarEdge : int {
    kAppBarUnknown = -1,
    kAppBarTop = 0,
    kAppBarBottom = 1,
    kAppBarLeft = 2,
    kAppBarRight = 3,
};

// The primary screen: the system work area widened again by the taskbar's strip.
Rect PrimaryScreenArea(const Rect& workArea, int appBarEdge, const Rect& taskbar);

// The window, keeping its size, centred in `area`.
XYWH CentreIn(const Rect& area, int width, int height);

} // namespace velmado::common
