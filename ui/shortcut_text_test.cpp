#include "ui/shortcut_text.h"

#include <gtest/gtest.h>

#include <set>

using velmado::ui::KeyName;
using velmado::ui::MakeShortCut;
using velmado::ui::ShortCut;
using velmado::ui::ShortCutToText;
using velmado::ui::TextToShortCut;

TEST(ShortCutText, NamesTheKeysOfTheHotkeyControls) {
    const struct {
        ShortCut shortCut;
        const wchar_t* text;
    } cases[] = {
        {MakeShortCut(0x70, false, true, true), L"Ctrl+Alt+F1"},
        {MakeShortCut(0x87, false, false, false), L"F24"},
        {MakeShortCut(0x0D, true, false, false), L"Shift+Enter"},
        {MakeShortCut('A', false, true, false), L"Ctrl+A"},
        {MakeShortCut('7', true, true, true), L"Shift+Ctrl+Alt+7"},
        {MakeShortCut(0x1B, false, false, true), L"Alt+Esc"},
        {MakeShortCut(0x08, false, true, false), L"Ctrl+BkSp"},
        {MakeShortCut(0x21, false, true, false), L"Ctrl+PgUp"},
        {MakeShortCut(0x22, false, true, false), L"Ctrl+PgDn"},
        {MakeShortCut(0x25, false, false, true), L"Alt+Left"},
        {MakeShortCut(0x28, true, false, false), L"Shift+Down"},
        {MakeShortCut(0x2D, false, true, false), L"Ctrl+Ins"},
        {MakeShortCut(0x2E, false, true, true), L"Ctrl+Alt+Del"},
        {MakeShortCut(0x60, false, true, false), L"Ctrl+Num 0"},
        {MakeShortCut(0x69, false, true, false), L"Ctrl+Num 9"},
        {MakeShortCut(0x6B, false, true, false), L"Ctrl+Num +"},
        {MakeShortCut(0xBC, false, true, false), L"Ctrl+,"},
        {MakeShortCut(0xBD, false, true, false), L"Ctrl+-"},
        {MakeShortCut(0xDC, false, true, false), L"Ctrl+\\"},
        {MakeShortCut(0xAD, false, true, false), L"Ctrl+VK_AD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
}

TEST(ShortCutText, EveryKeyRoundTripsWithEveryModifierSetAndHasItsOwnName) {
    std::set<std::wstring> names;
    for (int key = 1; key < 0xFF; ++key) {
        const std::wstring name = KeyName(key);
        ASSERT_FALSE(name.empty()) << key;
        EXPECT_TRUE(names.insert(name).second) << "duplicate name for key " << key;
        for (int modifiers = 0; modifiers < 8; ++modifiers) {
            const ShortCut shortCut =
                MakeShortCut(key, (modifiers & 1) != 0, (modifiers & 2) != 0, (modifiers & 4) != 0);
            EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut)
                << key << " " << modifiers;
        }
    }
}

TEST(ShortCutText, ReadsLooseTextAsTheCanonicalForm) {
    const ShortCut ctrlAltF1 = MakeShortCut(0x70, false, true, true);
    EXPECT_EQ(TextToShortCut(L"Alt+Ctrl+F1"), ctrlAltF1);
    EXPECT_EQ(TextToShortCut(L"^Alt+F1"), ctrlAltF1);
    EXPECT_EQ(TextToShortCut(L"ctrl+ALT+f1"), ctrlAltF1);
    EXPECT_EQ(TextToShortCut(L"  Ctrl+Alt+F1 "), ctrlAltF1);
    EXPECT_EQ(TextToShortCut(L"shift+enter"), MakeShortCut(0x0D, true, false, false));
    // Digits written by older settings name the main digit keys.
    EXPECT_EQ(TextToShortCut(L"Ctrl+5"), MakeShortCut('5', false, true, false));
    EXPECT_EQ(TextToShortCut(L"num 5"), MakeShortCut(0x65, false, false, false));
}

TEST(ShortCutText, TextWithoutAKeyGivesNoShortCut) {
    for (const wchar_t* text :
         {L"", L"   ", L"Ctrl+", L"Shift+Ctrl+Alt+", L"^", L"Ctrl+F25", L"Ctrl+Foo", L"Ctrl+A+B",
          L"Ctrl+Alt", L"F0", L"Ctrl++", L"VK_00", L"VK_FF", L"Win+A"}) {
        EXPECT_EQ(TextToShortCut(text), 0) << text;
    }
    EXPECT_EQ(ShortCutToText(0), L"");
    EXPECT_EQ(ShortCutToText(velmado::ui::kShortCutCtrl), L"");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0xFF, false, true, false)), L"");
}
