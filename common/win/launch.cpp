#include "common/win/launch.h"

#include <shellapi.h>

#include "common/scheduled_task.h"
#include "common/win/files.h"
#include "common/win/handles.h"
#include "common/win/os_version.h"

namespace velmado::win {

namespace {

bool g_uacEnabled = false;

const wchar_t* TextOrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// Runs the scheduler's tool hidden and waits for it; its exit code, or nothing when it did not
// start or did not finish in time.
std::optional<DWORD> RunScheduler(const std::wstring& parameters) {
    // The full path: an elevated process must not pick up a program of that name elsewhere.
    const std::wstring tool = GetSystemDir() + L"schtasks.exe";
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpFile = tool.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info) || info.hProcess == nullptr) {
        return std::nullopt;
    }
    const UniqueHandle process(info.hProcess);
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.get(), &exitCode)) {
        return std::nullopt;
    }
    return exitCode;
}

} // namespace

void ShellRun(HWND owner, const std::wstring& file, const std::wstring& parameters,
              const std::wstring& folder, int showCommand) {
    ShellExecuteW(owner, nullptr, file.c_str(), TextOrNull(parameters), TextOrNull(folder),
                  showCommand);
}

bool RunElevated(HWND owner, const std::wstring& file, const std::wstring& parameters) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = TextOrNull(parameters);
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

bool RunNonElevated(const std::wstring& taskName, const std::wstring& program,
                    const std::wstring& parameters) {
    const auto arguments = common::ScheduledTaskArgumentsFor(taskName, program, parameters);
    if (!arguments) {
        return false;
    }
    const auto created = RunScheduler(arguments->create);
    const bool ran = created == 0u && RunScheduler(arguments->run) == 0u;
    if (created) {
        RunScheduler(arguments->remove);
    }
    return ran;
}

void ReadUacState() {
    if (!common::IsVistaOrLater(SystemVersion())) {
        g_uacEnabled = false;
        return;
    }
    DWORD value = 1;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                     L"EnableLUA", RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        value = 1;
    }
    g_uacEnabled = value != 0;
}

bool UacEnabled() {
    return g_uacEnabled;
}

} // namespace velmado::win
