#pragma once
// The text form of a program file's version information: one line per key, "key：value".
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmado::common {

// The keys read from a version block's string table, in the order they are listed.
inline constexpr std::array<std::wstring_view, 13> kVersionInfoKeys = {
    L"CompanyName",     L"FileDescription",  L"FileVersion",  L"InternalName",   L"LegalCopyright",
    L"LegalTrademarks", L"OriginalFilename", L"ProductName",  L"ProductVersion", L"Comments",
    L"SpecialBuild",    L"PrivateBuild",     L"Sample-Number"};

// "\StringFileInfo\" + language + code page (each four upper-case hex digits) + "\".
std::wstring StringTablePath(std::uint16_t language, std::uint16_t codePage);

// The key left-aligned in 16 characters, the full-width colon, the value.
std::wstring VersionInfoLine(std::wstring_view key, std::wstring_view value);

// The "FileDescription" value of such lines, or empty when there is none or it equals the
// "FileVersion" value.
std::wstring FileDescriptionFromLines(const std::vector<std::wstring>& lines);

} // namespace velmado::common
