#include "storage/text_codec.h"

#include <cstdint>
#include <utility>

namespace velmado::storage {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
unsigned Byte(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

void AppendCodePoint(std::wstring& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<wchar_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
}

// One U+FFFD for each maximal invalid subsequence, as browsers do.
std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = Byte(bytes, i);
        if (lead < 0x80) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        unsigned lower = 0x80;
        unsigned upper = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
            lower = lead == 0xE0 ? 0xA0 : lower; // no overlong forms
            upper = lead == 0xED ? 0x9F : upper; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
            lower = lead == 0xF0 ? 0x90 : lower;
            upper = lead == 0xF4 ? 0x8F : upper; // nothing above U+10FFFF
        } else {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        int taken = 1;
        for (; taken < length && next < bytes.size(); ++taken, ++next) {
            const unsigned trail = Byte(bytes, next);
            if (trail < lower || trail > upper) {
                break;
            }
            code = (code << 6) | (trail & 0x3F);
            lower = 0x80;
            upper = 0xBF;
        }
        AppendCodePoint(out, taken == length ? code : kReplacement);
        i = next;
    }
    return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const std::size_t count = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        const unsigned first = Byte(bytes, 2 * i);
        const unsigned second = Byte(bytes, 2 * i + 1);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::wstring out;
    out.reserve(count + 1);
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t u = unit(i);
        if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(unit(i + 1))) {
            out.push_back(static_cast<wchar_t>(u));
            out.push_back(static_cast<wchar_t>(unit(++i)));
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            out.push_back(static_cast<wchar_t>(kReplacement));
        } else {
            out.push_back(static_cast<wchar_t>(u));
        }
    }
    if (bytes.size() % 2 != 0) {
        out.push_back(static_cast<wchar_t>(kReplacement));
    }
    return out;
}

// Calls `sink` with every code point of UTF-16 text; broken pairs and units beyond 16 bits
// (possible only where wchar_t is wider) come out as U+FFFD.
template <typename Sink> void ForEachCodePoint(std::wstring_view text, Sink sink) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<char32_t>(text[i]);
        if (u > 0xFFFF || IsLowSurrogate(u)) {
            sink(kReplacement);
        } else if (IsHighSurrogate(u)) {
            const char32_t low = i + 1 < text.size() ? static_cast<char32_t>(text[i + 1]) : 0;
            if (IsLowSurrogate(low)) {
                sink(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
            } else {
                sink(kReplacement);
            }
        } else {
            sink(u);
        }
    }
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&](char32_t code) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    });
    return out;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian) {
    std::string out;
    out.reserve(2 * text.size());
    const auto put = [&](char32_t unit) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    };
    ForEachCodePoint(text, [&](char32_t code) {
        if (code < 0x10000) {
            put(code);
        } else {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    });
    return out;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

} // namespace

DecodedText DecodeText(std::string_view bytes, const AnsiCodePage& ansi, Encoding unmarked) {
    if (StartsWith(bytes, kUtf8Mark)) {
        return {DecodeUtf8(bytes.substr(kUtf8Mark.size())), Encoding::Utf8};
    }
    if (StartsWith(bytes, kUtf16LEMark)) {
        return {DecodeUtf16(bytes.substr(kUtf16LEMark.size()), false), Encoding::Utf16LE};
    }
    if (StartsWith(bytes, kUtf16BEMark)) {
        return {DecodeUtf16(bytes.substr(kUtf16BEMark.size()), true), Encoding::Utf16BE};
    }
    switch (unmarked) {
    case Encoding::Utf8:
        return {DecodeUtf8(bytes), unmarked};
    case Encoding::Utf16LE:
        return {DecodeUtf16(bytes, false), unmarked};
    case Encoding::Utf16BE:
        return {DecodeUtf16(bytes, true), unmarked};
    case Encoding::Ansi:
        break;
    }
    return {ansi.ToWide(bytes), Encoding::Ansi};
}

std::string EncodeText(std::wstring_view text, Encoding encoding, const AnsiCodePage& ansi,
                       ByteOrderMark mark) {
    const bool withMark = mark == ByteOrderMark::Write;
    switch (encoding) {
    case Encoding::Utf8:
        return std::string(withMark ? kUtf8Mark : "") + EncodeUtf8(text);
    case Encoding::Utf16LE:
        return std::string(withMark ? kUtf16LEMark : "") + EncodeUtf16(text, false);
    case Encoding::Utf16BE:
        return std::string(withMark ? kUtf16BEMark : "") + EncodeUtf16(text, true);
    case Encoding::Ansi:
        break;
    }
    return ansi.ToNarrow(text).bytes;
}

std::string EncodeKeepingEncoding(std::wstring_view text, Encoding found,
                                  const AnsiCodePage& ansi) {
    if (found == Encoding::Ansi) {
        AnsiCodePage::Narrow narrow = ansi.ToNarrow(text);
        if (narrow.lossless) {
            return std::move(narrow.bytes);
        }
        return EncodeText(text, Encoding::Utf16LE, ansi);
    }
    return EncodeText(text, found, ansi);
}

} // namespace velmado::storage
