#include "common/win/window_geometry.h"

#include "common/placement.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"

namespace velmado::win {

namespace {

constexpr int kParkedPosition = -32000;
// Parent chains are short; the bound only guards against a chain that loops.
constexpr int kMaxChain = 1000;

bool MoveTo(HWND window, const common::XYWH& r) {
    return MoveWindow(window, r.left, r.top, r.width, r.height, TRUE) != FALSE;
}

} // namespace

std::optional<common::Rect> GetWindowRectChecked(HWND window) {
    RECT r{};
    // Not every system parks minimised windows at -32000 (Wine lays them out as icons), so ask.
    if (IsIconic(window) || !GetWindowRect(window, &r) ||
        (r.left == kParkedPosition && r.top == kParkedPosition)) {
        return std::nullopt;
    }
    return ToRect(r);
}

std::optional<common::XYWH> GetWindowXYWH(HWND window) {
    const std::optional<common::Rect> r = GetWindowRectChecked(window);
    if (!r) {
        return std::nullopt;
    }
    return common::XYWH{r->left, r->top, r->Width(), r->Height()};
}

bool IsRectOffscreen(int left, int top, int width, int height) {
    return common::IsRectOffscreen({left, top, width, height}, [](common::Point p) {
        return MonitorFromPoint({p.x, p.y}, MONITOR_DEFAULTTONULL) != nullptr;
    });
}

bool PlaceOnMonitor(HWND window, int type, int monitorIndex, bool fullBounds) {
    const std::optional<common::XYWH> current = GetWindowXYWH(window);
    const Screen& screen = Screen::Get();
    if (!current || monitorIndex < 0 || monitorIndex >= screen.MonitorCount()) {
        return false;
    }
    const common::Rect area =
        fullBounds ? screen.Bounds(monitorIndex) : screen.WorkArea(monitorIndex);
    const common::XYWH placed = common::PlaceInArea(type, area, *current);
    if (!common::PlacementAllowed(placed, GetSystemMetrics(SM_CYCAPTION))) {
        return false;
    }
    return MoveTo(window, placed);
}

bool PlaceOnPrimary(HWND window, int type) {
    const std::optional<common::XYWH> current = GetWindowXYWH(window);
    RECT workArea{};
    if (!current || !SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0)) {
        return false;
    }
    const TaskbarPosition taskbar = GetTaskbarEdge();
    const common::Rect area =
        common::PrimaryScreenArea(ToRect(workArea), taskbar.edge, taskbar.rect);
    return MoveTo(window, common::PlaceInArea(type, area, *current));
}

bool RescueOffscreenWindow(HWND window) {
    if (IsZoomed(window)) {
        return false;
    }
    const std::optional<common::XYWH> r = GetWindowXYWH(window);
    if (!r || !IsRectOffscreen(r->left, r->top, r->width, r->height)) {
        return false;
    }
    return PlaceOnPrimary(window, common::kCentre);
}

bool SetTopmost(HWND window, bool on) {
    return SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW) != FALSE;
}

void MakeToolWindow(HWND window) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_TOOLWINDOW);
}

HWND NextVisibleWindow(HWND window) {
    for (HWND next = GetWindow(window, GW_HWNDNEXT); next != nullptr;
         next = GetWindow(next, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(next, GWL_STYLE) & WS_VISIBLE) != 0) {
            return next;
        }
    }
    return nullptr;
}

HWND RootParent(HWND window) {
    for (int i = 0; i < kMaxChain; ++i) {
        HWND parent = GetParent(window);
        if (parent == nullptr) {
            break;
        }
        window = parent;
    }
    return window;
}

HWND CaptionedAncestor(HWND window) {
    constexpr LONG_PTR kVisibleCaption = WS_VISIBLE | WS_CAPTION;
    for (int i = 0; i < kMaxChain; ++i) {
        HWND parent = GetParent(window);
        if (parent == nullptr ||
            (GetWindowLongPtrW(window, GWL_STYLE) & kVisibleCaption) == kVisibleCaption) {
            break;
        }
        window = parent;
    }
    return window;
}

HWND WindowAtCursor() {
    POINT cursor{};
    return GetCursorPos(&cursor) ? WindowFromPoint(cursor) : nullptr;
}

} // namespace velmado::win
