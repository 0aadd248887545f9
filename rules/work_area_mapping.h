#pragma once
// Moving a window from one monitor's work area to another's so that it keeps its place
// proportionally: the distance to the nearer left/right and top/bottom edge scales with the
// area, and so does the size.
#include <optional>

#include "common/geometry.h"

namespace velmado::rules {

// Halves go to the even neighbour; values beyond the int range are clamped to it.
int RoundHalfEven(double value);

// The window (left, top, width, height) mapped from `source` to `destination`. Nothing when the
// source area has no width or height: there is no proportion to keep, so the window stays.
std::optional<common::XYWH> MapBetweenWorkAreas(const common::XYWH& window,
                                                const common::Rect& source,
                                                const common::Rect& destination);

} // namespace velmado::rules
