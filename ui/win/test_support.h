#pragma once
// For the tests of this layer: runs the message loop of the test thread until a condition holds.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/win/application.h"

namespace velmado::ui::test {

// Dispatches messages until done() is true or the time is up; true when done() became true.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Collects what reaches the application's exception event while it lives.
class ExceptionRecorder {
public:
    ExceptionRecorder() {
        Application::Instance().OnException = [this](const std::wstring& message) {
            messages.push_back(message);
        };
    }
    ExceptionRecorder(const ExceptionRecorder&) = delete;
    ExceptionRecorder& operator=(const ExceptionRecorder&) = delete;
    ~ExceptionRecorder() { Application::Instance().OnException = nullptr; }

    std::vector<std::wstring> messages;
};

} // namespace velmado::ui::test
