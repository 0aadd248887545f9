#include "common/taskbar_edges.h"

#include "common/placement.h"

namespace velmado::common {

int ClassifyTaskbarEdge(const Rect& taskbar, const Rect& monitor) {
    int edge = kTaskbarNone;
    if (taskbar.top == monitor.top && taskbar.left == monitor.left &&
        taskbar.right == monitor.right) {
        edge = kTaskbarTop;
    }
    if (taskbar.bottom == monitor.bottom && taskbar.right == monitor.right &&
        taskbar.left == monitor.left) {
        edge = kTaskbarBottom;
    }
    if (taskbar.left == monitor.left && taskbar.top == monitor.top &&
        taskbar.bottom == monitor.bottom) {
        edge = kTaskbarLeft;
    }
    if (taskbar.right == monitor.right && taskbar.bottom == monitor.bottom &&
        taskbar.top == monitor.top) {
        edge = kTaskbarRight;
    }
    return edge;
}

int AppBarEdgeFromShell(unsigned shellEdge) {
    switch (shellEdge) {
    case 0:
        return kAppBarLeft;
    case 1:
        return kAppBarTop;
    case 2:
        return kAppBarRight;
    case 3:
        return kAppBarBottom;
    default:
        return kAppBarUnknown;
    }
}

} // namespace velmado::common
