#include "common/taskbar_edges.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/placement.h"

namespace velmado::common {
namespace {

TEST(ClassifyTaskbarEdgeTest, StripsAlongEachEdge) {
    const Rect m{1280, 0, 2304, 768};
    struct Case {
        Rect taskbar;
        int edge;
        const char* what;
    };
    const std::vector<Case> cases = {
        {{1280, 0, 2304, 40}, kTaskbarTop, "top"},
        {{1280, 728, 2304, 768}, kTaskbarBottom, "bottom"},
        {{1280, 0, 1340, 768}, kTaskbarLeft, "left"},
        {{2244, 0, 2304, 768}, kTaskbarRight, "right"},
        {{1280, 0, 2304, 768}, kTaskbarRight, "whole monitor: the last test wins"},
        {{1280, 0, 1340, 40}, kTaskbarNone, "top-left square touches two edges only"},
        {{1290, 728, 2304, 768}, kTaskbarNone, "bottom strip not starting at the left"},
        {{1280, 726, 2304, 766}, kTaskbarNone, "auto-hidden strip moved off its edge"},
        {{0, 984, 1280, 1024}, kTaskbarNone, "strip of another monitor"},
        {{}, kTaskbarNone, "no rectangle"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyTaskbarEdge(c.taskbar, m), c.edge) << c.what;
    }
}

TEST(AppBarEdgeFromShellTest, MapsTheShellEdges) {
    EXPECT_EQ(AppBarEdgeFromShell(0), kAppBarLeft);
    EXPECT_EQ(AppBarEdgeFromShell(1), kAppBarTop);
    EXPECT_EQ(AppBarEdgeFromShell(2), kAppBarRight);
    EXPECT_EQ(AppBarEdgeFromShell(3), kAppBarBottom);
    EXPECT_EQ(AppBarEdgeFromShell(4), kAppBarUnknown);
    EXPECT_EQ(AppBarEdgeFromShell(0xFFFFFFFFu), kAppBarUnknown);
}

} // namespace
} // namespace velmado::common
