#include "common/win/shell_windows.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "common/placement.h"
#include "common/taskbar_edges.h"
#include "common/win/foreground.h"
#include "common/win/os_version.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"

namespace velmado::win {

namespace {

constexpr wchar_t kTaskbarClass[] = L"Shell_TrayWnd";
constexpr wchar_t kSecondaryTaskbarClass[] = L"Shell_SecondaryTrayWnd";
constexpr wchar_t kDesktopViewClass[] = L"SHELLDLL_DefView";
// The shell's windows may hang; never wait on them for long.
constexpr UINT kShellTimeout = 2000;

LRESULT SendToShell(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (window == nullptr || !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                  kShellTimeout, &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The remembered taskbar while it exists, else a fresh lookup.
HWND CurrentTaskbar() {
    HWND taskbar = Shell().taskbar;
    return taskbar != nullptr && IsWindow(taskbar) ? taskbar : FindTaskbar();
}

HWND TaskbarButton(HWND taskbar) {
    return taskbar == nullptr ? nullptr : FindWindowExW(taskbar, nullptr, L"Button", nullptr);
}

HWND DesktopView() {
    HWND host = Shell().desktopHost;
    return host == nullptr ? nullptr : FindWindowExW(host, nullptr, kDesktopViewClass, nullptr);
}

UINT AppBarState() {
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    return static_cast<UINT>(SHAppBarMessage(ABM_GETSTATE, &data));
}

void SetListViewColor(UINT message, COLORREF color) {
    HWND view = FindDesktopListView();
    if (view != nullptr) {
        SendToShell(view, message, 0, static_cast<LPARAM>(color));
        InvalidateRect(view, nullptr, TRUE);
    }
}

std::optional<COLORREF> ListViewColor(UINT message) {
    HWND view = FindDesktopListView();
    if (view == nullptr) {
        return std::nullopt;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(view, message, 0, 0, SMTO_ABORTIFHUNG, kShellTimeout, &result)) {
        return std::nullopt;
    }
    return static_cast<COLORREF>(result);
}

void SendKey(BYTE key, bool down) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)),
                down ? 0 : KEYEVENTF_KEYUP, 0);
}

bool PointOnAnyMonitor(int x, int y) {
    return MonitorFromPoint({x, y}, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace

ShellState& Shell() {
    static ShellState state;
    return state;
}

HWND FindTaskbar() {
    Shell().taskbar = FindWindowW(kTaskbarClass, nullptr);
    return Shell().taskbar;
}

HWND FindStartButton() {
    HWND button = TaskbarButton(CurrentTaskbar());
    if (button == nullptr) {
        button = FindWindowW(L"Button", L"スタート");
    }
    Shell().startButton = button;
    return button;
}

int TaskbarMonitorIndex() {
    return MonitorIndexOfWindow(Shell().taskbar);
}

void ScanTaskbars() {
    ShellState& state = Shell();
    state.taskbars.fill({});
    state.primaryTaskbarMonitor = 0;
    const Screen& screen = Screen::Get();
    // EnumWindows goes down the Z order. The first taskbar on a monitor keeps its slot, so that
    // the table agrees with FindTaskbar (FindWindow also takes the topmost match) when a stale or
    // hidden second "Shell_TrayWnd" exists.
    std::array<bool, kMaxMonitors> taken{};
    bool primaryFound = false;
    for (HWND window : TopLevelWindows()) {
        const std::wstring className = WindowClass(window);
        const bool primary = className == kTaskbarClass;
        if (!primary && className != kSecondaryTaskbarClass) {
            continue;
        }
        const int index = screen.IndexOfWindow(window);
        if (index < 0 || index >= kMaxMonitors) {
            continue;
        }
        if (!taken[index]) {
            taken[index] = true;
            state.taskbars[index].window = window;
        }
        if (primary && !primaryFound) {
            primaryFound = true;
            state.primaryTaskbarMonitor = index;
        }
    }
    const int count = std::min(screen.MonitorCount(), kMaxMonitors);
    for (int i = 0; i < count; ++i) {
        TaskbarSlot& slot = state.taskbars[i];
        const std::optional<common::Rect> rect = GetWindowRectChecked(slot.window);
        slot.rect = rect.value_or(common::Rect{});
        slot.edge = slot.window != nullptr && rect
                        ? common::ClassifyTaskbarEdge(*rect, screen.Bounds(i))
                        : common::kTaskbarNone;
    }
}

int TaskbarMonitorOf(HWND window) {
    if (window == nullptr) {
        return -1;
    }
    const int count = std::min(Screen::Get().MonitorCount(), kMaxMonitors);
    for (int i = 0; i < count; ++i) {
        if (Shell().taskbars[i].window == window) {
            return i;
        }
    }
    return -1;
}

bool IsTaskbarAutoHide() {
    return (AppBarState() & ABS_AUTOHIDE) != 0;
}

bool IsTaskbarAlwaysOnTop() {
    return (AppBarState() & ABS_ALWAYSONTOP) != 0;
}

TaskbarPosition GetTaskbarEdge() {
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data)) {
        return {};
    }
    return {common::AppBarEdgeFromShell(data.uEdge), ToRect(data.rc)};
}

std::wstring GetStartButtonText() {
    HWND button = TaskbarButton(CurrentTaskbar());
    if (button == nullptr) {
        return {};
    }
    wchar_t text[261] = {};
    SendToShell(button, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

bool SetStartButtonText(const std::wstring& text) {
    HWND button = TaskbarButton(CurrentTaskbar());
    if (button == nullptr) {
        return false;
    }
    SendToShell(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // The button repaints its new caption only on a focus change.
    PostMessageW(button, WM_SETFOCUS, 0, 0);
    PostMessageW(button, WM_KILLFOCUS, 0, 0);
    return true;
}

void OpenStartMenu() {
    HWND primary = FindWindowW(kTaskbarClass, nullptr);
    HWND target = primary;
    const common::WindowsVersion& version = SystemVersion();
    if (common::IsWin8OrLater(version) && Screen::Get().MonitorCount() > 1) {
        POINT cursor{};
        const int index = GetCursorPos(&cursor) ? MonitorIndexAtPoint(cursor) : -1;
        if (index >= 0 && index < kMaxMonitors) {
            const TaskbarSlot& slot = Shell().taskbars[index];
            if (slot.window != nullptr && PointOnAnyMonitor(slot.rect.left, slot.rect.top)) {
                target = slot.window;
            }
        }
        if (!IsWindowVisible(target)) {
            target = primary;
        }
    }
    if (target == nullptr) {
        return;
    }
    ForceForeground(target);
    if (!common::IsWin81OrLater(version)) {
        PostMessageW(target, WM_USER + 260, 0, 0);
    } else if (target == primary) {
        SendKey(VK_CONTROL, true);
        SendKey(VK_ESCAPE, true);
        SendKey(VK_ESCAPE, false);
        SendKey(VK_CONTROL, false);
    }
    if (common::IsWin11(version)) {
        return;
    }
    RECT r{};
    if (GetWindowRect(TaskbarButton(target), &r)) {
        SetCursorPos(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2);
    } else if (GetWindowRect(target, &r)) {
        SetCursorPos(r.left + 25, r.top + 15);
    }
}

HWND FindDesktopHost() {
    HWND host = nullptr;
    for (HWND window : TopLevelWindows()) {
        const std::wstring className = WindowClass(window);
        if ((className == L"Progman" || className == L"WorkerW") &&
            FindWindowExW(window, nullptr, kDesktopViewClass, nullptr) != nullptr) {
            host = window;
            break;
        }
    }
    Shell().desktopHost = host;
    return host;
}

HWND FindDesktopListView() {
    HWND host = FindDesktopHost();
    HWND view =
        host == nullptr ? nullptr : FindWindowExW(host, nullptr, kDesktopViewClass, nullptr);
    return view == nullptr ? nullptr : FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr);
}

void RefreshDesktop(bool iniChangeOnly) {
    if (iniChangeOnly) {
        SendToShell(FindDesktopListView(), WM_WININICHANGE, 0, 0);
        return;
    }
    HWND host = Shell().desktopHost;
    if (host == nullptr) {
        return;
    }
    constexpr WPARAM kRefreshCommand = 41061;
    SendToShell(host, WM_COMMAND, kRefreshCommand, 0);
    PostMessageW(host, WM_KEYDOWN, VK_F5, 0);
    PostMessageW(host, WM_KEYUP, VK_F5, 0);
}

std::optional<COLORREF> GetDesktopTextColor() {
    return ListViewColor(LVM_GETTEXTCOLOR);
}

std::optional<COLORREF> GetDesktopTextBkColor() {
    return ListViewColor(LVM_GETTEXTBKCOLOR);
}

void SetDesktopTextColor(COLORREF color) {
    SetListViewColor(LVM_SETTEXTCOLOR, color);
}

void SetDesktopTextBkColor(COLORREF color) {
    SetListViewColor(LVM_SETTEXTBKCOLOR, color);
}

void SetDesktopIconView(int mode) {
    static constexpr std::array<WPARAM, 4> kViews = {LV_VIEW_ICON, LV_VIEW_SMALLICON, LV_VIEW_LIST,
                                                     LV_VIEW_DETAILS};
    if (mode < 0 || mode >= static_cast<int>(kViews.size())) {
        return;
    }
    SendToShell(FindDesktopListView(), LVM_SETVIEW, kViews[static_cast<size_t>(mode)], 0);
}

HWND HideDesktopIcons(bool hide) {
    HWND view = DesktopView();
    if (view != nullptr) {
        ShowWindow(view, hide ? SW_HIDE : SW_SHOW);
    }
    return view;
}

int CountTopWindows() {
    Shell().windowCount = static_cast<int>(TopLevelWindows().size());
    return Shell().windowCount;
}

} // namespace velmado::win
