#pragma once
// Plain screen geometry shared by the window helpers: rectangles as the system stores them
// (left, top, right, bottom) and as the window commands pass them (left, top, width, height).

namespace velmado::common {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Right and bottom are outside, as for the system's own rectangles.
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const Rect&) const = default;
};

struct XYWH {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const XYWH&) const = default;
};

} // namespace velmado::common
