#pragma once
// The tray menu's tree and the arrays of its numbered items. Each array item's tag is its index,
// so that one handler serves a group by dispatching on the sender's tag.
#include <vector>

#include "common/windows_version.h"
#include "ui/menu_item.h"
#include "ui/win/popup_menu.h"

namespace velmado::app {

struct TrayMenuArrays {
    std::vector<ui::MenuItem*> MPPWindowFile;     // 0..9, recent rule files
    std::vector<ui::MenuItem*> MPPMonEnabled;     // 0..9
    std::vector<ui::MenuItem*> MPPMonitorAll;     // 0..9
    std::vector<ui::MenuItem*> MPPTransTaskBar;   // 1..19 = 5 x index + 5 percent; entry 0 is null
    std::vector<ui::MenuItem*> MPPStartButton;    // 0..3
    std::vector<ui::MenuItem*> MPPDispDialogTime; // 0..6
    std::vector<ui::MenuItem*> MPPDelay;          // 0..29 = index x 2 seconds
    std::vector<ui::MenuItem*> MPPScrollHook;     // 0 page, 1..100 lines
    std::vector<ui::MenuItem*> MPPScrollSystem;   // 0 page, 1..100 lines
    std::vector<ui::MenuItem*> MPPReStart;        // 0..4
    std::vector<ui::MenuItem*> MPPProfile;        // 0..4, recent profiles
    std::vector<ui::MenuItem*> MPPDTPWinLoad;     // 0..4, recent desktop layouts
    std::vector<ui::MenuItem*> MPPDisplayChange;  // 0..3, captions by Windows version
};

// Fills the empty tray menu with its whole tree and returns its item arrays; the pointers stay
// valid for the life of the menu. Items whose captions follow the system or the state are blank
// until the menu's owner sets them.
TrayMenuArrays BuildTrayMenu(ui::PopupMenu& menu);

// Shows, hides and names the entries that depend on the Windows version, once at start-up.
// The elevated one-shot run is offered only where user account control would ask for it.
void ApplyWindowsVersion(ui::PopupMenu& menu, const TrayMenuArrays& arrays,
                         const common::WindowsVersion& version, bool uacEnabled,
                         bool runningAsAdmin);

} // namespace velmado::app
