#pragma once
// The shield mark on menu items that start something with administrator rights.
#include <windows.h>

#include "common/win/handles.h"

namespace velmado::win {

// The shell's small shield icon, owned by the caller; empty when the system has none.
UniqueIcon ShieldIcon();

} // namespace velmado::win
