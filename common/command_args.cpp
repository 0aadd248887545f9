#include "common/command_args.h"

#include "common/text.h"

namespace velmado::common {

namespace {

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() &&
           EqualIgnoringAsciiCase(std::wstring_view(text).substr(0, prefix.size()), prefix);
}

// The rest after a quoted program part: its one following blank belongs to the program part.
std::wstring AfterQuoted(const std::wstring& commandLine, std::size_t closingQuote) {
    std::size_t start = closingQuote + 1;
    if (start < commandLine.size() && commandLine[start] == L' ') {
        ++start;
    }
    return start < commandLine.size() ? commandLine.substr(start) : std::wstring();
}

} // namespace

std::wstring RemoveProgramPart(const std::wstring& commandLine, const std::wstring& programPath) {
    if (!programPath.empty()) {
        if (StartsWith(commandLine, L"\"" + programPath + L"\"")) {
            return AfterQuoted(commandLine, programPath.size() + 1);
        }
        if (StartsWith(commandLine, programPath)) {
            return commandLine.substr(programPath.size());
        }
    }
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        return closing == std::wstring::npos ? std::wstring() : AfterQuoted(commandLine, closing);
    }
    const std::size_t end = commandLine.find_first_of(L" \t");
    return end == std::wstring::npos ? std::wstring() : commandLine.substr(end);
}

} // namespace velmado::common
