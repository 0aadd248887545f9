#pragma once
// Which monitor edge a taskbar lies along, in the two codings the program uses.
#include "common/geometry.h"

namespace velmado::common {

// Edge codes of the per-monitor taskbar table.
enum TaskbarEdge : int {
    kTaskbarNone = 0,
    kTaskbarTop = 1,
    kTaskbarBottom = 2,
    kTaskbarLeft = 3,
    kTaskbarRight = 4,
};

// Compares the taskbar's rectangle with its monitor's bounds; the later test wins when several
// match (a taskbar filling the whole monitor counts as right).
int ClassifyTaskbarEdge(const Rect& taskbar, const Rect& monitor);

// The shell's appbar edge (ABE_LEFT 0, ABE_TOP 1, ABE_RIGHT 2, ABE_BOTTOM 3) as an AppBarEdge
// (placement.h): left 2, top 0, right 3, bottom 1, anything else -1.
int AppBarEdgeFromShell(unsigned shellEdge);

} // namespace velmado::common
