#include "common/text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velmado::common {
namespace {

TEST(SafeStrToInt, ReadsDecimalAndHexadecimalAndGivesZeroForNonNumbers) {
    const struct {
        std::wstring text;
        std::int32_t expected;
    } cases[] = {
        {L"0", 0},
        {L"123", 123},
        {L"-123", -123},
        {L"+42", 42},
        {L"  17", 17},
        {L"$1F", 31},
        {L"0x1f", 31},
        {L"0X1F", 31},
        {L"-$10", -16},
        {L"2147483647", 2147483647},
        {L"-2147483648", INT32_MIN},
        // Low 32 bits of the 64-bit value: window handles written by a 64-bit build read back.
        {L"4294967295", -1},
        {L"4294967296", 0},
        {L"4294967298", 2},
        {L"9223372036854775807", -1},
        {L"-9223372036854775808", 0},
        {L"$FFFFFFFFFFFFFFFF", -1},
        {L"0x80000001", INT32_MIN + 1},
        // Not numbers.
        {L"", 0},
        {L" ", 0},
        {L"-", 0},
        {L"$", 0},
        {L"0x", 0},
        {L"12a", 0},
        {L"12 ", 0},
        {L"1.5", 0},
        {L"abc", 0},
        {L"0x1G", 0},
        {L"--1", 0},
        {L"9223372036854775808", 0},
        {L"-9223372036854775809", 0},
        {L"$10000000000000000", 0},
        {L"\xFF11\xFF12", 0}, // full-width digits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SafeStrToInt(c.text), c.expected)
            << "text \"" << std::string(c.text.begin(), c.text.end()) << "\"";
    }
}

TEST(Ampersands, EscapeTurnsEachAmpersandIntoTheEscapedForm) {
    EXPECT_EQ(EscapeAmpersands(L"A&B"), L"A&&,B");
    EXPECT_EQ(EscapeAmpersands(L"&&"), L"&&,&&,");
    EXPECT_EQ(EscapeAmpersands(L"plain text"), L"plain text");
    EXPECT_EQ(EscapeAmpersands(L""), L"");
    EXPECT_EQ(UnescapeAmpersands(L"A&&,B"), L"A&B");
    EXPECT_EQ(UnescapeAmpersands(L"plain text"), L"plain text");
}

TEST(Ampersands, UnescapeIsTheExactInverseOfEscape) {
    // Texts that themselves hold the escaped form, or where undoing one would form another.
    const std::wstring texts[] = {
        L"A&&,B",     L"&&,", L"&&,&&,", L"&,",      L"&&",      L"&&&", L"a&,&,b",
        L"R&&,D.ibk", L"&",   L",&&,,",  L"x&&&,,y", L"&&&&,,,", L"",    L"\x30d5&\x30a1",
    };
    for (const std::wstring& text : texts) {
        EXPECT_EQ(UnescapeAmpersands(EscapeAmpersands(text)), text)
            << "escaped: " << std::string(text.begin(), text.end());
    }
}

TEST(Ampersands, UnescapeUndoesOnlyOneLevel) {
    // Repeating the replacement would turn these into "&" and corrupt the text.
    EXPECT_EQ(UnescapeAmpersands(L"&&,&,"), L"&&,");
    EXPECT_EQ(UnescapeAmpersands(L"&&&,,"), L"&&,");
    EXPECT_EQ(UnescapeAmpersands(L"a&b&,c"), L"a&b&,c");
}

TEST(TextHelpers, PositionsAndTrimming) {
    EXPECT_EQ(LastCharPos(L'.', L"a.b.c"), 4u);
    EXPECT_EQ(LastCharPos(L'.', L".x"), 1u);
    EXPECT_EQ(LastCharPos(L'.', L"abc"), 0u);
    EXPECT_EQ(LastCharPos(L'.', L""), 0u);

    EXPECT_EQ(TrimAtNull(std::wstring(L"ab\0cd", 5)), L"ab");
    EXPECT_EQ(TrimAtNull(L"abc"), L"abc");
    EXPECT_EQ(TrimAtNull(std::wstring(L"\0x", 2)), L"");
    EXPECT_EQ(TrimAtNullRight(std::wstring(L"C:\\Users \t \0junk  ", 18)), L"C:\\Users");
    EXPECT_EQ(TrimAtNullRight(L"  lead"), L"  lead");

    EXPECT_TRUE(EqualIgnoringAsciiCase(L"C:\\Windows", L"c:\\WINDOWS"));
    EXPECT_FALSE(EqualIgnoringAsciiCase(L"abc", L"abcd"));
    EXPECT_FALSE(EqualIgnoringAsciiCase(L"[", L"{")); // not letters
}

TEST(TextHelpers, SlashesOfNodePaths) {
    EXPECT_EQ(WithTrailingSlash(L"a/b"), L"a/b/");
    EXPECT_EQ(WithTrailingSlash(L"a/b/"), L"a/b/");
    EXPECT_EQ(WithTrailingSlash(L""), L"/");
    EXPECT_TRUE(CharIsSlash(L"a/b", 2));
    EXPECT_FALSE(CharIsSlash(L"a/b", 1));
    EXPECT_TRUE(CharIsSlash(L"/", 1));
    EXPECT_FALSE(CharIsSlash(L"a/b", 0));
    EXPECT_FALSE(CharIsSlash(L"a/b", 4));
    EXPECT_FALSE(CharIsSlash(L"", 1));
}

} // namespace
} // namespace velmado::common
