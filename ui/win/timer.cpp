#include "ui/win/timer.h"

#include <unordered_map>

#include "ui/win/window.h"

namespace velmado::ui {

namespace {

std::unordered_map<UINT_PTR, Timer*>& Timers() {
    static std::unordered_map<UINT_PTR, Timer*> timers;
    return timers;
}

HWND TimerWindow() {
    static Window window;
    if (window.Handle() == nullptr) {
        window.Create({}, [](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_TIMER) {
                return std::nullopt;
            }
            // Looked up per message: a timer destroyed meanwhile has left the table.
            const auto found = Timers().find(wParam);
            if (found != Timers().end()) {
                // A copy, so that the handler may destroy its timer while it runs.
                if (auto handler = found->second->OnTimer) {
                    handler();
                }
            }
            return 0;
        });
    }
    return window.Handle();
}

} // namespace

Timer::Timer() {
    static UINT_PTR lastId = 0;
    id_ = ++lastId;
    Timers().emplace(id_, this);
}

Timer::~Timer() {
    if (running_) {
        KillTimer(TimerWindow(), id_);
    }
    Timers().erase(id_);
}

void Timer::SetInterval(UINT milliseconds) {
    if (milliseconds != interval_) {
        interval_ = milliseconds;
        Update();
    }
}

void Timer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Update();
    }
}

void Timer::Update() {
    if (running_) {
        KillTimer(TimerWindow(), id_);
        running_ = false;
    }
    if (enabled_ && interval_ > 0) {
        running_ = SetTimer(TimerWindow(), id_, interval_, nullptr) != 0;
    }
}

} // namespace velmado::ui
