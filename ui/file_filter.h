#pragma once
// File-dialog filters written as "説明(*.ext)|*.ext|..." and the system's form of them.
#include <string>
#include <string_view>

namespace velmado::ui {

// Description and pattern pairs separated by "|", as the double-NUL-terminated list the file
// dialogs take (each part followed by a NUL, one more NUL at the end).
std::wstring FileFilterList(std::wstring_view filter);

// The extension of the path's file name, lower-cased in ASCII, with its dot ("" without one).
std::wstring LowerExtension(std::wstring_view path);

} // namespace velmado::ui
