#pragma once
#include <string>
#include <vector>

namespace velmado::win {

// This process's arguments 1..n, split by the system's own rules.
std::vector<std::wstring> CommandLineArguments();

} // namespace velmado::win
