#pragma once
// What the window menu shows each time it opens: which items are visible, enabled and checked
// and how the target-dependent items are captioned, decided from facts about the target window.
#include <cstddef>
#include <optional>
#include <string>

#include "commands/window_menu_tree.h"
#include "common/windows_version.h"
#include "ui/menu_item.h"

namespace velmado::commands {

struct WindowMenuFacts {
    bool hasTarget = false;
    std::wstring program; // the target's program path
    std::wstring caption; // the target's caption
    bool maximized = false;
    bool openedByHook = false; // by a hotkey or a mouse action, not from the tray icon
    bool shadeOption = false;  // the middle-button shade option
    bool programFileExists = false;
    common::WindowsVersion version;
    bool uacEnabled = false;
    bool topmost = false; // made topmost by this program, or topmost already
    int monitorIndex = 0; // of the target
    // The caption of the target's newest undo entry; nothing when it has none.
    std::optional<std::wstring> undoCaption;
    std::size_t ruleCount = 0;
    bool rulesEnabled = true; // the rules are switched on as a whole
    int matchingRule = -1;    // the lowest rule that matches the target, -1 for none
    bool matchingRuleEnabled = false;
    std::wstring fixedKind; // "位置", "大きさ", "位置大きさ" or empty, of the governing rule
    bool minimizedToTrayListed = false; // the target is on the minimise-to-tray list
};

// Rule counts below this still offer registering the target as a new rule.
inline constexpr std::size_t kRegisterRuleLimit = 1001;

// Applies the facts to the tree that BuildWindowMenu made. Separators that would stand at an end
// or next to another one are hidden.
void ApplyWindowMenuFacts(ui::MenuItem& root, const WindowMenuArrays& arrays,
                          const WindowMenuFacts& facts);

} // namespace velmado::commands
