#pragma once
// The shell's own windows: the taskbars and start button, the desktop icon view.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "common/geometry.h"
#include "common/win/screen.h"

namespace velmado::win {

struct TaskbarSlot {
    HWND window = nullptr;
    common::Rect rect;
    int edge = 0; // common::TaskbarEdge
};

// What the shell lookups found last. Main thread only.
struct ShellState {
    HWND taskbar = nullptr;
    HWND startButton = nullptr;
    HWND desktopHost = nullptr;
    std::array<TaskbarSlot, kMaxMonitors> taskbars{}; // by monitor index
    int primaryTaskbarMonitor = 0;
    int windowCount = 0;
};
ShellState& Shell();

// The primary taskbar ("Shell_TrayWnd"), remembered.
HWND FindTaskbar();
// The taskbar's "Button" child, or a top-level start button; remembered.
HWND FindStartButton();
// The monitor of the remembered taskbar.
int TaskbarMonitorIndex();
// Fills the per-monitor taskbar table.
void ScanTaskbars();
// The monitor whose table slot holds this window; -1 when it is no known taskbar.
int TaskbarMonitorOf(HWND window);

bool IsTaskbarAutoHide();
bool IsTaskbarAlwaysOnTop();
struct TaskbarPosition {
    int edge = -1; // common::AppBarEdge
    common::Rect rect;
};
TaskbarPosition GetTaskbarEdge();

std::wstring GetStartButtonText();
// False when the taskbar has no start button child.
bool SetStartButtonText(const std::wstring& text);
void OpenStartMenu();

// The first "Progman" or "WorkerW" window (in Z order) that holds the desktop icon view;
// remembered.
HWND FindDesktopHost();
// The desktop icon list view.
HWND FindDesktopListView();
// Re-reads the desktop settings, or (iniChangeOnly false) refreshes the desktop like F5.
void RefreshDesktop(bool iniChangeOnly);
std::optional<COLORREF> GetDesktopTextColor();
std::optional<COLORREF> GetDesktopTextBkColor();
void SetDesktopTextColor(COLORREF color);
void SetDesktopTextBkColor(COLORREF color);
// 0 icons, 1 small icons, 2 list, 3 details; other modes do nothing.
void SetDesktopIconView(int mode);
// Hides or shows the desktop icon view; the view window, or null when there is none.
HWND HideDesktopIcons(bool hide);

// The number of top-level windows now (also remembered).
int CountTopWindows();

} // namespace velmado::win
