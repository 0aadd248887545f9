#pragma once
// The window pass: one walk over all top-level windows, top of the Z order first. In normal mode
// each eligible window goes to dialog placement, the rules and the work-area watch, and in
// resident mode the walk ends right after the window that raised the last event. A command that
// needs every window arms one of the one-shot modes below and runs the pass itself; every mode
// is cleared when the pass ends, whatever happened in it.
#include <windows.h>

#include <array>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "ui/win/timer.h"

namespace velmado::rules {

// A per-window step: window, program path, caption, class, rectangle (left, top, width, height).
using WindowStep =
    std::function<void(HWND, const std::wstring& program, const std::wstring& caption,
                       const std::wstring& className, const common::XYWH&)>;
// The work-area watch takes the rectangle as left, top, right, bottom.
using WorkAreaStep =
    std::function<void(HWND, const std::wstring& program, const std::wstring& caption,
                       const std::wstring& className, const common::Rect&)>;

// What the pass reads from the main form; an empty accessor counts as false / none.
struct PassSettings {
    std::function<bool()> rulesEnabled;      // "rules enabled" menu check
    std::function<bool()> workAreasEnabled;  // "work areas enabled" menu check
    std::function<bool()> disableDeskTop;    // ignore windows that lie off all monitors
    std::function<bool()> ruleEditorVisible; // the rule editor is open
    std::function<HWND()> eventWindow;       // the window of the last event (none: all windows)
    // Work area of a monitor index for the monitor moves; the system's when empty.
    std::function<common::Rect(int)> workArea;
    // False for the one-shot run ("/Q"), which covers all windows and then ends.
    bool resident = true;
    // This program's executable; windows of the same file name belong to this program.
    std::wstring ownProgram;
};

// Where the pass hands windows; an empty target is skipped.
struct PassTargets {
    // Normal mode.
    WindowStep moveDialog;
    WindowStep moveWindow;
    WorkAreaStep snapMoveWindow;
    // List modes.
    WindowStep ruleEditorList;
    WindowStep directEditorList;
    // Collection modes.
    WindowStep desktopLayout;
    WindowStep swapDeskTop;
    WindowStep hideWindow;
    std::function<void()> showDeskTop;         // completes the dual-desktop swap
    std::function<void()> trayIconDualDeskTop; // shows the set now in front
    // True when a rule governs the window, with its fixing kind ("位置", "位置大きさ", "大きさ",
    // "").
    std::function<bool(HWND, std::wstring& kind)> fixedPosSize;
    // The window-list entry `index` for a window: the main form sets its caption, icon and
    // visibility.
    std::function<void(int index, HWND, const std::wstring& program,
                       const std::wstring& itemCaption)>
        menuWinListItem;
    // Closes the main form, 500 ms after a one-shot run's pass (on a timer; the loop runs on).
    std::function<void()> closeMainForm;
};

class WindowPass {
public:
    WindowPass();
    WindowPass(const WindowPass&) = delete;
    WindowPass& operator=(const WindowPass&) = delete;

    PassSettings settings;
    PassTargets targets;

    // The pass. An exception inside it leaves the process at normal priority with every mode
    // cleared (and a one-shot run still ends), then goes on to the caller.
    void Proc_MoveWindowMain();
    // One window; false ends the walk.
    bool Func_EnumWindowMain(HWND window);

    // Count mode: other programs' ordinary windows are counted into MWindowC (reset by the
    // caller).
    bool FWindowC = false;
    int MWindowC = 0;
    bool FTaskBarClk = false; // minimise the windows on the monitor under the cursor
    bool FMonitorAll = false; // all windows to monitor MMonitorAllC
    int MMonitorAllC = 0;
    bool FMonitorSwap = false; // collect the windows of monitors 0 and 1 into MMonitorSwapList
    std::array<std::vector<HWND>, 2> MMonitorSwapList;
    bool FPPMenuWinList = false; // fill the window-list menu; handles go to ListBoxWinList
    std::vector<HWND> ListBoxWinList;
    bool FDeskTopWindow = false; // record the desktop window layout
    bool FDualDeskTop = false;   // swap the dual desktop's window sets
    int MDeskTopC = 1;           // the set (1 or 2) in front
    bool FAllHide = false;       // hide all windows
    bool FWindowList = false;    // fill the rule editor's window list
    bool FWindowDirect = false;  // fill the direct editor's window list

    void Proc_TaskBarClkWindow(HWND window, const common::XYWH& rect);
    void Proc_MonitorAllWindow(HWND window, const common::XYWH& rect);
    void Proc_MonitorSwapWindow(HWND window, const common::XYWH& rect);
    void Proc_MenuWinListWindow(HWND window, const std::wstring& program,
                                const std::wstring& caption, const common::XYWH& rect);
    // After a swap pass: moves the collected windows of monitor 0 to monitor 1 and back, then
    // empties both lists.
    void Proc_MonitorSwapMove();

private:
    static BOOL CALLBACK EnumProc(HWND window, LPARAM parameter);
    bool Flag(const std::function<bool()>& setting) const { return setting && setting(); }
    bool BelongsToOtherProgram(const std::wstring& program) const;
    bool PositionFixed(HWND window) const;
    common::Rect WorkAreaOf(int monitor) const;
    // Restores a maximised window, moves it by the work-area mapping, maximises it again.
    void MoveBetweenMonitors(HWND window, int source, int destination, bool centreIfMissed);
    // Normal priority, all modes cleared, and the end of a one-shot run set going.
    void EndPass() noexcept;

    std::exception_ptr enumError_;
    ui::Timer endTimer_;
};

} // namespace velmado::rules
