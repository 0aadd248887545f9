#include "common/win/command_line.h"

#include <windows.h>
#include <shellapi.h>

namespace velmado::win {

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    if (argv == nullptr) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.emplace_back(argv[i]);
    }
    LocalFree(argv);
    return arguments;
}

} // namespace velmado::win
