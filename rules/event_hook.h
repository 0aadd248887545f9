#pragma once
// The system-wide accessibility event hook. It applies nothing itself: it records which window
// raised the last foreground, move-end or location-change event for the main timer, and forwards
// move/size start and end, minimise start, creation and destruction to their handlers at once.
#include <windows.h>

#include <functional>

#include "common/geometry.h"
#include "common/win/handles.h"

namespace velmado::rules {

class EventHook {
public:
    EventHook() = default;
    EventHook(const EventHook&) = delete;
    EventHook& operator=(const EventHook&) = delete;
    ~EventHook();

    // Installs the hook for all processes but this one; does nothing while it is installed.
    // False when the system refused it or another instance holds the hook.
    bool Install();
    // Removes the hook; does nothing when none is installed.
    void Uninstall();
    bool Installed() const { return static_cast<bool>(hook_); }

    // Handles one event exactly as the hook callback does. Object and child ids do not matter:
    // events of any object of a window count.
    void Dispatch(DWORD event, HWND window);

    // Recorded for the main timer, which consumes and clears them.
    HWND MEventWindow = nullptr;
    bool FEventForeground = false;
    bool FEventMoved = false;

    // A window came to the foreground (after it was recorded).
    std::function<void()> OnForeground;
    // An interactive move or size starts; only for windows whose rectangle can be read (not
    // minimised), which comes with the call.
    std::function<void(HWND, const common::Rect&)> OnMoveSizeStart;
    // An interactive move or size ended (after it was recorded).
    std::function<void(HWND)> OnMoveSizeEnd;
    std::function<void(HWND)> OnMinimizeStart;
    std::function<void(HWND)> OnObjectCreate;
    std::function<void(HWND)> OnObjectDestroy;

private:
    static void CALLBACK WinEventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                      LONG childId, DWORD thread, DWORD time);

    win::UniqueWinEventHook hook_;
    // The out-of-context callback carries no context: it reaches the one installed instance.
    static EventHook* installed_;
};

} // namespace velmado::rules
