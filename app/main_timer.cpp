// The main timer: every 250 ms it watches tablet mode, the taskbar, the foreground window and the
// recorded events, and runs the window pass when something changed.
#include <algorithm>
#include <cwctype>

#include "app/tray_form.h"
#include "common/windows_version.h"
#include "common/win/os_version.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"

namespace velmado::app {

namespace {

constexpr UINT kTickMs = 250;
constexpr auto kTaskbarGrace = std::chrono::seconds(60);

std::wstring Caption(HWND window) {
    wchar_t text[261] = {};
    GetWindowTextW(window, text, 261);
    return text;
}

std::wstring LowerFileName(const std::wstring& path) {
    std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return name;
}

// The taskbar, the touch keyboard, the shell's flyouts and the start menu.
bool IsShellSurface(HWND root) {
    if (root == nullptr) {
        return false;
    }
    if (root == win::Shell().taskbar ||
        FindWindowExW(root, nullptr, L"Windows.UI.Core.CoreWindow",
                      L"Microsoft Text Input Application") != nullptr) {
        return true;
    }
    const std::wstring program = LowerFileName(win::GetWindowExePath(root));
    return program == L"shellexperiencehost.exe" || program == L"startmenuexperiencehost.exe";
}

bool SystemFlag(UINT action) {
    BOOL value = FALSE;
    SystemParametersInfoW(action, 0, &value, 0);
    return value != FALSE;
}

UINT SystemNumber(UINT action) {
    DWORD value = 0;
    SystemParametersInfoW(action, 0, &value, 0);
    return value;
}

// Changes a setting for the running session only: broadcast, not stored in the user's profile.
void SetForSession(UINT action, UINT value) {
    SystemParametersInfoW(action, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(value)),
                          SPIF_SENDCHANGE);
}

// Stops the main timer for the rest of a tick and starts it again whatever happens in it.
class TimerPause {
public:
    explicit TimerPause(ui::Timer& timer) : timer_(timer) { timer_.SetEnabled(false); }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;
    ~TimerPause() {
        if (!cancelled_) {
            timer_.SetEnabled(true);
        }
    }
    void KeepStopped() { cancelled_ = true; }

private:
    ui::Timer& timer_;
    bool cancelled_ = false;
};

} // namespace

void TrayForm::TimerMainTimer() {
    if (TabletModeStep()) {
        return;
    }
    if (!Resident()) {
        // The one-shot run: one pass, which ends the program.
        TimerMain.SetEnabled(false);
        RunPass();
        return;
    }
    if (TimerMain.Interval() > kTickMs) {
        TimerMain.SetInterval(kTickMs);
        return;
    }
    if (FPopUpL || FPopUpR || FPopUpM) {
        // No pass under an open menu; the next tick after it sees a changed foreground.
        MNowHandleB = nullptr;
        MActWinB = nullptr;
        return;
    }
    TimerPause pause(TimerMain);
    if (TaskbarVanished()) {
        pause.KeepStopped();
        return;
    }
    if (windowForm_.Visible()) {
        windowForm_.Proc_CheckDialog();
    }
    Proc_XMouseUpkeep();
    if (eventHook_.FEventForeground) {
        Proc_SelectTarget();
    }

    FProcEdge = false;
    const int count = win::CountTopWindows();
    if (count != MProcessC) {
        MProcessC = count;
        FProcEdge = true;
        win::FindDesktopHost();
    }
    TrackForeground();
    if (target_.window != MNowHandleB) {
        MNowHandleB = target_.window;
        FProcEdge = true;
    }
    if (FTaskBar != FTaskBarB) {
        FTaskBarB = FTaskBar;
        FProcEdge = true;
    }
    TrackEventList();
    if (FProcEdge) {
        ruleEngine_.Proc_DeleteWindow();
        Proc_DeleteState();
        RunPass();
        eventHook_.MEventWindow = nullptr;
    }
}

// True when the tick ends here because the tablet-mode cover is up (Windows 10 only).
bool TrayForm::TabletModeStep() {
    if (!common::IsWin10(win::SystemVersion())) {
        return false;
    }
    const HWND cover = FindWindowW(L"TabletModeCoverWindow", nullptr);
    const bool coverShown = cover != nullptr && IsWindowVisible(cover);
    if (!FTabletMode) {
        if (Resident() && config_.PPTabletMode && coverShown) {
            FTabletMode = true;
            eventHook_.Uninstall();
            Proc_TrayIconState();
            TrayIcon.SetHint(L"タブレットモード時は全ての処理を停止中");
            TrayIcon.SetEnabled(false);
        }
        return false;
    }
    if (coverShown) {
        return true;
    }
    FTabletMode = false;
    RefreshMonitors();
    eventHook_.Install();
    TrayIcon.SetEnabled(true);
    Proc_TrayIconState();
    return false;
}

void TrayForm::RefreshMonitors() {
    win::Screen::Get().Refresh();
    monitorCount_ = win::Screen::Get().MonitorCount();
    if (eventHook_.Installed()) {
        eventHook_.Uninstall();
        eventHook_.Install();
    }
}

// The taskbar is gone while Explorer restarts; without it for 60 s the program ends through its
// normal close. The wait is spread over the ticks so the program stays responsive.
bool TrayForm::TaskbarVanished() {
    const HWND taskbar = win::Shell().taskbar;
    if ((taskbar != nullptr && IsWindow(taskbar)) || win::FindTaskbar() != nullptr) {
        taskbarMissingSince_.reset();
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!taskbarMissingSince_) {
        taskbarMissingSince_ = now;
    }
    if (now - *taskbarMissingSince_ < kTaskbarGrace) {
        return false;
    }
    TrayIcon.SetVisible(false);
    if (FPopUpL || FPopUpR || FPopUpM) {
        Proc_CloseMenus();
        FPopUpL = FPopUpR = FPopUpM = false;
    }
    form_.Close();
    return true;
}

void TrayForm::TrackForeground() {
    const HWND foreground = GetForegroundWindow();
    if (foreground == nullptr || !IsWindowVisible(foreground)) {
        MActWinB = nullptr;
        return;
    }
    if (eventHook_.FEventForeground || FActMe) {
        eventHook_.FEventForeground = false;
        if (foreground != MActWinB) {
            MActWinB = foreground;
            FProcEdge = true;
            if (const auto rect = win::GetWindowRectChecked(foreground)) {
                MActRectB = *rect;
            }
        }
    }
    if (eventHook_.FEventMoved || FActMe) {
        eventHook_.FEventMoved = false;
        const auto rect = win::GetWindowRectChecked(foreground);
        if (rect && *rect != MActRectB) {
            MActRectB = *rect;
            FProcEdge = true;
        }
    }
    std::wstring caption = Caption(foreground);
    if (caption != MActCap) {
        MActCap = std::move(caption);
        FProcEdge = true;
    }
}

// The windows that raised events wait, newest first, until the one at the head is under the
// mouse cursor (a click or a drag on it); then the pass runs for it.
void TrayForm::TrackEventList() {
    const HWND eventWindow = eventHook_.MEventWindow;
    if (eventWindow != nullptr &&
        std::find(ListBoxEvent.begin(), ListBoxEvent.end(), eventWindow) == ListBoxEvent.end()) {
        ListBoxEvent.insert(ListBoxEvent.begin(), eventWindow);
    }
    if (ListBoxEvent.empty()) {
        return;
    }
    const HWND head = ListBoxEvent.front();
    if (!IsWindowEnabled(head)) {
        return;
    }
    eventHook_.MEventWindow = head;
    const HWND underCursor = win::WindowAtCursor();
    if (win::CaptionedAncestor(underCursor) == head || win::RootParent(underCursor) == head) {
        ListBoxEvent.erase(ListBoxEvent.begin());
        FProcEdge = true;
    }
}

// Active window tracking is switched off while the cursor rests on the shell's own surfaces and
// on again when it leaves them, without touching the user's stored setting.
void TrayForm::Proc_XMouseUpkeep() {
    if (FHotkeyWindow || !config_.FXMouseAct) {
        return;
    }
    const bool overShell = IsShellSurface(win::RootParent(win::WindowAtCursor()));
    if (overShell) {
        MWheelActC = 0;
        if (SystemFlag(SPI_GETACTIVEWINDOWTRACKING)) {
            SetForSession(SPI_SETACTIVEWINDOWTRACKING, FALSE);
            FXDisable = true;
        }
        return;
    }
    if (FXDisable) {
        if (!SystemFlag(SPI_GETACTIVEWINDOWTRACKING)) {
            SetForSession(SPI_SETACTIVEWINDOWTRACKING, TRUE);
        }
        FXDisable = false;
    }
    if (!config_.FXAllways) {
        return;
    }
    auto keep = [](UINT get, UINT set, UINT wanted, bool flag) {
        const UINT current = flag ? (SystemFlag(get) ? 1u : 0u) : SystemNumber(get);
        if (current != wanted) {
            SetForSession(set, wanted);
        }
    };
    keep(SPI_GETACTIVEWINDOWTRACKING, SPI_SETACTIVEWINDOWTRACKING, config_.FXMouseAct, true);
    keep(SPI_GETACTIVEWNDTRKZORDER, SPI_SETACTIVEWNDTRKZORDER, config_.FXMouseTop, true);
    keep(SPI_GETACTIVEWNDTRKTIMEOUT, SPI_SETACTIVEWNDTRKTIMEOUT,
         static_cast<UINT>(config_.MXMouseSpeed) * 100 + 100, false);
    keep(SPI_GETFOREGROUNDLOCKTIMEOUT, SPI_SETFOREGROUNDLOCKTIMEOUT, config_.FFocus ? 200000u : 0u,
         false);
    keep(SPI_GETFOREGROUNDFLASHCOUNT, SPI_SETFOREGROUNDFLASHCOUNT,
         config_.FFocus ? static_cast<UINT>(config_.MFocusC) : 1u, false);
}

// Drops what names windows that no longer exist. Without the mouse-button actions nothing keeps
// a window topmost for the user, so the rules' topmost windows are released at the next edge.
void TrayForm::Proc_DeleteState() {
    std::erase_if(ListBoxEvent, [](HWND window) { return !IsWindow(window); });
    const std::vector<HWND> topmost = ListBoxTop.Windows();
    for (auto it = topmost.rbegin(); it != topmost.rend(); ++it) {
        const bool exists = IsWindow(*it) != FALSE;
        if (exists && config_.FMouseHook) {
            continue;
        }
        if (exists) {
            win::SetTopmost(*it, false);
        }
        ListBoxTop.Remove(*it);
        ListBoxTop.Save();
    }
    const std::vector<HWND> translucent = ListBoxTrans.Windows();
    for (auto it = translucent.rbegin(); it != translucent.rend(); ++it) {
        if (!IsWindow(*it)) {
            ListBoxTrans.Remove(*it);
            ListBoxTrans.Save();
        }
    }
}

} // namespace velmado::app
