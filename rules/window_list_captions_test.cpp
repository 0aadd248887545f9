#include "rules/window_list_captions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmado::rules {
namespace {

TEST(WindowListCaptionTest, AcceleratorsOfTheFirst35Entries) {
    const std::vector<std::pair<int, std::wstring>> cases = {
        {0, L"(&1)Editor"},  {8, L"(&9)Editor"}, {9, L"(&A)Editor"},
        {34, L"(&Z)Editor"}, {35, L"Editor"},    {99, L"Editor"},
    };
    for (const auto& [index, expected] : cases) {
        EXPECT_EQ(WindowListCaption(index, L"Editor"), expected) << index;
    }
}

TEST(WindowListCaptionTest, CutTo64CharactersAcceleratorIncluded) {
    const std::wstring eighty(80, L'x');
    EXPECT_EQ(WindowListCaption(0, eighty), L"(&1)" + std::wstring(60, L'x'));
    EXPECT_EQ(WindowListCaption(40, eighty), std::wstring(64, L'x'));
    EXPECT_EQ(WindowListCaption(40, std::wstring(64, L'y')), std::wstring(64, L'y'));
    EXPECT_EQ(WindowListCaption(3, L""), L"(&4)");
}

TEST(WindowListCaptionTest, NeverSplitsASurrogatePair) {
    // U+1F600 as UTF-16: D83D DE00, placed across the cut.
    std::wstring caption(59, L'a');
    caption += static_cast<wchar_t>(0xD83D);
    caption += static_cast<wchar_t>(0xDE00);
    caption += L"tail";
    EXPECT_EQ(WindowListCaption(0, caption), L"(&1)" + std::wstring(59, L'a'));
}

TEST(WindowListCaptionTest, AmpersandsOfTheWindowShowAsWritten) {
    EXPECT_EQ(WindowListCaption(0, L"Tom & Jerry"), L"(&1)Tom && Jerry");
    EXPECT_EQ(WindowListCaption(50, L"&&"), L"&&&&");
    // The cut counts the caption as written, before doubling.
    const std::wstring caption = std::wstring(59, L'a') + L"&&&";
    EXPECT_EQ(WindowListCaption(0, caption), L"(&1)" + std::wstring(59, L'a') + L"&&");
}

} // namespace
} // namespace velmado::rules
