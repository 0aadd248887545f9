#pragma once
// The arguments part of another program's command line.
#include <string>

namespace velmado::common {

// The command line without its program part, for starting the program again with the same
// arguments. The program path is compared without regard to ASCII letter case:
//   "<path>" -a   ->  -a     (the quoted path and the one blank after it are removed)
//   <path> -a     ->   -a    (the path is removed, the blank stays)
//   "<path>"      ->  empty
// A command line that names the program in another form (a short or relative name) loses its
// first token by the system's rules for the program name: a quoted token with the one blank after
// it, else everything up to the first blank or tab.
std::wstring RemoveProgramPart(const std::wstring& commandLine, const std::wstring& programPath);

} // namespace velmado::common
