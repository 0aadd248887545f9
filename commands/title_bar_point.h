#pragma once
// Where the cursor goes on a window's title bar when the program activates the window for the
// user: near its icon, in the middle, or near its buttons.
#include "common/geometry.h"

namespace velmado::commands {

enum class TitleBarSpot { Left = 0, Centre = 1, Right = 2 };

// The system's sizes that the spot depends on (SM_CXSIZE, SM_CXBORDER, SM_CXSMICON, SM_CYCAPTION,
// SM_CYBORDER).
struct TitleBarMetrics {
    int cxSize = 0;
    int cxBorder = 0;
    int cxSmIcon = 0;
    int cyCaption = 0;
    int cyBorder = 0;
};

// A spot number from the settings: 0 left, 1 centre, 2 right; anything else counts as left.
TitleBarSpot TitleBarSpotFromSetting(int setting);

common::Point TitleBarCursorPoint(const common::Rect& window, TitleBarSpot spot,
                                  const TitleBarMetrics& metrics);

} // namespace velmado::commands
