#pragma once
// The choice of the window that the window commands act on.
#include <windows.h>

#include <string>

#include "rules/win/rule_engine.h"

namespace velmado::commands {

struct TargetLookupInput {
    // The window a hotkey or mouse action aimed at; null when the menu opens from the tray icon.
    HWND hookWindow = nullptr;
    // The program's own hidden application window; the window below it was in front before.
    HWND applicationWindow = nullptr;
    // Windows that no monitor fully contains are no target.
    bool offscreenCheck = false;
    // This program's executable: its windows are never a target.
    std::wstring ownProgram;
};

// The target record. Its program, caption, class and rectangle are kept when a window was
// identified and then refused (its window is null then); when none was identified, all is empty.
rules::TargetWindow SelectTarget(const TargetLookupInput& input);

} // namespace velmado::commands
