#pragma once
// The about box: the program's name, version and copyright, and a button that opens the data
// folder in the shell. Modal to `owner`; returns when it is closed.
#include <windows.h>

#include <string>

namespace velmado::app {

inline constexpr wchar_t kAboutBoxTitle[] = L"Velmado - バージョン情報";

void ShowAboutBox(HWND owner, const std::wstring& dataFolder);

} // namespace velmado::app
