#include "rules/window_pass.h"

#include <utility>

#include "common/win/module_path.h"
#include "common/win/screen.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"
#include "rules/window_exclusion.h"
#include "rules/window_list_captions.h"
#include "rules/work_area_mapping.h"

namespace velmado::rules {

namespace {

constexpr UINT kNonResidentEndDelayMs = 500;

common::XYWH ToXYWH(const common::Rect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

// The monitor steps take only windows with an extent that lie on a monitor or are minimised.
bool TakesPart(HWND window, const common::XYWH& rect) {
    return rect.width >= 1 && rect.height >= 1 &&
           (MonitorFromWindow(window, MONITOR_DEFAULTTONULL) != nullptr || IsIconic(window));
}

} // namespace

WindowPass::WindowPass() {
    settings.ownProgram = win::ModulePath();
    endTimer_.SetInterval(kNonResidentEndDelayMs);
    endTimer_.OnTimer = [this] {
        endTimer_.SetEnabled(false);
        if (targets.closeMainForm) {
            targets.closeMainForm();
        }
    };
}

void WindowPass::Proc_MoveWindowMain() {
    struct Finish {
        WindowPass& pass;
        ~Finish() { pass.EndPass(); }
    } finish{*this};

    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    enumError_ = nullptr;
    EnumWindows(EnumProc, reinterpret_cast<LPARAM>(this));
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    if (enumError_) {
        std::rethrow_exception(std::exchange(enumError_, nullptr));
    }
    FDeskTopWindow = false;
    if (FDualDeskTop) {
        FDualDeskTop = false;
        if (targets.showDeskTop) {
            targets.showDeskTop();
        }
        MDeskTopC = MDeskTopC == 1 ? 2 : 1;
        if (targets.trayIconDualDeskTop) {
            targets.trayIconDualDeskTop();
        }
    }
}

void WindowPass::EndPass() noexcept {
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    FDeskTopWindow = false;
    FDualDeskTop = false;
    FPPMenuWinList = false;
    FAllHide = false;
    FWindowC = false;
    FMonitorAll = false;
    FMonitorSwap = false;
    FTaskBarClk = false;
    FWindowList = false;
    FWindowDirect = false;
    if (!settings.resident) {
        endTimer_.SetEnabled(true);
    }
}

BOOL CALLBACK WindowPass::EnumProc(HWND window, LPARAM parameter) {
    auto* pass = reinterpret_cast<WindowPass*>(parameter);
    // An exception must not unwind through the system's frames: it stops the walk and is
    // raised again once the walk has returned.
    try {
        return pass->Func_EnumWindowMain(window) ? TRUE : FALSE;
    } catch (...) {
        pass->enumError_ = std::current_exception();
        return FALSE;
    }
}

bool WindowPass::BelongsToOtherProgram(const std::wstring& program) const {
    return !IsSameProgram(program, settings.ownProgram);
}

bool WindowPass::Func_EnumWindowMain(HWND window) {
    const win::WindowIdentity id = win::GetWindowIdentity(window);
    const WindowFacts facts{id.caption, id.className, id.programPath,
                            [window] { return win::CanQueryProcess(window); },
                            [&] { return win::IsCoreOrEmptyFrame(window, id.className); }};
    if (PassSkipReason(facts) != SkipReason::None) {
        return true;
    }
    const bool other = BelongsToOtherProgram(id.programPath);
    if (FWindowC && other && win::IsNormalTopWindow(window, true)) {
        ++MWindowC;
    }

    if (FDeskTopWindow || FDualDeskTop || FAllHide || FPPMenuWinList || FMonitorAll ||
        FMonitorSwap || FTaskBarClk) {
        // Unchecked: minimised windows take part with their parked rectangle.
        RECT r{};
        GetWindowRect(window, &r);
        const common::XYWH rect = ToXYWH(win::ToRect(r));
        if (FTaskBarClk) {
            Proc_TaskBarClkWindow(window, rect);
        }
        if (FMonitorAll) {
            Proc_MonitorAllWindow(window, rect);
        }
        if (FMonitorSwap) {
            Proc_MonitorSwapWindow(window, rect);
        }
        if (FPPMenuWinList) {
            Proc_MenuWinListWindow(window, id.programPath, id.caption, rect);
        }
        if (FDeskTopWindow && targets.desktopLayout) {
            targets.desktopLayout(window, id.programPath, id.caption, id.className, rect);
        }
        if (other) {
            if (FDualDeskTop && targets.swapDeskTop) {
                targets.swapDeskTop(window, id.programPath, id.caption, id.className, rect);
            }
            if (FAllHide && targets.hideWindow) {
                targets.hideWindow(window, id.programPath, id.caption, id.className, rect);
            }
        }
        return true;
    }

    // Minimised windows are left alone, also where the system does not park them at -32000.
    const auto rect = win::GetWindowXYWH(window);
    if (!rect || IsIconic(window)) {
        return true;
    }
    const bool offscreenCheck = Flag(settings.disableDeskTop);
    if (FWindowList || FWindowDirect) {
        if (FWindowList && targets.ruleEditorList && other &&
            win::IsNormalTopWindow(window, offscreenCheck)) {
            targets.ruleEditorList(window, id.programPath, id.caption, id.className, *rect);
        }
        if (FWindowDirect && targets.directEditorList && other &&
            win::IsNormalTopWindow(window, false)) {
            targets.directEditorList(window, id.programPath, id.caption, id.className, *rect);
        }
        return true;
    }

    const bool rulesEnabled = Flag(settings.rulesEnabled);
    if (rulesEnabled && targets.moveDialog && id.className == L"#32770" &&
        win::IsNormalTopWindow(window, offscreenCheck)) {
        targets.moveDialog(window, id.programPath, id.caption, id.className, *rect);
    }
    if (rulesEnabled && targets.moveWindow && !Flag(settings.ruleEditorVisible)) {
        targets.moveWindow(window, id.programPath, id.caption, id.className, *rect);
    }
    if (targets.snapMoveWindow && Flag(settings.workAreasEnabled)) {
        const auto now = win::GetWindowRectChecked(window);
        if (now && !IsIconic(window)) {
            targets.snapMoveWindow(window, id.programPath, id.caption, id.className, *now);
        }
    }
    const HWND eventWindow = settings.eventWindow ? settings.eventWindow() : nullptr;
    return !(settings.resident && window == eventWindow);
}

bool WindowPass::PositionFixed(HWND window) const {
    if (!Flag(settings.rulesEnabled) || !targets.fixedPosSize) {
        return false;
    }
    std::wstring kind;
    return targets.fixedPosSize(window, kind) && (kind == L"位置" || kind == L"位置大きさ");
}

common::Rect WindowPass::WorkAreaOf(int monitor) const {
    return settings.workArea ? settings.workArea(monitor) : win::Screen::Get().WorkArea(monitor);
}

void WindowPass::MoveBetweenMonitors(HWND window, int source, int destination,
                                     bool centreIfMissed) {
    // A minimised window has only its parked rectangle, which says nothing about its place.
    if (IsIconic(window)) {
        return;
    }
    const bool maximised = IsZoomed(window) != FALSE;
    if (maximised) {
        ShowWindow(window, SW_RESTORE);
    }
    const auto rect = win::GetWindowXYWH(window);
    const auto mapped =
        rect ? MapBetweenWorkAreas(*rect, WorkAreaOf(source), WorkAreaOf(destination))
             : std::nullopt;
    if (mapped) {
        MoveWindow(window, mapped->left, mapped->top, mapped->width, mapped->height, TRUE);
        if (centreIfMissed && win::MonitorIndexOfWindow(window) != destination) {
            win::PlaceOnMonitor(window, 10, destination, false);
        }
    }
    if (maximised) {
        ShowWindow(window, SW_SHOWMAXIMIZED);
    }
}

void WindowPass::Proc_TaskBarClkWindow(HWND window, const common::XYWH& rect) {
    if (!TakesPart(window, rect)) {
        return;
    }
    POINT cursor{};
    if (!GetCursorPos(&cursor)) {
        return;
    }
    const int monitor = win::MonitorIndexAtPoint(cursor);
    if (monitor == -1 || monitor != win::MonitorIndexOfWindow(window)) {
        return;
    }
    const HWND owner = win::GetApplicationOwner(window);
    ShowWindow(owner != nullptr && IsWindowVisible(owner) ? owner : window, SW_MINIMIZE);
}

void WindowPass::Proc_MonitorAllWindow(HWND window, const common::XYWH& rect) {
    if (!TakesPart(window, rect) || PositionFixed(window)) {
        return;
    }
    if (MMonitorAllC < 0 || MMonitorAllC >= win::Screen::Get().MonitorCount()) {
        return;
    }
    const int source = win::MonitorIndexOfWindow(window);
    if (source != MMonitorAllC) {
        MoveBetweenMonitors(window, source, MMonitorAllC, true);
    }
}

void WindowPass::Proc_MonitorSwapWindow(HWND window, const common::XYWH& rect) {
    if (!TakesPart(window, rect) || PositionFixed(window)) {
        return;
    }
    const int monitor = win::MonitorIndexOfWindow(window);
    if (monitor == 0 || monitor == 1) {
        MMonitorSwapList[monitor].push_back(window);
    }
}

void WindowPass::Proc_MonitorSwapMove() {
    for (int list = 0; list < 2; ++list) {
        for (const HWND window : MMonitorSwapList[list]) {
            if (IsWindow(window)) {
                MoveBetweenMonitors(window, list, 1 - list, false);
            }
        }
    }
    MMonitorSwapList = {};
}

void WindowPass::Proc_MenuWinListWindow(HWND window, const std::wstring& program,
                                        const std::wstring& caption, const common::XYWH& rect) {
    const int index = static_cast<int>(ListBoxWinList.size());
    if (!TakesPart(window, rect) || index >= kWindowListMaxEntries) {
        return;
    }
    if (targets.menuWinListItem) {
        targets.menuWinListItem(index, window, program, WindowListCaption(index, caption));
    }
    ListBoxWinList.push_back(window);
}

} // namespace velmado::rules
