#include "launcher/launch_request.h"

namespace velmado::launcher {

std::wstring MainProgramPath(const std::wstring& launcherPath) {
    const auto cut = launcherPath.find_last_of(L"\\:");
    const std::wstring folder =
        cut == std::wstring::npos ? std::wstring() : launcherPath.substr(0, cut + 1);
    return folder + L"Velmado.exe";
}

std::wstring ParameterString(std::span<const std::wstring> arguments) {
    std::wstring parameters;
    for (const auto& argument : arguments) {
        parameters += L'"';
        parameters += argument;
        parameters += L"\" ";
    }
    return parameters;
}

} // namespace velmado::launcher
