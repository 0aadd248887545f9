#pragma once
// The window menu's tree and the arrays of its numbered items. Each array item's tag is its index,
// so that one handler serves a group by dispatching on the sender's tag.
#include <vector>

#include "ui/menu_item.h"

namespace velmado::commands {

// Image slots of the window menu's image list.
inline constexpr int kNameImage = 0;   // the target program's icon beside PPName
inline constexpr int kShieldImage = 1; // the mark of the commands that ask for elevation

struct WindowMenuArrays {
    std::vector<ui::MenuItem*> MPPWin;      // 0..23, PPWinMenu0 .. PPWinMenu23
    std::vector<ui::MenuItem*> MPPMon;      // 0..9, the monitor index
    std::vector<ui::MenuItem*> MPPTransWin; // 1..19 = 5 x index + 5 percent; entry 0 is null
    std::vector<ui::MenuItem*> MPPHis;      // 1..5; entry 0 is null
    std::vector<ui::MenuItem*> MPPPriority; // 0..4
};

// Fills the empty root with the whole window menu and returns its item arrays; the pointers stay
// valid for the life of the root. The monitor entries stay hidden and blank, and the history
// entries disabled and blank, until their owners fill them.
WindowMenuArrays BuildWindowMenu(ui::MenuItem& root);

} // namespace velmado::commands
