#pragma once
// Text conversions of the user's locale, and the clipboard.
#include <windows.h>

#include <string>

namespace velmado::win {

// The text mapped to half-width characters with the user's default locale; empty when the
// mapping fails.
std::wstring ToHalfWidth(const std::wstring& text);

// Puts the text on the clipboard for `owner`, trying up to 5 times 100 ms apart while another
// program holds the clipboard; true on success.
bool CopyTextToClipboard(const std::wstring& text, HWND owner);

} // namespace velmado::win
