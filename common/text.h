#pragma once
// Small text conversions shared by every part of the program. Text is UTF-16 code units, one per
// wchar_t element, on every platform.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmado::common {

// A 64-bit integer read from text, of which the low 32 bits are returned; 0 for empty text or
// text that is not a number. Accepted: leading blanks, then an optional "+" or "-", then either
// decimal digits or a hexadecimal number introduced by "$", "0x" or "0X". Nothing may follow the
// digits. A decimal value outside the signed 64-bit range and a hexadecimal value of more than 64
// bits are not numbers.
std::int32_t SafeStrToInt(std::wstring_view text);

// Every "&" becomes "&&,"; text without "&" is returned unchanged.
std::wstring EscapeAmpersands(std::wstring_view text);
// The exact inverse of EscapeAmpersands: one pass from the left in which each "&&," becomes "&".
// Text that EscapeAmpersands did not produce keeps every other character as it is.
std::wstring UnescapeAmpersands(std::wstring_view text);

// Each "&" doubled, so that a menu or button caption shows the text as it is written.
std::wstring DoubleAmpersands(std::wstring_view text);

// Equal when letters A-Z and a-z are taken as the same; every other code unit must match.
bool EqualIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

// 1-based position of the last occurrence of `c` in `text`, 0 when there is none.
std::size_t LastCharPos(wchar_t c, std::wstring_view text);

// The text up to its first NUL character.
std::wstring TrimAtNull(std::wstring_view text);
// TrimAtNull, then trailing blanks and control characters removed.
std::wstring TrimAtNullRight(std::wstring_view text);

// Appends "/" unless the text already ends with it.
std::wstring WithTrailingSlash(std::wstring_view text);
// The 1-based character at `index` is "/"; false outside the text.
bool CharIsSlash(std::wstring_view text, std::size_t index);

} // namespace velmado::common
