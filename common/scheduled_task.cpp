#include "common/scheduled_task.h"

namespace velmado::common {

namespace {

// One argument in double quotes as the C runtime reads it back: backslashes are literal except
// before a double quote, where each must be doubled and the quote itself escaped.
std::wstring QuotedArgument(const std::wstring& text) {
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
        } else if (c == L'"') {
            result.append(backslashes + 1, L'\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        result += c;
    }
    result.append(backslashes, L'\\');
    result += L'"';
    return result;
}

std::wstring SingleQuoted(const std::wstring& text) {
    std::wstring result = L"'";
    for (const wchar_t c : text) {
        result += c;
        if (c == L'\'') {
            result += L'\'';
        }
    }
    result += L'\'';
    return result;
}

bool ValidName(const std::wstring& text) {
    return !text.empty() && text.find_first_of(std::wstring(L"\"\0", 2)) == std::wstring::npos;
}

} // namespace

std::optional<ScheduledTaskArguments> ScheduledTaskArgumentsFor(const std::wstring& taskName,
                                                                const std::wstring& program,
                                                                const std::wstring& parameters) {
    if (!ValidName(taskName) || !ValidName(program) ||
        parameters.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    std::wstring action = SingleQuoted(program);
    if (!parameters.empty()) {
        action += L' ';
        action += parameters;
    }
    const std::wstring name = L"\"" + taskName + L"\"";
    ScheduledTaskArguments arguments;
    arguments.create = L"/create /TN " + name + L" /TR " + QuotedArgument(action) +
                       L" /SC ONCE /ST 00:00 /IT /RL LIMITED /F";
    arguments.run = L"/run /tn " + name;
    arguments.remove = L"/delete /f /tn " + name;
    return arguments;
}

} // namespace velmado::common
