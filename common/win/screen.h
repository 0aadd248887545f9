#pragma once
// The program's one model of the attached monitors. The order of its list is the monitor index
// used everywhere (menus, rules, files): the order in which EnumDisplayMonitors reports them,
// read once and kept until Refresh() after a display change. Callers use at most the first ten.
#include <windows.h>

#include <vector>

#include "common/geometry.h"

namespace velmado::win {

inline constexpr int kMaxMonitors = 10;

struct Monitor {
    HMONITOR handle = nullptr;
    common::Rect bounds;
    common::Rect workArea;
    bool primary = false;
};

class Screen {
public:
    // The process-wide model, read on first use.
    static Screen& Get();

    // Reads the monitor list again (after a display change).
    void Refresh();

    int MonitorCount() const { return static_cast<int>(monitors_.size()); }
    const std::vector<Monitor>& Monitors() const { return monitors_; }
    // Index of the primary monitor; 0 when none is marked.
    int PrimaryIndex() const;
    // Index of the monitor containing the point; -1 when it lies on none.
    int IndexAtPoint(common::Point point) const;
    // Index of the monitor nearest to the window; 0 when none matches.
    int IndexOfWindow(HWND window) const;
    // Index of a monitor handle; -1 when it is not in the list.
    int IndexOf(HMONITOR monitor) const;
    // Bounds and work area of a monitor, read now; an empty rectangle for an unknown index.
    common::Rect Bounds(int index) const;
    common::Rect WorkArea(int index) const;
    // The rectangle around all monitors.
    common::Rect DesktopRect() const;

private:
    Screen();
    std::vector<Monitor> monitors_;
};

// The monitor index helpers by their common names.
int PrimaryMonitorIndex();
int MonitorIndexAtPoint(POINT point);
int MonitorIndexOfWindow(HWND window);

common::Rect ToRect(const RECT& r);
RECT ToRECT(const common::Rect& r);

} // namespace velmado::win
