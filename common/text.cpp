#include "common/text.h"

#include <optional>

namespace velmado::common {

namespace {

std::optional<unsigned> DigitValue(wchar_t c, unsigned base) {
    unsigned value = 0;
    if (c >= L'0' && c <= L'9') {
        value = static_cast<unsigned>(c - L'0');
    } else if (base == 16 && c >= L'a' && c <= L'f') {
        value = static_cast<unsigned>(c - L'a') + 10;
    } else if (base == 16 && c >= L'A' && c <= L'F') {
        value = static_cast<unsigned>(c - L'A') + 10;
    } else {
        return std::nullopt;
    }
    return value;
}

// The value as a 64-bit two's-complement number, or nothing when the text is not a number.
std::optional<std::uint64_t> ParseInt64(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == L' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == L'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == L'0' &&
               (text[i + 1] == L'x' || text[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Decimal magnitudes may reach 2^63 (for the minimum); hexadecimal ones use all 64 bits.
    const std::uint64_t limit = base == 10 ? (negative ? 1ull << 63 : (1ull << 63) - 1) : ~0ull;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const auto digit = DigitValue(text[i], base);
        if (!digit || magnitude > (limit - *digit) / base) {
            return std::nullopt;
        }
        magnitude = magnitude * base + *digit;
    }
    return negative ? 0 - magnitude : magnitude;
}

} // namespace

std::int32_t SafeStrToInt(std::wstring_view text) {
    const auto value = ParseInt64(text);
    return value ? static_cast<std::int32_t>(static_cast<std::uint32_t>(*value & 0xFFFFFFFFu)) : 0;
}

std::wstring EscapeAmpersands(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        result += c;
        if (c == L'&') {
            result += L"&,";
        }
    }
    return result;
}

std::wstring UnescapeAmpersands(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text.substr(i, 3) == L"&&,") {
            i += 2;
        }
    }
    return result;
}

std::wstring DoubleAmpersands(std::wstring_view text) {
    std::wstring doubled;
    doubled.reserve(text.size());
    for (const wchar_t c : text) {
        doubled += c;
        if (c == L'&') {
            doubled += L'&';
        }
    }
    return doubled;
}

bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c + (L'a' - L'A') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t LastCharPos(wchar_t c, std::wstring_view text) {
    const std::size_t index = text.rfind(c);
    return index == std::wstring_view::npos ? 0 : index + 1;
}

std::wstring TrimAtNull(std::wstring_view text) {
    return std::wstring(text.substr(0, text.find(L'\0')));
}

std::wstring TrimAtNullRight(std::wstring_view text) {
    std::wstring result = TrimAtNull(text);
    while (!result.empty() && result.back() <= L' ') {
        result.pop_back();
    }
    return result;
}

std::wstring WithTrailingSlash(std::wstring_view text) {
    std::wstring result(text);
    if (result.empty() || result.back() != L'/') {
        result += L'/';
    }
    return result;
}

bool CharIsSlash(std::wstring_view text, std::size_t index) {
    return index >= 1 && index <= text.size() && text[index - 1] == L'/';
}

} // namespace velmado::common
