#include "commands/title_bar_point.h"

namespace velmado::commands {

TitleBarSpot TitleBarSpotFromSetting(int setting) {
    switch (setting) {
    case 1:
        return TitleBarSpot::Centre;
    case 2:
        return TitleBarSpot::Right;
    default:
        return TitleBarSpot::Left;
    }
}

common::Point TitleBarCursorPoint(const common::Rect& window, TitleBarSpot spot,
                                  const TitleBarMetrics& m) {
    const int captionMiddle = window.top + m.cyCaption / 2 + m.cyBorder;
    switch (spot) {
    case TitleBarSpot::Centre:
        return {window.left + window.Width() / 2, window.top + m.cyCaption};
    case TitleBarSpot::Right:
        return {window.right - m.cxSize / 2 - 2 * m.cxBorder, captionMiddle};
    case TitleBarSpot::Left:
        break;
    }
    // Just right of the window's icon.
    return {window.left + m.cxSize / 2 + 2 * m.cxBorder + m.cxSmIcon, captionMiddle};
}

} // namespace velmado::commands
