#include "storage/text_codec.h"

#include "storage/latin1_code_page.h"

#include <gtest/gtest.h>

#include <random>

namespace velmado::storage {
namespace {

const Latin1CodePage kAnsi;
constexpr wchar_t kFffd = static_cast<wchar_t>(0xFFFD);

// U+1F600 as its UTF-16 pair, spelled out because wchar_t is 32 bits on Linux.
const std::wstring kSmiley{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

TEST(TextCodec, ByteOrderMarkChoosesTheEncodingAndIsNotPartOfTheText) {
    const struct {
        std::string bytes;
        Encoding unmarked;
        std::wstring text;
        Encoding encoding;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "a\xC3\xA9",
         Encoding::Ansi, L"a\u00E9", Encoding::Utf8},
        {Bytes({0xFF, 0xFE, 'a', 0, 0xE5, 0x65}), Encoding::Ansi, L"a\u65E5", Encoding::Utf16LE},
        {Bytes({0xFE, 0xFF, 0, 'a', 0x65, 0xE5}), Encoding::Ansi, L"a\u65E5", Encoding::Utf16BE},
        {"a\xE9", Encoding::Ansi, L"a\u00E9", Encoding::Ansi},
        // An owner that names UTF-16LE reads files with and without the mark.
        {Bytes({'a', 0, 0xE5, 0x65}), Encoding::Utf16LE, L"a\u65E5", Encoding::Utf16LE},
        {Bytes({0xFF, 0xFE, 'a', 0}), Encoding::Utf16LE, L"a", Encoding::Utf16LE},
        // A different mark still wins, so a profile saved as UTF-8 elsewhere stays readable.
        {"\xEF\xBB\xBF"
         "a",
         Encoding::Utf16LE, L"a", Encoding::Utf8},
        // A mark alone is an empty text of that encoding.
        {"\xEF\xBB\xBF", Encoding::Ansi, L"", Encoding::Utf8},
        {Bytes({0xFF, 0xFE}), Encoding::Ansi, L"", Encoding::Utf16LE},
        {"", Encoding::Ansi, L"", Encoding::Ansi},
        // A partial mark is ordinary ANSI text.
        {"\xEF\xBB", Encoding::Ansi, L"\u00EF\u00BB", Encoding::Ansi},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = DecodeText(c.bytes, kAnsi, c.unmarked);
        EXPECT_EQ(decoded.text, c.text) << testing::PrintToString(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding) << testing::PrintToString(c.bytes);
    }
}

TEST(TextCodec, DamagedUtf8DecodesAsFarAsPossible) {
    const std::wstring r(1, kFffd);
    const struct {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"\xF0\x9F\x98\x80", kSmiley},
        {"a\x80"
         "b",
         L"a" + r + L"b"},
        {"\xC0\xAF", r + r},                 // overlong '/'
        {"\xE0\x80\x80", r + r + r},         // overlong NUL
        {"\xED\xA0\x80", r + r + r},         // an encoded surrogate
        {"\xF4\x90\x80\x80", r + r + r + r}, // above U+10FFFF
        {"\xE6\x97"
         "A",
         r + L"A"},          // truncated sequence, one replacement
        {"\xE6\x97", r},     // truncated at the end
        {"\xFF\xFE", r + r}, // bytes that never occur in UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + c.bytes, kAnsi).text, c.text)
            << testing::PrintToString(c.bytes);
    }
}

TEST(TextCodec, DamagedUtf16DecodesAsFarAsPossible) {
    // Odd byte count: the last byte becomes one replacement.
    EXPECT_EQ(DecodeText(Bytes({0xFF, 0xFE, 'a', 0, 'b'}), kAnsi).text, std::wstring(L"a") + kFffd);
    // Lone low and high surrogates, and a high one at the very end.
    const std::wstring expected{kFffd, L'a', kFffd, L'b', kFffd};
    EXPECT_EQ(
        DecodeText(Bytes({0xFF, 0xFE, 0x00, 0xDC, 'a', 0, 0x3D, 0xD8, 'b', 0, 0x3D, 0xD8}), kAnsi)
            .text,
        expected);
    // A proper pair, big-endian.
    EXPECT_EQ(DecodeText(Bytes({0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00}), kAnsi).text, kSmiley);
}

TEST(TextCodec, EncodingWritesTheRightMark) {
    const std::wstring text = L"a\u65E5";
    EXPECT_EQ(EncodeText(text, Encoding::Utf16LE, kAnsi), Bytes({0xFF, 0xFE, 'a', 0, 0xE5, 0x65}));
    EXPECT_EQ(EncodeText(text, Encoding::Utf16BE, kAnsi), Bytes({0xFE, 0xFF, 0, 'a', 0x65, 0xE5}));
    EXPECT_EQ(EncodeText(text, Encoding::Utf8, kAnsi), "\xEF\xBB\xBF"
                                                       "a\xE6\x97\xA5");
    EXPECT_EQ(EncodeText(text, Encoding::Utf8, kAnsi, ByteOrderMark::Omit), "a\xE6\x97\xA5");
    EXPECT_EQ(EncodeText(L"a\u00E9", Encoding::Ansi, kAnsi), "a\xE9");
    EXPECT_EQ(EncodeText(L"", Encoding::Utf16LE, kAnsi), Bytes({0xFF, 0xFE}));
}

TEST(TextCodec, SurrogatesAreEncodedAsPairsAndLoneOnesAsReplacement) {
    EXPECT_EQ(EncodeText(kSmiley, Encoding::Utf8, kAnsi, ByteOrderMark::Omit), "\xF0\x9F\x98\x80");
    const std::wstring lone{L'a', static_cast<wchar_t>(0xD800), L'b'};
    EXPECT_EQ(EncodeText(lone, Encoding::Utf8, kAnsi, ByteOrderMark::Omit), "a\xEF\xBF\xBD"
                                                                            "b");
    EXPECT_EQ(EncodeText(lone, Encoding::Utf16LE, kAnsi, ByteOrderMark::Omit),
              Bytes({'a', 0, 0xFD, 0xFF, 'b', 0}));
}

TEST(TextCodec, UnicodeEncodingsRoundTrip) {
    const std::wstring text = L"設定 [Window]\r\nKey=\u00E9\u0000x" + kSmiley;
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        const DecodedText decoded = DecodeText(EncodeText(text, encoding, kAnsi), kAnsi);
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.encoding, encoding);
    }
}

TEST(TextCodec, KeepingTheEncodingNeverLosesCharacters) {
    // ANSI stays ANSI while the code page holds the text.
    EXPECT_EQ(EncodeKeepingEncoding(L"a\u00E9", Encoding::Ansi, kAnsi), "a\xE9");
    // Otherwise the file becomes UTF-16LE, which every reader recognises by its mark.
    const std::string upgraded = EncodeKeepingEncoding(L"a\u65E5", Encoding::Ansi, kAnsi);
    EXPECT_EQ(upgraded, Bytes({0xFF, 0xFE, 'a', 0, 0xE5, 0x65}));
    EXPECT_EQ(EncodeKeepingEncoding(L"a", Encoding::Utf8, kAnsi), "\xEF\xBB\xBF"
                                                                  "a");
    EXPECT_EQ(EncodeKeepingEncoding(L"a", Encoding::Utf16BE, kAnsi), Bytes({0xFE, 0xFF, 0, 'a'}));
}

TEST(TextCodec, BinaryNoiseDecodesToWellFormedText) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const Encoding unmarked :
         {Encoding::Ansi, Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
        std::string noise(100001, '\0');
        for (auto& b : noise) {
            b = static_cast<char>(byte(random));
        }
        const DecodedText decoded = DecodeText(noise, kAnsi, unmarked);
        // Whatever came out is well-formed: it survives UTF-16 and UTF-8 unchanged.
        for (const Encoding encoding : {Encoding::Utf16LE, Encoding::Utf8}) {
            EXPECT_EQ(DecodeText(EncodeText(decoded.text, encoding, kAnsi), kAnsi).text,
                      decoded.text);
        }
    }
}

} // namespace
} // namespace velmado::storage
