// Velmado_Admin: starts Velmado beside it with administrator rights and hands on its arguments.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "common/win/command_line.h"
#include "common/win/module_path.h"
#include "launcher/launch_request.h"

namespace {

bool LaunchElevated(const std::wstring& program, const std::wstring& parameters) {
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    // Wait until the shell has taken the request; let no shell error box appear.
    request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    request.hwnd = GetDesktopWindow();
    request.lpVerb = L"runas";
    request.lpFile = program.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&request) != FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velmado;
    const std::vector<std::wstring> arguments = win::CommandLineArguments();
    const std::wstring program = launcher::MainProgramPath(win::ModulePath());
    const std::wstring parameters = launcher::ParameterString(arguments);
    if (!LaunchElevated(program, parameters)) {
        MessageBoxW(GetDesktopWindow(), L"起動に失敗しました", L"Velmado(管理者)",
                    MB_OK | MB_ICONERROR);
    }
    return 0;
}
