#include "common/placement.h"

#include <array>
#include <cstdlib>

namespace velmado::common {

XYWH PlaceInArea(int type, const Rect& area, const XYWH& window) {
    // C++ division truncates toward zero, as the placement formulas want.
    const int fullWidth = std::abs(area.right - area.left);
    const int fullHeight = std::abs(area.bottom - area.top);
    const int halfWidth = fullWidth / 2;
    const int halfHeight = fullHeight / 2;
    const int middleX = (area.left + area.right) / 2;
    const int middleY = (area.top + area.bottom) / 2;
    XYWH r = window;
    switch (type) {
    case kMaximizeVertically:
        r.top = area.top, r.height = fullHeight;
        break;
    case kMaximizeHorizontally:
        r.left = area.left, r.width = fullWidth;
        break;
    case kTopEdge:
        r.top = area.top;
        break;
    case kBottomEdge:
        r.top = area.bottom - window.height;
        break;
    case kLeftEdge:
        r.left = area.left;
        break;
    case kRightEdge:
        r.left = area.right - window.width;
        break;
    case kTopLeftCorner:
        r.left = area.left, r.top = area.top;
        break;
    case kTopRightCorner:
        r.left = area.right - window.width, r.top = area.top;
        break;
    case kBottomLeftCorner:
        r.left = area.left, r.top = area.bottom - window.height;
        break;
    case kBottomRightCorner:
        r.left = area.right - window.width, r.top = area.bottom - window.height;
        break;
    case kCentre:
        r.left = (area.left + area.right - window.width) / 2;
        r.top = (area.top + area.bottom - window.height) / 2;
        break;
    case kTopHalf:
        r = {area.left, area.top, fullWidth, halfHeight};
        break;
    case kBottomHalf:
        r = {area.left, middleY, fullWidth, halfHeight};
        break;
    case kLeftHalf:
        r = {area.left, area.top, halfWidth, fullHeight};
        break;
    case kRightHalf:
        r = {middleX, area.top, halfWidth, fullHeight};
        break;
    case kTopLeftQuarter:
        r = {area.left, area.top, halfWidth, halfHeight};
        break;
    case kTopRightQuarter:
        r = {middleX, area.top, halfWidth, halfHeight};
        break;
    case kBottomLeftQuarter:
        r = {area.left, middleY, halfWidth, halfHeight};
        break;
    case kBottomRightQuarter:
        r = {middleX, middleY, halfWidth, halfHeight};
        break;
    default:
        break;
    }
    return r;
}

bool PlacementAllowed(const XYWH& placed, int captionHeight) {
    return placed.width > captionHeight && placed.height > captionHeight;
}

bool IsRectOffscreen(const XYWH& window, const std::function<bool(Point)>& onMonitor) {
    const int right = window.left + window.width;
    const int bottom = window.top + window.height;
    const std::array<Point, 5> points = {{
        {window.left, window.top},
        {right, bottom},
        {right, window.top},
        {window.left, bottom},
        {window.left + window.width / 2, window.top + window.height / 2},
    }};
    for (const Point& p : points) {
        if (onMonitor(p)) {
            return false;
        }
    }
    return true;
}

Rect PrimaryScreenArea(const Rect& workArea, int appBarEdge, const Rect& taskbar) {
    Rect r = workArea;
    switch (appBarEdge) {
    case kAppBarTop:
        r.top -= taskbar.bottom;
        break;
    case kAppBarBottom:
        r.bottom += taskbar.Height();
        break;
    case kAppBarLeft:
        r.left -= taskbar.right;
        break;
    case kAppBarRight:
        r.right += taskbar.Width();
        break;
    default:
        break;
    }
    return r;
}

XYWH CentreIn(const Rect& area, int width, int height) {
    return {(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, width,
            height};
}

} // namespace velmado::common
