#pragma once
// What the elevation launcher hands to the shell: the main program beside it, and its own
// arguments re-quoted one by one.
#include <span>
#include <string>

namespace velmado::launcher {

// The launcher's own folder (up to and including the last '\' or ':') + "Velmado.exe".
std::wstring MainProgramPath(const std::wstring& launcherPath);

// Every argument wrapped in double quotes and followed by one blank; nothing is escaped,
// so an argument with blanks stays one argument.
std::wstring ParameterString(std::span<const std::wstring> arguments);

} // namespace velmado::launcher
