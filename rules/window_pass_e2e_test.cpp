#include <algorithm>
#include <string>
#include <vector>

#include "common/win/screen.h"
#include "rules/window_list_captions.h"
#include "rules/window_pass.h"
#include "tests/e2e/harness.h"

namespace velmado::e2e {
namespace {

using rules::WindowPass;

// A further window of the probe, shown unless it was asked to be hidden.
HWND CreateIn(const Probe& probe, const std::wstring& options) {
    const HWND window = probe.Create(options);
    EXPECT_NE(window, nullptr) << Utf8(options);
    if (options.find(L"--hidden") == std::wstring::npos) {
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
            << Describe(window);
    }
    return window;
}

// A window pass with rules and work areas on whose targets record which windows they got.
class WindowPassE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        pass.settings.rulesEnabled = [] { return true; };
        pass.settings.workAreasEnabled = [] { return true; };
        pass.settings.eventWindow = [this] { return eventWindow; };
        pass.targets.moveWindow = [this](HWND w, const std::wstring&, const std::wstring&,
                                         const std::wstring&,
                                         const common::XYWH&) { ruled.push_back(w); };
        pass.targets.snapMoveWindow = [this](HWND w, const std::wstring&, const std::wstring&,
                                             const std::wstring&, const common::Rect& r) {
            snapped.push_back(w);
            snappedRects.push_back(r);
        };
        pass.targets.menuWinListItem = [this](int index, HWND w, const std::wstring&,
                                              const std::wstring& caption) {
            listed.push_back({index, w, caption});
        };
    }

    static bool Has(const std::vector<HWND>& windows, HWND w) {
        return std::find(windows.begin(), windows.end(), w) != windows.end();
    }

    // Runs the pass in the window-list mode and returns the handles it collected.
    std::vector<HWND> CollectWindowList() {
        pass.ListBoxWinList.clear();
        listed.clear();
        pass.FPPMenuWinList = true;
        pass.Proc_MoveWindowMain();
        return pass.ListBoxWinList;
    }

    int CountOtherWindows() {
        pass.MWindowC = 0;
        pass.FWindowC = true;
        pass.Proc_MoveWindowMain();
        return pass.MWindowC;
    }

    struct Entry {
        int index;
        HWND window;
        std::wstring caption;
    };

    WindowPass pass;
    HWND eventWindow = nullptr;
    std::vector<HWND> ruled;
    std::vector<HWND> snapped;
    std::vector<common::Rect> snappedRects;
    std::vector<Entry> listed;
};

TEST_F(WindowPassE2E, ResidentPassStopsRightAfterTheEventWindow) {
    Probe lower = Probe::Start(L"--caption \"Lower probe\" --rect 100,100,400,300");
    // Topmost: nothing eligible lies above it in the Z order.
    Probe top = Probe::Start(L"--caption \"Top probe\" --rect 150,120,420,310 --exstyle 8");
    eventWindow = top.Window();
    pass.Proc_MoveWindowMain();
    ASSERT_FALSE(ruled.empty());
    EXPECT_EQ(ruled, std::vector<HWND>{top.Window()}) << "first: " << Describe(ruled.front());
    ASSERT_EQ(snapped, std::vector<HWND>{top.Window()});
    // The work-area watch gets left, top, right, bottom.
    EXPECT_EQ(snappedRects[0], (common::Rect{150, 120, 570, 430}));

    // With the lower window as the event window the walk goes on to it, and stops there.
    ruled.clear();
    eventWindow = lower.Window();
    pass.Proc_MoveWindowMain();
    ASSERT_FALSE(ruled.empty());
    EXPECT_EQ(ruled.front(), top.Window());
    EXPECT_EQ(ruled.back(), lower.Window());
}

TEST_F(WindowPassE2E, WithoutEventWindowEveryEligibleWindowAndNoUntitledOrInvisibleOne) {
    Probe probe = Probe::Start(L"--caption \"Probe A\"");
    const HWND second = CreateIn(probe, L"--caption \"Probe B\" --rect 300,200,300,200");
    const HWND hidden = CreateIn(probe, L"--caption Hidden --hidden");
    const HWND untitled = CreateIn(probe, L"--caption \"\" --rect 200,150,300,200");
    ASSERT_TRUE(IsWindowVisible(untitled));

    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(Has(ruled, probe.Window()));
    EXPECT_TRUE(Has(ruled, second));
    EXPECT_TRUE(Has(snapped, second));
    for (const HWND never : {hidden, untitled}) {
        EXPECT_FALSE(Has(ruled, never)) << Describe(never);
        EXPECT_FALSE(Has(snapped, never)) << Describe(never);
    }

    // The one-shot run ignores the event window: it covers all windows.
    ruled.clear();
    pass.settings.resident = false;
    eventWindow = probe.Window();
    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(Has(ruled, probe.Window()));
    EXPECT_TRUE(Has(ruled, second));

    const std::vector<HWND> list = CollectWindowList();
    EXPECT_TRUE(Has(list, probe.Window()));
    EXPECT_TRUE(Has(list, second));
    EXPECT_FALSE(Has(list, hidden));
    EXPECT_FALSE(Has(list, untitled));
}

TEST_F(WindowPassE2E, RulesAndWorkAreaSwitchesGateTheirTargets) {
    Probe probe = Probe::Start(L"--caption \"Gated probe\"");
    pass.settings.rulesEnabled = [] { return false; };
    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(ruled.empty());
    EXPECT_TRUE(Has(snapped, probe.Window()));

    snapped.clear();
    pass.settings.rulesEnabled = [] { return true; };
    pass.settings.ruleEditorVisible = [] { return true; };
    pass.settings.workAreasEnabled = [] { return false; };
    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(ruled.empty());
    EXPECT_TRUE(snapped.empty());
}

TEST_F(WindowPassE2E, DialogsGoToDialogPlacementAndToTheRules) {
    Probe probe = Probe::Start(L"--caption \"Main probe\"");
    const HWND dialog =
        CreateIn(probe, L"--dialog --caption \"Probe dialog\" --rect 50,50,300,200");
    std::vector<HWND> dialogs;
    pass.targets.moveDialog = [&](HWND w, const std::wstring&, const std::wstring&,
                                  const std::wstring& className, const common::XYWH&) {
        EXPECT_EQ(className, L"#32770");
        dialogs.push_back(w);
    };
    pass.Proc_MoveWindowMain();
    EXPECT_EQ(dialogs, std::vector<HWND>{dialog});
    EXPECT_TRUE(Has(ruled, dialog));
    EXPECT_TRUE(Has(ruled, probe.Window()));
}

TEST_F(WindowPassE2E, MinimisedWindowsOnlyInCollectionModes) {
    Probe probe = Probe::Start(L"--caption \"Shown probe\"");
    const HWND minimised = CreateIn(probe, L"--caption \"Minimised probe\" --minimized");
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(minimised) != FALSE; }));

    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(Has(ruled, probe.Window()));
    EXPECT_FALSE(Has(ruled, minimised));
    EXPECT_FALSE(Has(snapped, minimised));

    const std::vector<HWND> list = CollectWindowList();
    EXPECT_TRUE(Has(list, minimised));
    EXPECT_TRUE(Has(list, probe.Window()));
    EXPECT_FALSE(pass.FPPMenuWinList);
    // Entries come in Z order with their accelerators, in step with the handle list.
    ASSERT_EQ(listed.size(), list.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].index, static_cast<int>(i));
        EXPECT_EQ(listed[i].window, list[i]);
    }
    const auto entry = std::find_if(listed.begin(), listed.end(),
                                    [&](const Entry& e) { return e.window == minimised; });
    ASSERT_NE(entry, listed.end());
    EXPECT_EQ(entry->caption, rules::WindowListCaption(entry->index, L"Minimised probe"));
}

TEST_F(WindowPassE2E, CountModeCountsOtherProgramsOrdinaryWindows) {
    Probe probe = Probe::Start(L"--caption \"Counted probe\"");
    const int before = CountOtherWindows();
    EXPECT_GE(before, 1);
    EXPECT_FALSE(pass.FWindowC);

    // Another ordinary probe window counts; hidden and minimised ones do not.
    CreateIn(probe, L"--caption \"Second probe\" --rect 220,180,300,200");
    CreateIn(probe, L"--caption \"Hidden probe\" --hidden");
    const HWND minimised = CreateIn(probe, L"--caption \"Minimised probe\" --minimized");
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(minimised) != FALSE; }));
    EXPECT_EQ(CountOtherWindows(), before + 1);

    // A window of this program itself (the test program) is not counted.
    const HWND own = CreateWindowExW(0, L"STATIC", L"Own window", WS_OVERLAPPEDWINDOW, 60, 60, 300,
                                     200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(own, SW_SHOWNOACTIVATE);
    EXPECT_EQ(CountOtherWindows(), before + 1);

    // Taking the probe's file name as our own (another folder, other letter case) turns it
    // round: the two probe windows drop out, the own window comes in.
    pass.settings.ownProgram = L"C:\\elsewhere\\PROBE.EXE";
    EXPECT_EQ(CountOtherWindows(), before + 1 - 2 + 1);
    DestroyWindow(own);
}

TEST_F(WindowPassE2E, OwnWindowsAreHandledButNeitherHiddenNorSwapped) {
    Probe probe = Probe::Start(L"--caption \"Other program\"");
    const HWND own = CreateWindowExW(0, L"STATIC", L"Own window", WS_OVERLAPPEDWINDOW, 60, 60, 300,
                                     200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(own, SW_SHOWNOACTIVATE);
    std::vector<HWND> hidden;
    std::vector<HWND> swapped;
    pass.targets.hideWindow = [&](HWND w, const std::wstring&, const std::wstring&,
                                  const std::wstring&,
                                  const common::XYWH&) { hidden.push_back(w); };
    pass.targets.swapDeskTop = [&](HWND w, const std::wstring&, const std::wstring&,
                                   const std::wstring&,
                                   const common::XYWH&) { swapped.push_back(w); };
    pass.FAllHide = true;
    pass.FDualDeskTop = true;
    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(Has(hidden, probe.Window()));
    EXPECT_TRUE(Has(swapped, probe.Window()));
    EXPECT_FALSE(Has(hidden, own));
    EXPECT_FALSE(Has(swapped, own));

    pass.Proc_MoveWindowMain();
    EXPECT_TRUE(Has(ruled, own));
    EXPECT_TRUE(Has(ruled, probe.Window()));
    DestroyWindow(own);
}

TEST_F(WindowPassE2E, ListModesOfferOtherProgramsOrdinaryWindows) {
    Probe probe = Probe::Start(L"--caption \"Listed probe\"");
    const HWND minimised = CreateIn(probe, L"--caption \"Minimised probe\" --minimized");
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(minimised) != FALSE; }));
    const HWND own = CreateWindowExW(0, L"STATIC", L"Own window", WS_OVERLAPPEDWINDOW, 60, 60, 300,
                                     200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(own, SW_SHOWNOACTIVATE);
    std::vector<HWND> editor;
    std::vector<HWND> direct;
    pass.targets.ruleEditorList = [&](HWND w, const std::wstring&, const std::wstring&,
                                      const std::wstring&,
                                      const common::XYWH&) { editor.push_back(w); };
    pass.targets.directEditorList = [&](HWND w, const std::wstring&, const std::wstring&,
                                        const std::wstring&,
                                        const common::XYWH&) { direct.push_back(w); };
    pass.FWindowList = true;
    pass.Proc_MoveWindowMain();
    pass.FWindowDirect = true;
    pass.Proc_MoveWindowMain();
    for (const auto* list : {&editor, &direct}) {
        EXPECT_TRUE(Has(*list, probe.Window()));
        EXPECT_FALSE(Has(*list, minimised));
        EXPECT_FALSE(Has(*list, own));
    }
    EXPECT_TRUE(ruled.empty()); // list modes hand nothing to the rules
    DestroyWindow(own);
}

TEST_F(WindowPassE2E, TaskbarClickModeMinimisesTheWindowsOfTheCursorsMonitor) {
    Probe probe = Probe::Start(L"--caption \"Minimise me\" --rect 100,100,400,300");
    const HWND offscreen = CreateIn(probe, L"--caption \"Far away\" --rect 5000,5000,300,200");
    ASSERT_TRUE(SetCursorPos(600, 500));
    pass.FTaskBarClk = true;
    pass.Proc_MoveWindowMain();
    EXPECT_FALSE(pass.FTaskBarClk);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(probe.Window()) != FALSE; }));
    // A window on no monitor is not touched.
    EXPECT_FALSE(IsIconic(offscreen));
}

// Two monitors side by side: #1 (0,0)-(1280,1024) and #2 (1280,0)-(2304,768). Their work areas
// are the whole monitors here.
class MultiMonitorWindowPass : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        win::Screen::Get().Refresh();
        const win::Screen& screen = win::Screen::Get();
        ASSERT_EQ(screen.MonitorCount(), 2);
        ASSERT_EQ(screen.WorkArea(0), (common::Rect{0, 0, 1280, 1024}));
        ASSERT_EQ(screen.WorkArea(1), (common::Rect{1280, 0, 2304, 768}));
        pass.settings.rulesEnabled = [] { return true; };
    }

    WindowPass pass;
};

TEST_F(MultiMonitorWindowPass, AllWindowsToOneMonitorKeepTheirProportions) {
    Probe probe = Probe::Start(L"--caption \"Left probe\" --rect 100,100,400,300");
    const HWND maximised = CreateIn(probe, L"--caption \"Maximised probe\" --maximized");
    const HWND positionFixed = CreateIn(probe, L"--caption \"Fixed\" --rect 200,200,300,200");
    const HWND sizeFixed = CreateIn(probe, L"--caption \"Sized\" --rect 100,100,400,300");
    const HWND onTarget = CreateIn(probe, L"--caption \"There\" --rect 1400,50,300,200");
    pass.targets.fixedPosSize = [&](HWND w, std::wstring& kind) {
        kind = w == positionFixed ? L"位置" : w == sizeFixed ? L"大きさ" : L"";
        return !kind.empty();
    };

    pass.FMonitorAll = true;
    pass.MMonitorAllC = 1;
    pass.Proc_MoveWindowMain();
    EXPECT_FALSE(pass.FMonitorAll);
    // x 1280 + 1024*100/1280, y 768*100/1024, size scaled by 1024/1280 and 768/1024.
    EXPECT_TRUE(WindowRectIs(probe.Window(), {1360, 75, 320, 225}));
    EXPECT_TRUE(WindowRectIs(sizeFixed, {1360, 75, 320, 225}));
    EXPECT_TRUE(WindowRectIs(positionFixed, {200, 200, 300, 200}));
    EXPECT_TRUE(WindowRectIs(onTarget, {1400, 50, 300, 200}));
    EXPECT_TRUE(IsZoomed(maximised));
    EXPECT_EQ(win::MonitorIndexOfWindow(maximised), 1) << Describe(maximised);
}

TEST_F(MultiMonitorWindowPass, SwapExchangesTheWindowsOfBothMonitors) {
    Probe probe = Probe::Start(L"--caption \"Left probe\" --rect 100,100,400,300");
    const HWND right = CreateIn(probe, L"--caption \"Right probe\" --rect 1380,100,400,300");
    const HWND positionFixed = CreateIn(probe, L"--caption \"Fixed\" --rect 200,200,300,200");
    pass.targets.fixedPosSize = [&](HWND w, std::wstring& kind) {
        kind = w == positionFixed ? L"位置大きさ" : L"";
        return !kind.empty();
    };

    pass.FMonitorSwap = true;
    pass.Proc_MoveWindowMain();
    EXPECT_FALSE(pass.FMonitorSwap);
    pass.Proc_MonitorSwapMove();
    EXPECT_TRUE(pass.MMonitorSwapList[0].empty());
    EXPECT_TRUE(pass.MMonitorSwapList[1].empty());
    EXPECT_TRUE(WindowRectIs(probe.Window(), {1360, 75, 320, 225}));
    // x 1280*100/1024 = 125, y 1024*100/768 = 133.3, size scaled by 1280/1024 and 1024/768.
    EXPECT_TRUE(WindowRectIs(right, {125, 133, 500, 400}));
    EXPECT_TRUE(WindowRectIs(positionFixed, {200, 200, 300, 200}));
}

} // namespace
} // namespace velmado::e2e
