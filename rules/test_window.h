#pragma once
// For the rules tests: a visible, titled top-level window of the test program itself, destroyed
// with the test.
#include <windows.h>

namespace velmado::rules::test {

class TestWindow {
public:
    explicit TestWindow(const wchar_t* caption, int show = SW_SHOWNOACTIVATE) {
        window_ = CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW, 80, 90, 320, 240,
                                  nullptr, nullptr, nullptr, nullptr);
        ShowWindow(window_, show);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

} // namespace velmado::rules::test
