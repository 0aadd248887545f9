#include "rules/window_exclusion.h"

#include "common/shell_exclusions.h"
#include "common/text.h"

namespace velmado::rules {

namespace {

bool ContainsIgnoringAsciiCase(std::wstring_view text, std::wstring_view part) {
    if (part.size() > text.size()) {
        return false;
    }
    for (size_t i = 0; i + part.size() <= text.size(); ++i) {
        if (common::EqualIgnoringAsciiCase(text.substr(i, part.size()), part)) {
            return true;
        }
    }
    return false;
}

bool IsProgram(const std::wstring& path, std::wstring_view fileName) {
    return common::EqualIgnoringAsciiCase(ProgramFileName(path), fileName);
}

} // namespace

std::wstring_view ProgramFileName(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

bool IsSameProgram(std::wstring_view pathA, std::wstring_view pathB) {
    return common::EqualIgnoringAsciiCase(ProgramFileName(pathA), ProgramFileName(pathB));
}

SkipReason PassSkipReason(const WindowFacts& window) {
    if (IsProgram(window.programPath, L"CTFMON.EXE")) {
        return SkipReason::InputService;
    }
    if (window.programPath.empty()) {
        return SkipReason::NoProgram;
    }
    if (window.caption == L"Program Manager") {
        return SkipReason::ProgramManager;
    }
    // The pass skips a start button of any program, the shared table only Explorer's.
    if (common::IsShellOwnWindow(window.caption, window.className, window.programPath) ||
        (window.caption == L"スタート" && window.className == L"Button")) {
        return SkipReason::ShellPiece;
    }
    if (window.canQueryProcess && !window.canQueryProcess()) {
        return SkipReason::NotQueryable;
    }
    if (window.caption == L"AMD:CCC-AEMCapturingWindow" &&
        IsProgram(window.programPath, L"CCC.EXE")) {
        return SkipReason::CaptureWindow;
    }
    if (window.isCoreOrEmptyFrame && window.isCoreOrEmptyFrame()) {
        return SkipReason::CoreWindow;
    }
    if (ContainsIgnoringAsciiCase(window.className, L"hintwindow")) {
        return SkipReason::HintWindow;
    }
    if (window.className == L"TopLevelWindowForOverflowXamlIsland") {
        return SkipReason::OverflowIsland;
    }
    return SkipReason::None;
}

} // namespace velmado::rules
