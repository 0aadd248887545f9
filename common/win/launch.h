#pragma once
// Starting other programs: normally, elevated, and without elevation from an elevated instance;
// and whether user-account control is on.
#include <windows.h>

#include <string>

namespace velmado::win {

// Opens `file` with the shell's default verb, owned by `owner`; the result is not examined.
void ShellRun(HWND owner, const std::wstring& file, const std::wstring& parameters,
              const std::wstring& folder, int showCommand);

// Starts `file` through the elevation prompt ("runas"), without error boxes; false when it did
// not start (also when the user refused).
bool RunElevated(HWND owner, const std::wstring& file, const std::wstring& parameters);

// Starts `program` with the rights of the logged-on user through a one-shot scheduled task
// named `taskName`: creates it (replacing one of that name), runs it and deletes it, each step
// waiting for the scheduler's tool to finish. True when the run step succeeded. Nothing is started
// for input that cannot be quoted safely (common::ScheduledTaskArgumentsFor).
bool RunNonElevated(const std::wstring& taskName, const std::wstring& program,
                    const std::wstring& parameters);

// Reads the user-account-control policy into the flag that UacEnabled returns: off before
// Windows Vista, else the policy value "EnableLUA" is not 0; a missing value counts as on, the
// system's own default.
void ReadUacState();
bool UacEnabled();

} // namespace velmado::win
