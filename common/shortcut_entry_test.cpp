#include "common/shortcut_entry.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(ShortcutEntryText, OnlyCompleteCombinationsWithAModifierSurvive) {
    const Modifiers none, ctrl{false, true, false}, ctrlAlt{false, true, true},
        all{true, true, true}, shift{true, false, false};
    const struct {
        int key;
        Modifiers modifiers;
        std::wstring expected;
    } cases[] = {
        {0x70, ctrlAlt, L"Ctrl+Alt+F1"},
        {0x41, all, L"Shift+Ctrl+Alt+A"},
        {0x25, shift, L"Shift+Left"},
        {0x6B, ctrl, L"Ctrl+Num +"},
        {0x41, none, L""}, // a key alone
        {0x11, ctrl, L""}, // Ctrl alone
        {0x10, all, L""},  // Shift with the others held
        {0xA2, ctrl, L""}, // left Ctrl
        {0x1B, ctrl, L""}, // Esc
        {0x1B, none, L""},
        {0xFF, ctrl, L""}, // a key without a name
        {0, ctrl, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortcutEntryText(c.key, c.modifiers), c.expected) << "key " << c.key;
    }
}

} // namespace
} // namespace velmado::common
