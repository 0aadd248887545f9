#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"
#include "rules/win/rule_engine.h"
#include "tests/e2e/harness.h"

namespace velmado::e2e {
namespace {

using rules::HandledPair;
using rules::HandleText;
using rules::Rule;
using rules::RuleEngine;

// The engine runs in the test process against probe windows, as the window pass would drive it.
class RuleEngineE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        top.emplace(ScratchFolder() + L"Top.log");
        trans.emplace(ScratchFolder() + L"Trans.log");
        engine.emplace(ruleList, *top, *trans);
        engine->hooks.actionFlash = [this] { ++flashes; };
    }

    // A rule for the probe's program and window class.
    Rule ProbeRule(const std::wstring& action, const std::wstring& className = L"VelmadoProbe") {
        Rule rule;
        rule[Rule::Program] = probeProgram;
        rule[Rule::ClassName] = className;
        rule[Rule::Action] = action;
        return rule;
    }
    static Rule& Place(Rule& rule, const std::wstring& left, const std::wstring& top,
                       const std::wstring& width, const std::wstring& height) {
        rule[Rule::Left] = left;
        rule[Rule::Top] = top;
        rule[Rule::Width] = width;
        rule[Rule::Height] = height;
        return rule;
    }

    Probe StartProbe(const std::wstring& options = L"--rect 100,100,400,300") {
        Probe probe = Probe::Start(options);
        probeProgram = win::GetWindowIdentity(probe.Window()).programPath;
        EXPECT_FALSE(probeProgram.empty());
        return probe;
    }

    // One window's turn in the pass.
    void Pass(HWND window) {
        const win::WindowIdentity id = win::GetWindowIdentity(window);
        engine->Proc_MoveWindow(window, id.programPath, id.caption, id.className,
                                win::GetWindowXYWH(window).value_or(common::XYWH{}));
    }

    bool HasPair(HWND window, std::size_t rule) const {
        const auto& pairs = engine->ListViewHandle();
        return std::find(pairs.begin(), pairs.end(), HandledPair{window, rule}) != pairs.end();
    }

    static std::string FileText(const std::wstring& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static bool Contains(const std::vector<std::wstring>& lines, const std::wstring& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    rules::RuleList ruleList;
    std::optional<rules::WindowStateList> top;
    std::optional<rules::WindowStateList> trans;
    std::optional<RuleEngine> engine;
    std::wstring probeProgram;
    int flashes = 0;
};

TEST_F(RuleEngineE2E, NormalRulePlacesTheWindowOnceAndRestoreResetsIt) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"50", L"60", L"500", L"350");

    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {50, 60, 500, 350}));
    EXPECT_TRUE(HasPair(w, 0));
    EXPECT_EQ(flashes, 1);

    // Handled: a user move stays.
    MoveWindow(w, 200, 210, 500, 350, TRUE);
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {200, 210, 500, 350}));

    // "復元" forgets the pair of the governing rule for the target only.
    const win::WindowIdentity id = win::GetWindowIdentity(w);
    engine->Proc_ResetFlag(true, {w, id.programPath, id.caption, id.className, {}});
    EXPECT_FALSE(HasPair(w, 0));
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {50, 60, 500, 350}));
}

TEST_F(RuleEngineE2E, BottomRightAnchorPlacesTheFarEdges) {
    Probe probe = StartProbe();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"(右下基準)900", L"(右下基準)700", L"400", L"250");
    Pass(probe.Window());
    EXPECT_TRUE(WindowRectIs(probe.Window(), {500, 450, 400, 250}));
}

TEST_F(RuleEngineE2E, NothingToChangeOrAMonitorWithoutWorkAreaIsRecordedAsHandled) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"100", L"100", L"400", L"300");
    Pass(w);
    EXPECT_TRUE(HasPair(w, 0));
    EXPECT_EQ(flashes, 0);

    engine->Proc_AllDeleteWindow();
    EXPECT_TRUE(engine->ListViewHandle().empty());
    std::vector<int> asked;
    engine->hooks.workAreaEnabled = [&](int monitor) {
        asked.push_back(monitor);
        return false;
    };
    Place(ruleList[0], L"20", L"30", L"", L"");
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {100, 100, 400, 300}));
    EXPECT_EQ(asked, std::vector<int>{0});
    EXPECT_TRUE(HasPair(w, 0));
}

TEST_F(RuleEngineE2E, ARuleFileLoadedWhileARuleActsKeepsItsOwnRulesUntouched) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    ruleList[0][Rule::Multiple] = L"しない";
    Place(ruleList[0], L"20", L"30", L"", L"");
    // Messages that come in while the window is moved load another rule file.
    engine->hooks.workAreaEnabled = [&](int) {
        rules::RuleList loaded(3, ruleList[0]);
        ruleList = std::move(loaded);
        engine->Proc_AllDeleteWindow();
        return true;
    };
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {20, 30, 400, 300}));
    EXPECT_FALSE(HasPair(w, 0)) << "a pair of the old list counted for the new one";
    for (const Rule& rule : ruleList) {
        EXPECT_TRUE(rule[Rule::Handle].empty()) << "the new list took the window";
    }
}

TEST_F(RuleEngineE2E, MaximiseRulePlacesThenMaximisesKeepingTheSize) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"最大化"));
    Place(ruleList[0], L"30", L"40", L"800", L"600");
    Pass(w);
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(w) != FALSE; })) << Describe(w);
    const WINDOWPLACEMENT placement = probe.Placement(w);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    const RECT& normal = placement.rcNormalPosition;
    EXPECT_EQ(normal.left, 30);
    EXPECT_EQ(normal.top, 40);
    EXPECT_EQ(normal.right - normal.left, 400);
    EXPECT_EQ(normal.bottom - normal.top, 300);
}

TEST_F(RuleEngineE2E, MinimiseAndCloseRules) {
    Probe probe = StartProbe();
    const HWND minimised = probe.Window();
    const HWND closed = probe.Create(L"--class VelmadoProbeClose --caption Closing");
    ASSERT_NE(closed, nullptr);
    ruleList.push_back(ProbeRule(L"最小化"));
    ruleList.push_back(ProbeRule(L"閉じる", L"VelmadoProbeClose"));

    Pass(minimised);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(minimised) != FALSE; })) << Describe(minimised);
    EXPECT_TRUE(HasPair(minimised, 0));

    Pass(closed);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(closed); })) << Describe(closed);
    EXPECT_TRUE(Contains(probe.Messages(closed), L"SYSCOMMAND 61536"));
    EXPECT_TRUE(HasPair(closed, 1));
}

TEST_F(RuleEngineE2E, KeyRulesReachTheWindow) {
    Probe probe = StartProbe();
    const HWND enter = probe.Window();
    const HWND chord = probe.Create(L"--class VelmadoProbeKeys --caption Keys");
    ASSERT_NE(chord, nullptr);
    ruleList.push_back(ProbeRule(L"[Enter]"));
    ruleList.push_back(ProbeRule(L"[キー]Ctrl+A", L"VelmadoProbeKeys"));

    Pass(enter);
    EXPECT_TRUE(WaitUntil([&] {
        const auto keys = probe.Keys(enter);
        return Contains(keys, L"KEYDOWN 13") && Contains(keys, L"KEYUP 13");
    })) << Utf8(probe.Request(L"keys " + HandleText(enter)));
    EXPECT_TRUE(HasPair(enter, 0));

    Pass(chord);
    std::vector<std::wstring> keys;
    EXPECT_TRUE(WaitUntil([&] {
        keys = probe.Keys(chord);
        return Contains(keys, L"KEYUP 17");
    })) << Utf8(probe.Request(L"keys " + HandleText(chord)));
    const auto at = [&](const wchar_t* line) {
        return std::find(keys.begin(), keys.end(), line) - keys.begin();
    };
    EXPECT_LT(at(L"KEYDOWN 17"), at(L"KEYDOWN 65"));
    EXPECT_LT(at(L"KEYDOWN 65"), at(L"KEYUP 65"));
    EXPECT_LT(at(L"KEYUP 65"), at(L"KEYUP 17"));
    EXPECT_TRUE(HasPair(chord, 1));
}

TEST_F(RuleEngineE2E, KeyTextThatNamesNoKeyDoesNothing) {
    Probe probe = StartProbe();
    ruleList.push_back(ProbeRule(L"[キー]NoSuchKey"));
    Pass(probe.Window());
    EXPECT_TRUE(engine->ListViewHandle().empty());
    EXPECT_EQ(flashes, 0);
}

TEST_F(RuleEngineE2E, PriorityRuleSetsTheProcessClass) {
    Probe probe = StartProbe();
    ruleList.push_back(ProbeRule(L"優先度：高"));
    Pass(probe.Window());
    EXPECT_EQ(probe.PriorityClass(), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    EXPECT_TRUE(HasPair(probe.Window(), 0));
}

TEST_F(RuleEngineE2E, OpacityRuleMakesTranslucentAndOpaqueAgain) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"半透明：50%"));
    Pass(w);
    EXPECT_EQ(probe.Request(L"opacity " + HandleText(w)), L"1 131 2");
    EXPECT_TRUE(trans->Contains(w));
    EXPECT_EQ(FileText(trans->LogPath()), Utf8(HandleText(w)) + "\r\n");

    ruleList[0][Rule::Action] = L"半透明：100%";
    engine->Proc_AllDeleteWindow();
    Pass(w);
    EXPECT_EQ(probe.Request(L"opacity " + HandleText(w)).substr(0, 2), L"0 ");
    EXPECT_EQ(trans->Windows(), std::vector<HWND>{w}) << "listed once";
}

TEST_F(RuleEngineE2E, TopmostRuleMakesTopmostAndListsTheWindow) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"10", L"10", L"", L"");
    ruleList[0][Rule::TopMost] = L"する";
    Pass(w);
    EXPECT_TRUE(win::IsTopmost(w));
    EXPECT_TRUE(top->Contains(w));
    EXPECT_EQ(FileText(top->LogPath()), Utf8(HandleText(w)) + "\r\n");
}

TEST_F(RuleEngineE2E, OneShotRunLeavesOutTopmostAndTheFlash) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    engine->hooks.resident = false;
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"10", L"10", L"", L"");
    ruleList[0][Rule::TopMost] = L"する";
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {10, 10, 400, 300}));
    EXPECT_FALSE(win::IsTopmost(w));
    EXPECT_EQ(flashes, 0);
}

TEST_F(RuleEngineE2E, FixedRuleMovesTheWindowBackEveryPass) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"70", L"80", L"", L"");
    ruleList[0][Rule::Fixed] = L"位置";

    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {70, 80, 400, 300}));
    EXPECT_TRUE(engine->ListViewHandle().empty());
    std::wstring kind;
    EXPECT_TRUE(engine->Func_FixedPosSize(w, kind));
    EXPECT_EQ(kind, L"位置");

    MoveWindow(w, 300, 320, 400, 300, TRUE);
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {70, 80, 400, 300}));

    ruleList[0].enabled = false;
    EXPECT_FALSE(engine->Func_FixedPosSize(w, kind)) << "a disabled rule fixes nothing";
}

TEST_F(RuleEngineE2E, OneWindowRuleTurnsOtherWindowsAway) {
    Probe probe = StartProbe();
    const HWND first = probe.Window();
    const HWND second = probe.Create(L"--rect 150,150,400,300 --caption Second");
    ASSERT_NE(second, nullptr);
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"20", L"20", L"", L"");
    ruleList[0][Rule::Multiple] = L"しない";

    Pass(first);
    EXPECT_TRUE(WindowRectIs(first, {20, 20, 400, 300}));
    EXPECT_EQ(ruleList[0][Rule::Handle], HandleText(first));
    Pass(second);
    EXPECT_TRUE(WindowRectIs(second, {150, 150, 400, 300}));
    EXPECT_TRUE(HasPair(second, 0));

    // The first window closes: the rule passes on, but the turned-away window stays untouched.
    EXPECT_EQ(probe.Request(L"destroy " + HandleText(first)), L"ok");
    engine->Proc_DeleteWindow();
    engine->Proc_DeleteWindow();
    EXPECT_EQ(ruleList[0][Rule::Handle], HandleText(second));
    EXPECT_FALSE(HasPair(first, 0));
    Pass(second);
    EXPECT_TRUE(WindowRectIs(second, {150, 150, 400, 300}));
}

TEST_F(RuleEngineE2E, MatchingRulesActInListOrder) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"[Enter]", L"Unrelated"));
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[1], L"40", L"50", L"", L"");
    ruleList.push_back(ProbeRule(L"[Enter]"));

    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {40, 50, 400, 300}));
    EXPECT_TRUE(WaitUntil([&] { return Contains(probe.Keys(w), L"KEYDOWN 13"); }));
    EXPECT_EQ(engine->ListViewHandle(), (std::vector<HandledPair>{{w, 1}, {w, 2}}));
}

TEST_F(RuleEngineE2E, DisabledWindowsAndDisabledRulesAreLeftAlone) {
    Probe probe = StartProbe();
    const HWND w = probe.Window();
    ruleList.push_back(ProbeRule(L"通常"));
    Place(ruleList[0], L"40", L"50", L"", L"");

    EnableWindow(w, FALSE);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(w) == FALSE; }));
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {100, 100, 400, 300}));
    EXPECT_TRUE(engine->ListViewHandle().empty());

    EnableWindow(w, TRUE);
    ruleList[0].enabled = false;
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {100, 100, 400, 300}));
    EXPECT_TRUE(engine->ListViewHandle().empty());

    ruleList[0].enabled = true;
    Pass(w);
    EXPECT_TRUE(WindowRectIs(w, {40, 50, 400, 300}));
}

TEST_F(RuleEngineE2E, MessageConditionLooksAtTheDialogsLastStaticText) {
    Probe probe = StartProbe(L"--dialog --caption Question --rect 100,100,300,200 --static "
                             L"\"変更を保存しますか？\"");
    const HWND asks = probe.Window();
    const HWND other = probe.Create(L"--dialog --caption Question --rect 110,110,300,200 "
                                    L"--static \"完了しました\"");
    const HWND button = probe.Create(L"--dialog --caption Question --rect 120,120,300,200 "
                                     L"--static \"変更を保存しますか？\" --button OK");
    ASSERT_NE(other, nullptr);
    ASSERT_NE(button, nullptr);
    ruleList.push_back(ProbeRule(L"通常", L"#32770"));
    Place(ruleList[0], L"10", L"20", L"", L"");
    ruleList[0][Rule::Message] = L"保存";

    Pass(asks);
    EXPECT_TRUE(WindowRectIs(asks, {10, 20, 300, 200}));
    Pass(other);
    EXPECT_TRUE(WindowRectIs(other, {110, 110, 300, 200}));
    Pass(button);
    EXPECT_TRUE(WindowRectIs(button, {120, 120, 300, 200}));
    EXPECT_EQ(engine->ListViewHandle(), (std::vector<HandledPair>{{asks, 0}}));
}

} // namespace
} // namespace velmado::e2e
