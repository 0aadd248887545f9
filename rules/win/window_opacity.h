#pragma once
// The one way this program changes a window's opacity.
#include <windows.h>

namespace velmado::rules {

// Sets the opacity in percent through the layered style: 100 % is fully opaque and drops the
// layered style again; below that alpha is percent x 263 / 100, kept within 8 ... 255, so that
// no window ever becomes invisible.
void SetWindowOpacity(HWND window, int percent);

} // namespace velmado::rules
