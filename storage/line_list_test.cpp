#include "storage/line_list.h"

#include <gtest/gtest.h>

namespace velmado::storage {
namespace {

using Lines = std::vector<std::wstring>;

TEST(LineList, EveryLineBreakStyleEndsALineAndLinesStayAsTheyAre) {
    const struct {
        std::wstring text;
        Lines lines;
    } cases[] = {
        {L"", {}},
        {L"a", {L"a"}},
        {L"a\r\n", {L"a"}},
        {L"a\r\nb", {L"a", L"b"}},
        {L"a\nb\rc\r\nd", {L"a", L"b", L"c", L"d"}},
        {L"\r\n", {L""}},
        {L"a\n\nb\r\r", {L"a", L"", L"b", L""}},
        {L"a\r\r\n", {L"a", L""}},
        {L"\n\r", {L"", L""}}, // LF then CR: two breaks, not one
        {L" ; not a comment \t\r\n[x]", {L" ; not a comment \t", L"[x]"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLines(c.text), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(LineList, EveryItemIsEndedByCrLf) {
    EXPECT_EQ(JoinLines(Lines{}), L"");
    EXPECT_EQ(JoinLines(Lines{L""}), L"\r\n");
    EXPECT_EQ(JoinLines(Lines{L"C:\\a.ibk", L"", L" b "}), L"C:\\a.ibk\r\n\r\n b \r\n");
}

TEST(LineList, ItemsRoundTripAndALineBreakInsideAnItemCannotSplitIt) {
    const Lines lines{L"1234", L"", L"  x  ", L"日本語"};
    EXPECT_EQ(ParseLines(JoinLines(lines)), lines);
    EXPECT_EQ(ParseLines(JoinLines(Lines{L"a\r\nb", L"c\nd"})), (Lines{L"a  b", L"c d"}));
}

TEST(LineList, AHugeLineIsOneItem) {
    const std::wstring huge(10 * 1024 * 1024, L'x');
    const Lines lines = ParseLines(huge + L"\r\n" + huge);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], huge);
    EXPECT_EQ(lines[1], huge);
}

} // namespace
} // namespace velmado::storage
