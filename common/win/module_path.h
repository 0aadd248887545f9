#pragma once
#include <windows.h>

#include <string>

namespace velmado::win {

// Full path of a module of this process; of the program itself by default.
std::wstring ModulePath(HMODULE module = nullptr);

// The folder of the program itself, with its trailing backslash.
std::wstring ProgramFolder();

} // namespace velmado::win
