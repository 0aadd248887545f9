#include "common/win/screen.h"

#include <gtest/gtest.h>

#include "common/win/os_version.h"

namespace velmado::win {
namespace {

TEST(ScreenTest, ListMatchesTheSystemMonitors) {
    Screen& screen = Screen::Get();
    screen.Refresh();
    ASSERT_EQ(screen.MonitorCount(), GetSystemMetrics(SM_CMONITORS));
    const int primary = screen.PrimaryIndex();
    EXPECT_TRUE(screen.Monitors()[primary].primary);
    EXPECT_EQ(screen.Bounds(primary),
              (common::Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    const common::Rect desktop = screen.DesktopRect();
    EXPECT_EQ(
        desktop,
        (common::Rect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)}));
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        const common::Rect b = screen.Bounds(i);
        EXPECT_EQ(screen.IndexAtPoint({b.left, b.top}), i);
        EXPECT_EQ(screen.IndexAtPoint({b.right - 1, b.bottom - 1}), i);
        const common::Rect work = screen.WorkArea(i);
        EXPECT_TRUE(work.left >= b.left && work.top >= b.top && work.right <= b.right &&
                    work.bottom <= b.bottom);
    }
}

TEST(ScreenTest, PointsOffEveryMonitorAndUnknownIndices) {
    const Screen& screen = Screen::Get();
    const common::Rect desktop = screen.DesktopRect();
    EXPECT_EQ(screen.IndexAtPoint({desktop.left - 1, desktop.top}), -1);
    EXPECT_EQ(screen.IndexAtPoint({desktop.right, desktop.bottom}), -1);
    EXPECT_EQ(MonitorIndexAtPoint({-30000, -30000}), -1);
    EXPECT_EQ(screen.Bounds(-1), common::Rect{});
    EXPECT_EQ(screen.WorkArea(screen.MonitorCount()), common::Rect{});
    EXPECT_EQ(screen.IndexOf(nullptr), -1);
    // A vanished window still gets an index.
    EXPECT_EQ(MonitorIndexOfWindow(nullptr), screen.IndexOfWindow(nullptr));
    EXPECT_GE(MonitorIndexOfWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFFFFF0))), 0);
}

TEST(SystemVersionTest, Win10AndWin11ExcludeEachOther) {
    const common::WindowsVersion& v = SystemVersion();
    EXPECT_GE(v.major, 6u);
    EXPECT_GT(v.build, 0u);
    if (v.major == 10) {
        EXPECT_NE(common::IsWin10(v), common::IsWin11(v));
    }
}

} // namespace
} // namespace velmado::win
