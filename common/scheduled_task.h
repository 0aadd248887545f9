#pragma once
// The three runs of the task scheduler's command-line tool that start a program once, with the
// rights of the logged-on user, from an elevated process: create the task, run it, delete it.
#include <optional>
#include <string>

namespace velmado::common {

struct ScheduledTaskArguments {
    std::wstring create;
    std::wstring run;
    std::wstring remove;
};

// The task's action is the program path in single quotes (inner single quotes doubled) followed,
// when there are parameters, by a blank and the parameters. Creating replaces a task of the same
// name. The action is quoted as exactly one argument whatever it holds: double quotes in the
// parameters are escaped with backslashes by the command-line rules of the C runtime, so they stay
// part of the program's parameters and cannot add options of their own. Nothing when the task name
// or the program is empty or holds a double quote (neither can be a valid name), or when any text
// holds a NUL character.
std::optional<ScheduledTaskArguments> ScheduledTaskArgumentsFor(const std::wstring& taskName,
                                                                const std::wstring& program,
                                                                const std::wstring& parameters);

} // namespace velmado::common
