#include "commands/window_menu_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

using velmado::commands::ApplyWindowMenuFacts;
using velmado::commands::BuildWindowMenu;
using velmado::commands::WindowMenuArrays;
using velmado::commands::WindowMenuFacts;
using velmado::ui::MenuItem;

namespace {

class WindowMenuState : public ::testing::Test {
protected:
    void SetUp() override {
        arrays = BuildWindowMenu(root);
        facts = OrdinaryTarget();
    }
    // An ordinary window of an existing program on Windows 10 with user account control, opened
    // by a hotkey, one rule matching and enabled.
    static WindowMenuFacts OrdinaryTarget() {
        WindowMenuFacts f;
        f.hasTarget = true;
        f.program = L"C:\\Tools\\editor.exe";
        f.caption = L"無題 - エディタ";
        f.openedByHook = true;
        f.programFileExists = true;
        f.version = {10, 0, 19045};
        f.uacEnabled = true;
        f.ruleCount = 3;
        f.matchingRule = 1;
        f.matchingRuleEnabled = true;
        return f;
    }
    MenuItem& Named(const wchar_t* name) {
        MenuItem* item = root.Find(name);
        EXPECT_NE(item, nullptr) << "missing";
        return item != nullptr ? *item : root;
    }
    void Apply() { ApplyWindowMenuFacts(root, arrays, facts); }
    // What the root shows, separators as "-".
    std::vector<std::wstring> Shown() {
        std::vector<std::wstring> shown;
        for (std::size_t i = 0; i < root.Count(); ++i) {
            if (root.At(i).visible) {
                shown.push_back(root.At(i).IsSeparator() ? L"-" : root.At(i).name);
            }
        }
        return shown;
    }
    // The placement commands that can be chosen, by number.
    std::set<int> EnabledPlacements() const {
        std::set<int> enabled;
        for (const MenuItem* item : arrays.MPPWin) {
            if (item->enabled) {
                enabled.insert(item->tag);
            }
        }
        return enabled;
    }

    MenuItem root;
    WindowMenuArrays arrays;
    WindowMenuFacts facts;
};

const std::set<int> kAllPlacements = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                      12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};

} // namespace

TEST_F(WindowMenuState, WithoutTargetOnlyTheWindowListShows) {
    facts = {};
    facts.version = {10, 0, 19045};
    facts.uacEnabled = true;
    Apply();
    EXPECT_EQ(Shown(), std::vector<std::wstring>{L"PPWindowList"});
}

TEST_F(WindowMenuState, WithTargetTheCommandsShowWithTidySeparators) {
    Apply();
    EXPECT_EQ(Shown(), (std::vector<std::wstring>{L"PPName",
                                                  L"-",
                                                  L"PPMon",
                                                  L"PPPos",
                                                  L"PPSize",
                                                  L"PPPosSize",
                                                  L"PPUndo",
                                                  L"PPHis",
                                                  L"-",
                                                  L"PPBottom",
                                                  L"PPWindowMenu",
                                                  L"PPMoving",
                                                  L"PPSizing",
                                                  L"PPHide",
                                                  L"PPTransWin",
                                                  L"PPTaskTray",
                                                  L"PPMinTray",
                                                  L"PPTop",
                                                  L"PPPriority",
                                                  L"-",
                                                  L"PPFolder",
                                                  L"PPExecute",
                                                  L"PPExecuteAdmin",
                                                  L"PPReExecuteAdmin",
                                                  L"-",
                                                  L"PPWindowSave",
                                                  L"PPWindowLoad",
                                                  L"PPWindowCheck"}));
    for (const MenuItem* item : arrays.MPPWin) {
        EXPECT_TRUE(item->visible);
    }
    // The unnamed monitor entries are hidden, so is the separator above "このモニタ".
    const MenuItem& monitor = Named(L"PPMon");
    EXPECT_FALSE(monitor.At(10).visible);
    EXPECT_TRUE(Named(L"PPMon10").visible);

    // No program file: the whole folder group goes, with its separator.
    facts.programFileExists = false;
    Apply();
    const std::vector<std::wstring> shown = Shown();
    for (std::size_t i = 1; i < shown.size(); ++i) {
        EXPECT_FALSE(shown[i] == L"-" && shown[i - 1] == L"-") << i;
    }
    EXPECT_EQ(std::count(shown.begin(), shown.end(), L"PPFolder"), 0);
}

TEST_F(WindowMenuState, VisibilityFollowsTheWindowTheOpeningAndTheSystem) {
    struct Case {
        const char* what;
        std::function<void(WindowMenuFacts&)> change;
        // PPMoving, PPTop, PPShade, PPFolder, PPExecute, PPExecuteAdmin, PPPriority
        std::vector<bool> visible;
    };
    const Case cases[] = {
        {"ordinary", [](WindowMenuFacts&) {}, {true, true, false, true, true, true, true}},
        {"maximised",
         [](WindowMenuFacts& f) { f.maximized = true; },
         {false, true, false, true, true, true, true}},
        {"from the tray icon",
         [](WindowMenuFacts& f) { f.openedByHook = false; },
         {true, false, false, true, true, true, true}},
        {"shade option",
         [](WindowMenuFacts& f) { f.shadeOption = true; },
         {true, true, true, true, true, true, true}},
        {"shade option from the tray icon",
         [](WindowMenuFacts& f) {
             f.shadeOption = true;
             f.openedByHook = false;
         },
         {true, false, false, true, true, true, true}},
        {"program file gone",
         [](WindowMenuFacts& f) { f.programFileExists = false; },
         {true, true, false, false, false, false, true}},
        {"app frame host",
         [](WindowMenuFacts& f) { f.program = L"C:\\Windows\\System32\\ApplicationFrameHost.exe"; },
         {true, true, false, true, false, false, true}},
        {"no account control",
         [](WindowMenuFacts& f) { f.uacEnabled = false; },
         {true, true, false, true, true, false, true}},
        {"Windows XP",
         [](WindowMenuFacts& f) {
             f.version = {5, 1, 2600};
         },
         {true, true, false, true, true, false, true}},
        {"Windows 98",
         [](WindowMenuFacts& f) {
             f.version = {4, 10, 2222};
         },
         {true, true, false, true, true, false, false}},
    };
    const wchar_t* names[] = {L"PPMoving",  L"PPTop",          L"PPShade",   L"PPFolder",
                              L"PPExecute", L"PPExecuteAdmin", L"PPPriority"};
    for (const Case& c : cases) {
        facts = OrdinaryTarget();
        c.change(facts);
        Apply();
        for (std::size_t i = 0; i < std::size(names); ++i) {
            EXPECT_EQ(Named(names[i]).visible, c.visible[i]) << c.what << " " << i;
        }
        EXPECT_EQ(Named(L"PPSizing").visible, Named(L"PPMoving").visible) << c.what;
        EXPECT_EQ(Named(L"PPReExecuteAdmin").visible, Named(L"PPExecuteAdmin").visible) << c.what;
    }
}

TEST_F(WindowMenuState, RegisteringIsOfferedBelowTheRuleLimit) {
    facts.ruleCount = 1000;
    Apply();
    EXPECT_TRUE(Named(L"PPWindowSave").enabled);
    facts.ruleCount = 1001;
    Apply();
    EXPECT_FALSE(Named(L"PPWindowSave").enabled);
}

TEST_F(WindowMenuState, TheRuleSwitchAndTheFixedKindDecideTheCommands) {
    struct Case {
        const char* what;
        int rule;
        bool ruleEnabled;
        bool rulesOn;
        std::wstring kind;
        bool checkEnabled, checked, loadEnabled;
        std::set<int> placements;
        bool pos, size, posSize;
    };
    const std::set<int> positions = {2, 3, 4, 5, 6, 12, 13, 14, 15};
    const std::set<int> steps = {7, 8, 9, 10};
    const Case cases[] = {
        {"no rule", -1, false, true, L"", false, false, false, kAllPlacements, true, true, true},
        {"rule, not fixed", 0, true, true, L"", true, true, true, kAllPlacements, true, true, true},
        {"both fixed", 0, true, true, L"位置大きさ", true, true, false, {}, false, false, false},
        {"size fixed", 0, true, true, L"大きさ", true, true, false, positions, true, false, false},
        {"position fixed", 0, true, true, L"位置", true, true, false, steps, false, true, false},
        {"fixed rule switched off", 0, false, true, L"位置大きさ", true, false, false,
         kAllPlacements, true, true, true},
        {"rules off", 0, true, false, L"位置大きさ", false, false, false, kAllPlacements, true,
         true, true},
    };
    for (const Case& c : cases) {
        facts.matchingRule = c.rule;
        facts.matchingRuleEnabled = c.ruleEnabled;
        facts.rulesEnabled = c.rulesOn;
        facts.fixedKind = c.kind;
        Apply();
        const MenuItem& check = Named(L"PPWindowCheck");
        EXPECT_EQ(check.enabled, c.checkEnabled) << c.what;
        EXPECT_EQ(check.Checked(), c.checked) << c.what;
        EXPECT_EQ(Named(L"PPWindowLoad").enabled, c.loadEnabled) << c.what;
        EXPECT_EQ(EnabledPlacements(), c.placements) << c.what;
        EXPECT_EQ(Named(L"PPPos").enabled, c.pos) << c.what;
        EXPECT_EQ(Named(L"PPSize").enabled, c.size) << c.what;
        EXPECT_EQ(Named(L"PPPosSize").enabled, c.posSize) << c.what;
        EXPECT_TRUE(Named(L"PPBottom").enabled) << c.what;
        EXPECT_TRUE(Named(L"PPFolder").enabled) << c.what;
    }
}

TEST_F(WindowMenuState, CaptionsNameTheTargetItsMonitorAndItsState) {
    facts.program = L"C:\\R&D\\app.exe";
    facts.caption = L"Q&A";
    Apply();
    EXPECT_EQ(Named(L"PPName").caption, L"C:\\R&&D\\app.exe 【Q&&A】");
    EXPECT_EQ(Named(L"PPTop").caption, L"常に手前に表示(&A)");
    EXPECT_EQ(Named(L"PPMon").caption, L"モニタ #1") << "the monitor entries have no names yet";
    EXPECT_EQ(Named(L"PPUndo").caption, L"元に戻す(&D)");
    EXPECT_FALSE(Named(L"PPUndo").enabled);
    EXPECT_FALSE(Named(L"PPMinTray").Checked());

    facts.topmost = true;
    facts.monitorIndex = 2;
    arrays.MPPMon[2]->caption = L"#3 1280x1024";
    facts.undoCaption = L"左上1/4(&5)";
    facts.minimizedToTrayListed = true;
    Apply();
    EXPECT_EQ(Named(L"PPTop").caption, L"常に手前に表示を解除(&A)");
    EXPECT_EQ(Named(L"PPMon").caption, L"モニタ #3 1280x1024");
    EXPECT_TRUE(arrays.MPPMon[2]->Checked());
    EXPECT_FALSE(arrays.MPPMon[0]->Checked());
    EXPECT_EQ(Named(L"PPUndo").caption, L"元に戻す(&D) - 左上1/4");
    EXPECT_TRUE(Named(L"PPUndo").enabled);
    EXPECT_TRUE(Named(L"PPMinTray").Checked());
}
