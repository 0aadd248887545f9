#pragma once
// The version resource of a program file as text lines.
#include <string>
#include <vector>

namespace velmado::win {

// Appends one line per known key of the file's first translation (common::VersionInfoLine, in
// the order of common::kVersionInfoKeys); false, with nothing added, when the file has no version
// block or no translation.
bool GetVersionInfoList(const std::wstring& file, std::vector<std::wstring>& lines);

// The file's description unless it has none or it equals its version text; else empty.
std::wstring GetFileDescription(const std::wstring& file);

} // namespace velmado::win
