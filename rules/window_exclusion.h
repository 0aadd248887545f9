#pragma once
// Which top-level windows the window pass leaves alone, and why: windows without a readable
// program, the desktop, pieces of the shell and of system services, and processes we may not
// query.
#include <functional>
#include <string>
#include <string_view>

namespace velmado::rules {

enum class SkipReason {
    None,           // the window takes part in the pass
    InputService,   // the text-input service ("CTFMON.EXE")
    NoProgram,      // invisible, untitled, or its program path cannot be read
    ProgramManager, // the desktop
    ShellPiece,     // a slider, drag image, start button, start menu, jump list or tool tip
    NotQueryable,   // a process with higher rights
    CaptureWindow,  // the graphics driver's invisible capture window
    CoreWindow,     // a store app's core window, or an app frame without one
    HintWindow,     // a tool tip ("...HintWindow" classes)
    OverflowIsland, // the notification area's overflow panel
};

struct WindowFacts {
    std::wstring caption;
    std::wstring className;
    std::wstring programPath;
    // Asked only when no cheaper test has skipped the window already.
    std::function<bool()> canQueryProcess;
    std::function<bool()> isCoreOrEmptyFrame;
};

SkipReason PassSkipReason(const WindowFacts& window);

// The file name part of a path (after the last "\" or "/").
std::wstring_view ProgramFileName(std::wstring_view path);
// Two programs are the same when their file names match without regard to letter case; the
// folders are not compared.
bool IsSameProgram(std::wstring_view pathA, std::wstring_view pathB);

} // namespace velmado::rules
