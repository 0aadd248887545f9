#include "common/win/processes.h"

#include "common/command_args.h"
#include "common/win/handles.h"

namespace velmado::win {

namespace {

UniqueHandle OpenWindowProcess(HWND window, DWORD access) {
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) {
        return UniqueHandle();
    }
    return UniqueHandle(OpenProcess(access, FALSE, processId));
}

} // namespace

DWORD GetWindowPriority(HWND window) {
    const UniqueHandle process = OpenWindowProcess(window, PROCESS_QUERY_LIMITED_INFORMATION);
    return process ? GetPriorityClass(process.get()) : 0;
}

DWORD SetWindowPriority(HWND window, DWORD priorityClass) {
    if (const UniqueHandle process = OpenWindowProcess(window, PROCESS_SET_INFORMATION)) {
        SetPriorityClass(process.get(), priorityClass);
    }
    return GetWindowPriority(window);
}

bool IsProcessElevated(HWND window) {
    const UniqueHandle process = OpenWindowProcess(window, PROCESS_QUERY_LIMITED_INFORMATION);
    HANDLE opened = nullptr;
    if (!process || !OpenProcessToken(process.get(), TOKEN_QUERY, &opened)) {
        return false;
    }
    const UniqueHandle token(opened);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size) &&
           elevation.TokenIsElevated != 0;
}

std::wstring GetWindowCmdArgs(HWND window, const std::wstring& programPath) {
    DWORD processId = 0;
    if (!IsWindow(window) || GetWindowThreadProcessId(window, &processId) == 0) {
        return {};
    }
    auto commandLine = ProcessCommandLine(processId);
    if (!commandLine) {
        commandLine = ManagementCommandLine(processId);
    }
    return commandLine ? common::RemoveProgramPart(*commandLine, programPath) : std::wstring();
}

} // namespace velmado::win
