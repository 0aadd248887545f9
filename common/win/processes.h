#pragma once
// The process behind a window: its priority class, elevation and command line.
#include <windows.h>

#include <optional>
#include <string>

namespace velmado::win {

// The priority class of the window's process; 0 when it cannot be read.
DWORD GetWindowPriority(HWND window);
// Sets the priority class and returns GetWindowPriority afterwards, so the caller sees whether
// it took effect.
DWORD SetWindowPriority(HWND window, DWORD priorityClass);

// The token of the window's process reports elevation; false when it cannot be read.
bool IsProcessElevated(HWND window);

// The arguments the window's program was started with: its command line read from the
// process's memory (or, when that fails, from the management service) without the program
// part (common::RemoveProgramPart). Empty when the window is gone or nothing could be read.
std::wstring GetWindowCmdArgs(HWND window, const std::wstring& programPath);

// The full command line of a process, from its memory, whatever the bitness of either side
// where the system allows the read; nothing when it cannot be read.
std::optional<std::wstring> ProcessCommandLine(DWORD processId);
// The same from the management service ("Win32_Process", "CommandLine"); nothing on failure.
std::optional<std::wstring> ManagementCommandLine(DWORD processId);

} // namespace velmado::win
