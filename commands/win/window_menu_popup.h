#pragma once
// Preparing the window menu for its target each time it opens, and its title item's command.
#include <windows.h>

#include "commands/win/activate_window.h"
#include "commands/window_menu_tree.h"
#include "common/windows_version.h"
#include "rules/rule.h"
#include "rules/win/rule_engine.h"
#include "rules/win/window_state_lists.h"
#include "ui/win/popup_menu.h"

namespace velmado::commands {

struct WindowMenuContext {
    const rules::TargetWindow& target;
    bool openedByHook = false; // by a hotkey or a mouse action
    bool shadeOption = false;  // the middle-button shade option
    bool rulesEnabled = true;  // the rules are switched on as a whole
    rules::RuleEngine& engine; // finds the target's rules and their fixing kind
    const rules::RuleList& rules;
    const rules::WindowStateList& topList; // windows this program made topmost
    common::WindowsVersion version;
    bool uacEnabled = false;
    // Shown beside the title item when the target's program has no icon; not owned.
    HICON fallbackIcon = nullptr;
};

// Shows, hides, enables, checks and captions the items for the target, gives the title item the
// program's icon and flashes the target's title so that the user sees which window it is.
void PrepareWindowMenu(ui::PopupMenu& menu, const WindowMenuArrays& arrays,
                       const WindowMenuContext& context);

// The title item: with Shift the caption, with Ctrl the program path goes to the clipboard;
// without either key the target is activated and the cursor put on its title bar.
void PPNameClick(const rules::TargetWindow& target, HWND owner,
                 const CursorPlacement& placement = {});

} // namespace velmado::commands
