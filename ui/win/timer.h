#pragma once
// A timer: Interval in milliseconds, Enabled, OnTimer. All timers run on one hidden window of this
// layer. Changing the interval of a running timer restarts it; the handler may change, stop or
// destroy its own timer.
#include <windows.h>

#include <functional>

namespace velmado::ui {

class Timer {
public:
    Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    UINT Interval() const { return interval_; }
    void SetInterval(UINT milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    void Update();

    UINT_PTR id_;
    UINT interval_ = 1000;
    bool enabled_ = false;
    bool running_ = false;
};

} // namespace velmado::ui
