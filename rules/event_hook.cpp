#include "rules/event_hook.h"

#include "common/win/window_geometry.h"
#include "ui/win/application.h"

namespace velmado::rules {

EventHook* EventHook::installed_ = nullptr;

EventHook::~EventHook() {
    Uninstall();
}

bool EventHook::Install() {
    if (hook_) {
        return true;
    }
    if (installed_ != nullptr) {
        return false;
    }
    hook_.reset(SetWinEventHook(1, 0x7FFFFFFF, nullptr, WinEventProc, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    if (hook_) {
        installed_ = this;
    }
    return Installed();
}

void EventHook::Uninstall() {
    if (!hook_) {
        return;
    }
    hook_.reset();
    installed_ = nullptr;
}

void EventHook::Dispatch(DWORD event, HWND window) {
    switch (event) {
    case EVENT_SYSTEM_FOREGROUND:
        MEventWindow = window;
        FEventForeground = true;
        if (OnForeground) {
            OnForeground();
        }
        break;
    case EVENT_SYSTEM_MOVESIZESTART:
        if (OnMoveSizeStart && !IsIconic(window)) {
            if (const auto rect = win::GetWindowRectChecked(window)) {
                OnMoveSizeStart(window, *rect);
            }
        }
        break;
    case EVENT_SYSTEM_MOVESIZEEND:
        MEventWindow = window;
        FEventMoved = true;
        if (OnMoveSizeEnd) {
            OnMoveSizeEnd(window);
        }
        break;
    case EVENT_SYSTEM_MINIMIZESTART:
        if (OnMinimizeStart) {
            OnMinimizeStart(window);
        }
        break;
    case EVENT_OBJECT_CREATE:
        if (OnObjectCreate) {
            OnObjectCreate(window);
        }
        break;
    case EVENT_OBJECT_DESTROY:
        if (OnObjectDestroy) {
            OnObjectDestroy(window);
        }
        break;
    case EVENT_OBJECT_LOCATIONCHANGE:
        // Without a window the next pass covers all windows.
        MEventWindow = window;
        FEventMoved = true;
        break;
    default:
        break;
    }
}

void CALLBACK EventHook::WinEventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG, LONG,
                                      DWORD, DWORD) {
    // An exception must not unwind through the system's frames.
    ui::Guarded([&] {
        if (installed_ != nullptr && installed_->hook_.get() == hook) {
            installed_->Dispatch(event, window);
        }
    });
}

} // namespace velmado::rules
