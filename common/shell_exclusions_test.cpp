#include "common/shell_exclusions.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmado::common {
namespace {

TEST(ShellExclusionsTest, EveryColumnOfARowMustMatch) {
    const std::wstring explorer = L"C:\\Windows\\explorer.exe";
    const std::wstring notepad = L"C:\\Windows\\notepad.exe";
    struct Case {
        std::wstring caption, className, program;
        bool excluded;
    };
    const std::vector<Case> cases = {
        {L"表示スライダー コントロール", L"ViewControlClass", notepad, true},
        {L"Drag", L"SysDragImage", notepad, true},
        {L"スタート", L"Button", explorer, true},
        {L"スタート", L"Button", L"C:\\WINDOWS\\EXPLORER.EXE", true},
        {L"スタート", L"Button", L"explorer.exe", true},
        {L"スタート メニュー", L"DV2ControlHost", notepad, true},
        {L"View Available Networks (Tooltip)", L"VANUITooltip", L"", true},
        {L"ジャンプ リスト", L"DV2ControlHost", explorer, true},
        // The start button only counts when the shell itself owns it.
        {L"スタート", L"Button", notepad, false},
        {L"スタート", L"Button", L"C:\\Tools\\myexplorer.exe", false},
        {L"スタート", L"Button", L"", false},
        // Captions and classes compare exactly.
        {L"drag", L"SysDragImage", notepad, false},
        {L"Drag", L"sysdragimage", notepad, false},
        {L"Drag ", L"SysDragImage", notepad, false},
        {L"ジャンプ リスト", L"ViewControlClass", explorer, false},
        {L"", L"", L"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsShellOwnWindow(c.caption, c.className, c.program), c.excluded)
            << "class " << std::string(c.className.begin(), c.className.end());
    }
}

} // namespace
} // namespace velmado::common
