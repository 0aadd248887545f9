// The screen model, placements and the taskbar table on displays with several monitors
// (tools/wine-session.sh --monitors 2 or 3). Skipped on a single monitor.
#include "common/placement.h"
#include "common/taskbar_edges.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/window_geometry.h"
#include "tests/e2e/harness.h"
#include "tests/shellstub/shellstub_client.h"

namespace velmado::e2e {
namespace {

using common::Rect;

class MultiMonitorTest : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        win::Screen::Get().Refresh();
        if (win::Screen::Get().MonitorCount() < 2) {
            GTEST_SKIP() << "needs two monitors (tools/wine-session.sh --monitors 2)";
        }
    }
};

TEST_F(MultiMonitorTest, ScreenModelOfTheTestDisplay) {
    const win::Screen& screen = win::Screen::Get();
    const int primary = screen.PrimaryIndex();
    EXPECT_EQ(screen.Bounds(primary), (Rect{0, 0, 1280, 1024}));
    // The second monitor of the test display lies right of the primary one.
    const int second = screen.IndexAtPoint({1280, 0});
    ASSERT_GE(second, 0);
    EXPECT_NE(second, primary);
    EXPECT_EQ(screen.Bounds(second), (Rect{1280, 0, 2304, 768}));
    EXPECT_EQ(screen.IndexAtPoint({1500, 900}), -1) << "below the smaller monitor";
    EXPECT_EQ(screen.DesktopRect().left, 0);
    EXPECT_EQ(screen.DesktopRect().top, 0);
    EXPECT_GE(screen.DesktopRect().right, 2304);
    EXPECT_EQ(screen.DesktopRect().bottom, 1024);
    EXPECT_FALSE(win::IsRectOffscreen(1400, 700, 300, 200)) << "top-left on the second monitor";
    EXPECT_TRUE(win::IsRectOffscreen(1400, 800, 300, 200));
}

TEST_F(MultiMonitorTest, WindowsKnowTheirMonitor) {
    const win::Screen& screen = win::Screen::Get();
    const int second = screen.IndexAtPoint({1280, 0});
    Probe probe = Probe::Start(L"--caption Right --rect 1400,100,300,200");
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_EQ(win::MonitorIndexOfWindow(probe.Window()), second);
    // Mostly on the primary monitor: the nearest is the primary one.
    HWND straddling = probe.Create(L"--caption Across --rect 1000,100,400,200");
    EXPECT_EQ(win::MonitorIndexOfWindow(straddling), screen.PrimaryIndex());
}

TEST_F(MultiMonitorTest, PlacementsOnTheSecondMonitor) {
    const win::Screen& screen = win::Screen::Get();
    const int second = screen.IndexAtPoint({1280, 0});
    Probe probe = Probe::Start(L"--caption Second --rect 100,100,300,200");
    ASSERT_NE(probe.Window(), nullptr);
    const Rect area = screen.WorkArea(second);
    ASSERT_TRUE(win::PlaceOnMonitor(probe.Window(), common::kBottomRightQuarter, second, false));
    EXPECT_TRUE(
        WindowRectIs(probe.Window(), {(area.left + area.right) / 2, (area.top + area.bottom) / 2,
                                      area.Width() / 2, area.Height() / 2}));
    ASSERT_TRUE(win::PlaceOnMonitor(probe.Window(), common::kCentre, second, true));
    EXPECT_TRUE(WindowRectIs(probe.Window(), {(1280 + 2304 - area.Width() / 2) / 2,
                                              (0 + 768 - area.Height() / 2) / 2, area.Width() / 2,
                                              area.Height() / 2}));
}

TEST_F(MultiMonitorTest, ScanTaskbarsFillsOneSlotPerMonitor) {
    ShellStub stub = ShellStub::Start(L"--secondary top --thickness 32");
    const win::Screen& screen = win::Screen::Get();
    ASSERT_NE(stub.Window(L"Shell_SecondaryTrayWnd"), nullptr);
    win::ScanTaskbars();
    const win::ShellState& shell = win::Shell();
    const int primary = screen.PrimaryIndex();
    EXPECT_EQ(shell.primaryTaskbarMonitor, primary);
    EXPECT_EQ(shell.taskbars[primary].window, stub.Window(L"Shell_TrayWnd"));
    EXPECT_EQ(shell.taskbars[primary].edge, common::kTaskbarBottom);
    EXPECT_EQ(shell.taskbars[primary].rect, (Rect{0, 992, 1280, 1024}));
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        if (i == primary) {
            continue;
        }
        const win::TaskbarSlot& slot = shell.taskbars[i];
        ASSERT_NE(slot.window, nullptr) << "monitor " << i;
        EXPECT_EQ(ClassName(slot.window), L"Shell_SecondaryTrayWnd");
        EXPECT_EQ(slot.edge, common::kTaskbarTop) << "monitor " << i;
        const Rect b = screen.Bounds(i);
        EXPECT_EQ(slot.rect, (Rect{b.left, b.top, b.right, b.top + 32}));
        EXPECT_EQ(win::TaskbarMonitorOf(slot.window), i);
    }
    for (int i = screen.MonitorCount(); i < win::kMaxMonitors; ++i) {
        EXPECT_EQ(shell.taskbars[i].window, nullptr);
        EXPECT_EQ(shell.taskbars[i].edge, common::kTaskbarNone);
    }

    // Without secondary taskbars only the primary slot is filled.
    stub.Program().Kill();
    ShellStub plain = ShellStub::Start();
    win::ScanTaskbars();
    for (int i = 0; i < screen.MonitorCount(); ++i) {
        if (i != primary) {
            EXPECT_EQ(shell.taskbars[i].window, nullptr) << "monitor " << i;
            EXPECT_EQ(shell.taskbars[i].edge, common::kTaskbarNone);
        }
    }
}

} // namespace
} // namespace velmado::e2e
