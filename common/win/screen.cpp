#include "common/win/screen.h"

#include <algorithm>

namespace velmado::win {

namespace {

bool ReadMonitor(HMONITOR handle, Monitor& monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(handle, &info)) {
        return false;
    }
    monitor.handle = handle;
    monitor.bounds = ToRect(info.rcMonitor);
    monitor.workArea = ToRect(info.rcWork);
    monitor.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    return true;
}

BOOL CALLBACK CollectMonitor(HMONITOR handle, HDC, LPRECT, LPARAM parameter) {
    Monitor monitor;
    if (ReadMonitor(handle, monitor)) {
        reinterpret_cast<std::vector<Monitor>*>(parameter)->push_back(monitor);
    }
    return TRUE;
}

} // namespace

common::Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

RECT ToRECT(const common::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

Screen& Screen::Get() {
    static Screen screen;
    return screen;
}

Screen::Screen() {
    Refresh();
}

void Screen::Refresh() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    monitors_ = std::move(monitors);
}

int Screen::PrimaryIndex() const {
    const auto it = std::find_if(monitors_.begin(), monitors_.end(),
                                 [](const Monitor& m) { return m.primary; });
    return it == monitors_.end() ? 0 : static_cast<int>(it - monitors_.begin());
}

int Screen::IndexOf(HMONITOR monitor) const {
    if (monitor == nullptr) {
        return -1;
    }
    const auto it = std::find_if(monitors_.begin(), monitors_.end(),
                                 [monitor](const Monitor& m) { return m.handle == monitor; });
    return it == monitors_.end() ? -1 : static_cast<int>(it - monitors_.begin());
}

int Screen::IndexAtPoint(common::Point point) const {
    const int index = IndexOf(MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONULL));
    if (index >= 0) {
        return index;
    }
    // A handle the list does not know (the display changed since the last refresh): go by the
    // stored bounds so the answer still uses the program's numbering.
    const auto it = std::find_if(monitors_.begin(), monitors_.end(),
                                 [point](const Monitor& m) { return m.bounds.Contains(point); });
    return it == monitors_.end() ? -1 : static_cast<int>(it - monitors_.begin());
}

int Screen::IndexOfWindow(HWND window) const {
    const int index = IndexOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    return index < 0 ? 0 : index;
}

common::Rect Screen::Bounds(int index) const {
    if (index < 0 || index >= MonitorCount()) {
        return {};
    }
    Monitor now;
    return ReadMonitor(monitors_[index].handle, now) ? now.bounds : monitors_[index].bounds;
}

common::Rect Screen::WorkArea(int index) const {
    if (index < 0 || index >= MonitorCount()) {
        return {};
    }
    // The work area follows the taskbar; read it now rather than at the last refresh.
    Monitor now;
    return ReadMonitor(monitors_[index].handle, now) ? now.workArea : monitors_[index].workArea;
}

common::Rect Screen::DesktopRect() const {
    if (monitors_.empty()) {
        return {};
    }
    common::Rect r = monitors_.front().bounds;
    for (const Monitor& m : monitors_) {
        r.left = std::min(r.left, m.bounds.left);
        r.top = std::min(r.top, m.bounds.top);
        r.right = std::max(r.right, m.bounds.right);
        r.bottom = std::max(r.bottom, m.bounds.bottom);
    }
    return r;
}

int PrimaryMonitorIndex() {
    return Screen::Get().PrimaryIndex();
}

int MonitorIndexAtPoint(POINT point) {
    return Screen::Get().IndexAtPoint({point.x, point.y});
}

int MonitorIndexOfWindow(HWND window) {
    return Screen::Get().IndexOfWindow(window);
}

} // namespace velmado::win
