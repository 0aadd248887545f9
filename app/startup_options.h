#pragma once
// What kind of run a process is, decided from its command line alone.
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace velmado::app {

using Arguments = std::span<const std::wstring>;
using FileExists = std::function<bool(const std::wstring& path)>;

inline constexpr wchar_t kNonResidentSwitch[] = L"/Q";
inline constexpr wchar_t kDebugSwitch[] = L"/debug";

// Argument 1 is exactly "/Q": one pass over all windows, then the program ends.
bool IsNonResident(Arguments arguments);
// Argument 1 is exactly "/debug": every logged error is also shown.
bool IsDebug(Arguments arguments);

// The file name's extension from its last "." on, lower-cased; empty without one.
std::wstring LowerExtension(const std::wstring& path);
bool IsRuleFilePath(const std::wstring& path);
bool IsProfilePath(const std::wstring& path);

// Argument 1 when it names an existing rule file (".ibk") or profile (".pwm"), else empty.
std::wstring FileArgument(Arguments arguments, const FileExists& fileExists);

struct CommandLineCheck {
    bool valid = false;
    // Set when the command line chooses the rule file for this run: a path, or empty for a
    // profile argument (the profile brings its own).
    std::optional<std::wstring> ruleFile;
};

// none; "/Q"; "/debug"; an existing ".ibk" or ".pwm" file; "/Q" and an existing ".ibk" file.
CommandLineCheck CheckCommandLine(Arguments arguments, const FileExists& fileExists);

// The text of the invalid-option message: four lines joined by CR LF.
std::wstring InvalidOptionMessage(Arguments arguments);

} // namespace velmado::app
