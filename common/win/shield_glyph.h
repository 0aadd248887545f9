#pragma once
// The shield mark on menu items that start something with administrator rights.
#include <windows.h>

#include "common/win/handles.h"

namespace velmado::win {

// Gives the menu item (by command id, or by position) the shell's small shield icon. The menu
// does not own item bitmaps: keep the returned bitmap for as long as the menu lives. Empty when
// the system has no shield icon or the item does not exist.
UniqueGdiObject SetShieldGlyph(HMENU menu, UINT item, bool byPosition = false);

} // namespace velmado::win
