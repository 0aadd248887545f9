#include "rules/window_exclusion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmado::rules {
namespace {

struct ExclusionCase {
    const char* name;
    std::wstring caption;
    std::wstring className;
    std::wstring program;
    bool queryable;
    bool coreFrame;
    SkipReason expected;
};

const std::wstring kEditor = L"C:\\Tools\\editor.exe";

TEST(PassSkipReasonTest, EveryExclusionInOrder) {
    const std::vector<ExclusionCase> cases = {
        {"ordinary window", L"Notes", L"EditorFrame", kEditor, true, false, SkipReason::None},
        {"text input service", L"", L"", L"C:\\Windows\\System32\\ctfmon.exe", true, false,
         SkipReason::InputService},
        {"untitled or invisible", L"", L"", L"", true, false, SkipReason::NoProgram},
        {"desktop", L"Program Manager", L"Progman", L"C:\\Windows\\explorer.exe", true, false,
         SkipReason::ProgramManager},
        {"slider", L"表示スライダー コントロール", L"ViewControlClass", kEditor, true, false,
         SkipReason::ShellPiece},
        {"drag image", L"Drag", L"SysDragImage", kEditor, true, false, SkipReason::ShellPiece},
        {"start button of any program", L"スタート", L"Button", kEditor, true, false,
         SkipReason::ShellPiece},
        {"start menu", L"スタート メニュー", L"DV2ControlHost", kEditor, true, false,
         SkipReason::ShellPiece},
        {"jump list", L"ジャンプ リスト", L"DV2ControlHost", kEditor, true, false,
         SkipReason::ShellPiece},
        {"network tool tip", L"View Available Networks (Tooltip)", L"VANUITooltip", kEditor, true,
         false, SkipReason::ShellPiece},
        {"caption of a shell piece with another class", L"Drag", L"EditorFrame", kEditor, true,
         false, SkipReason::None},
        {"elevated process", L"Notes", L"EditorFrame", kEditor, false, false,
         SkipReason::NotQueryable},
        {"capture window", L"AMD:CCC-AEMCapturingWindow", L"Any", L"D:\\ATI\\ccc.exe", true, false,
         SkipReason::CaptureWindow},
        {"capture caption of another program", L"AMD:CCC-AEMCapturingWindow", L"Any", kEditor, true,
         false, SkipReason::None},
        {"core window", L"Store", L"Windows.UI.Core.CoreWindow", kEditor, true, true,
         SkipReason::CoreWindow},
        {"hint window any case", L"tip", L"TMyHintWindow", kEditor, true, false,
         SkipReason::HintWindow},
        {"hint window lower case", L"tip", L"tooltips_hintwindow32", kEditor, true, false,
         SkipReason::HintWindow},
        {"overflow panel", L"x", L"TopLevelWindowForOverflowXamlIsland", kEditor, true, false,
         SkipReason::OverflowIsland},
        // Earlier reasons win over later ones.
        {"desktop of a process we may not query", L"Program Manager", L"Progman", kEditor, false,
         false, SkipReason::ProgramManager},
        {"hint window we may not query", L"tip", L"THintWindow", kEditor, false, false,
         SkipReason::NotQueryable},
    };
    for (const auto& c : cases) {
        WindowFacts facts{c.caption, c.className, c.program, [&] { return c.queryable; },
                          [&] { return c.coreFrame; }};
        EXPECT_EQ(PassSkipReason(facts), c.expected) << c.name;
    }
}

TEST(PassSkipReasonTest, ProcessIsNotQueriedForWindowsSkippedEarlier) {
    int queries = 0;
    WindowFacts facts{L"", L"", L"", [&] { return ++queries, true; }, [] { return false; }};
    EXPECT_EQ(PassSkipReason(facts), SkipReason::NoProgram);
    EXPECT_EQ(queries, 0);
}

TEST(IsSameProgramTest, ComparesFileNamesOnly) {
    EXPECT_TRUE(IsSameProgram(L"C:\\A\\Velmado.exe", L"D:\\other\\VELMADO.EXE"));
    EXPECT_TRUE(IsSameProgram(L"Z:/build/velmado.exe", L"C:\\Velmado.exe"));
    EXPECT_FALSE(IsSameProgram(L"C:\\A\\Velmado.exe", L"C:\\A\\Velmado_Admin.exe"));
    EXPECT_FALSE(IsSameProgram(L"C:\\A\\Velmado.exe", L""));
    EXPECT_EQ(ProgramFileName(L"C:\\x\\y.exe"), L"y.exe");
    EXPECT_EQ(ProgramFileName(L"y.exe"), L"y.exe");
}

} // namespace
} // namespace velmado::rules
