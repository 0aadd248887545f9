#include "rules/window_pass.h"
#include "rules/test_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ui/win/test_support.h"

namespace velmado::rules {
namespace {

using ui::test::PumpUntil;

DWORD OwnPriority() {
    return GetPriorityClass(GetCurrentProcess());
}

void ArmEveryMode(WindowPass& pass) {
    pass.FWindowC = pass.FTaskBarClk = pass.FMonitorAll = pass.FMonitorSwap = true;
    pass.FPPMenuWinList = pass.FDeskTopWindow = pass.FDualDeskTop = pass.FAllHide = true;
    pass.FWindowList = pass.FWindowDirect = true;
}

void ExpectNoModeArmed(const WindowPass& pass) {
    EXPECT_FALSE(pass.FWindowC || pass.FTaskBarClk || pass.FMonitorAll || pass.FMonitorSwap ||
                 pass.FPPMenuWinList || pass.FDeskTopWindow || pass.FDualDeskTop || pass.FAllHide ||
                 pass.FWindowList || pass.FWindowDirect);
}

TEST(WindowPassTest, RunsAtHighPriorityAndEndsAtNormal) {
    const test::TestWindow window(L"Window pass test");
    SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
    WindowPass pass;
    pass.settings.rulesEnabled = [] { return true; };
    std::vector<DWORD> during;
    pass.targets.moveWindow = [&](HWND, const std::wstring&, const std::wstring&,
                                  const std::wstring&,
                                  const common::XYWH&) { during.push_back(OwnPriority()); };
    pass.Proc_MoveWindowMain();
    ASSERT_FALSE(during.empty());
    EXPECT_EQ(during.front(), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    EXPECT_EQ(OwnPriority(), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

TEST(WindowPassTest, AnErrorInTheNormalPassLeavesNoModeArmedAndNormalPriority) {
    const test::TestWindow window(L"Window pass test");
    WindowPass pass;
    pass.settings.rulesEnabled = [] { return true; };
    int calls = 0;
    pass.targets.moveWindow = [&](HWND, const std::wstring&, const std::wstring&,
                                  const std::wstring&, const common::XYWH&) {
        ++calls;
        throw std::runtime_error("rule failed");
    };
    pass.FWindowC = true; // count mode runs beside the normal pass
    EXPECT_THROW(pass.Proc_MoveWindowMain(), std::runtime_error);
    EXPECT_EQ(calls, 1); // the walk stopped at the failing window
    EXPECT_EQ(OwnPriority(), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    ExpectNoModeArmed(pass);
}

TEST(WindowPassTest, AnErrorInACollectionModeDoesNotCompleteTheSwap) {
    const test::TestWindow window(L"Window pass test");
    WindowPass pass;
    int shown = 0;
    pass.targets.showDeskTop = [&] { ++shown; };
    pass.targets.menuWinListItem = [](int, HWND, const std::wstring&, const std::wstring&) {
        throw std::runtime_error("no icon");
    };
    ArmEveryMode(pass);
    pass.FMonitorAll = pass.FMonitorSwap = pass.FTaskBarClk = false; // leave the windows alone
    EXPECT_THROW(pass.Proc_MoveWindowMain(), std::runtime_error);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(pass.MDeskTopC, 1);
    EXPECT_EQ(OwnPriority(), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    ExpectNoModeArmed(pass);

    // The next pass is a normal one again: nothing reaches the collection targets.
    pass.targets.menuWinListItem = nullptr;
    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(pass.ListBoxWinList.empty());
}

TEST(WindowPassTest, DualDesktopSwapCompletesAfterTheWalk) {
    const test::TestWindow window(L"Window pass test");
    WindowPass pass;
    std::vector<std::string> order;
    pass.targets.showDeskTop = [&] { order.push_back("show " + std::to_string(pass.MDeskTopC)); };
    pass.targets.trayIconDualDeskTop = [&] {
        order.push_back("icon " + std::to_string(pass.MDeskTopC));
    };
    pass.FDualDeskTop = true;
    pass.Proc_MoveWindowMain();
    pass.FDualDeskTop = true;
    pass.Proc_MoveWindowMain();
    pass.Proc_MoveWindowMain(); // not armed: no swap
    EXPECT_EQ(order, (std::vector<std::string>{"show 1", "icon 2", "show 2", "icon 1"}));
}

TEST(WindowPassTest, OneShotRunClosesTheFormLaterEvenAfterAnError) {
    const test::TestWindow window(L"Window pass test");
    WindowPass pass;
    pass.settings.resident = false;
    pass.settings.rulesEnabled = [] { return true; };
    int closed = 0;
    pass.targets.closeMainForm = [&] { ++closed; };
    pass.targets.moveWindow = [](HWND, const std::wstring&, const std::wstring&,
                                 const std::wstring&,
                                 const common::XYWH&) { throw std::runtime_error("rule failed"); };
    EXPECT_THROW(pass.Proc_MoveWindowMain(), std::runtime_error);
    // Not at once: the message loop keeps running while the end waits.
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(PumpUntil([&] { return closed == 1; }, 3000));
    PumpUntil([] { return false; }, 700);
    EXPECT_EQ(closed, 1);
}

TEST(WindowPassTest, ResidentRunNeverClosesTheForm) {
    const test::TestWindow window(L"Window pass test");
    WindowPass pass;
    int closed = 0;
    pass.targets.closeMainForm = [&] { ++closed; };
    pass.Proc_MoveWindowMain();
    PumpUntil([] { return false; }, 800);
    EXPECT_EQ(closed, 0);
}

} // namespace
} // namespace velmado::rules
