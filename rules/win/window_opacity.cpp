#include "rules/win/window_opacity.h"

#include <algorithm>

namespace velmado::rules {

namespace {

BYTE OpacityAlpha(int percent) {
    if (percent == 100) {
        return 255;
    }
    // 97 % and more already give full alpha.
    const long long alpha = static_cast<long long>(percent) * 263 / 100;
    return static_cast<BYTE>(std::clamp<long long>(alpha, 8, 255));
}

} // namespace

void SetWindowOpacity(HWND window, int percent) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, OpacityAlpha(percent), LWA_ALPHA);
    if (percent == 100) {
        SetWindowLongPtrW(window, GWL_EXSTYLE,
                          GetWindowLongPtrW(window, GWL_EXSTYLE) &
                              ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
}

} // namespace velmado::rules
