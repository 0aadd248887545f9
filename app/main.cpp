// Velmado: the resident window manager's process entry. Decides the kind of run, keeps to one
// resident instance, hands a rule file or profile to a running one, and runs the main form.
#include <windows.h>
#include <shlobj.h>

#include "app/program.h"
#include "app/startup_options.h"
#include "app/tray_form.h"
#include "app/win/instance.h"
#include "common/win/command_line.h"
#include "common/win/data_folder.h"
#include "common/win/files.h"
#include "ui/win/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace velmado;
    using namespace velmado::app;

    if (!win::MakeDataFolder(L"Velmado", false)) {
        return 0;
    }
    Program program;
    program.arguments = win::CommandLineArguments();
    program.nonResident = IsNonResident(program.arguments);
    const std::wstring fileArgument = FileArgument(program.arguments, win::SafeFileExists);

    const HWND running = FindRunningInstance();
    ui::Application& application = ui::Application::Instance();
    if (!program.nonResident && running != nullptr) {
        if (!fileArgument.empty()) {
            SendHandOff(running, application.Handle(), fileArgument);
        }
        return 0;
    }
    const bool elevated = IsUserAnAdmin() != FALSE;
    program.runningInstanceState =
        RunningInstanceState(running != nullptr, program.nonResident, elevated);
    const InstanceMutex mutex(elevated);

    application.SetTitle(L"Velmado");
    program.files = storage::DataFiles::In(win::DataFolder());
    program.ruleFilePath = program.files.windowIbk;

    const CommandLineCheck check = CheckCommandLine(program.arguments, win::SafeFileExists);
    if (!check.valid) {
        MessageBoxW(nullptr, InvalidOptionMessage(program.arguments).c_str(), L"Velmado", MB_OK);
        return 0;
    }
    if (check.ruleFile) {
        program.ruleFilePath = *check.ruleFile;
    }

    TrayForm trayForm(program);
    application.OnException = [&](const std::wstring& message) { trayForm.Proc_ErrorLog(message); };
    if (!trayForm.Create()) {
        return 1;
    }
    return application.Run();
}
