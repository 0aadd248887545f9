#pragma once
// End-to-end harness: starts our programs under Wine, waits for their windows, reads their state
// through the Win32 API, and stops everything it started. Failure messages name the window and
// show what was expected and what was seen.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/win/handles.h"

namespace velmado::e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Folder of the test program; Velmado.exe, probe.exe and the other test programs sit beside it.
std::wstring BinFolder();
// The program's per-user data folder, "%APPDATA%\Tovarel\Velmado\".
std::wstring DataFolder();
// Empties the data folder (each test starts with a clean one).
void ResetDataFolder();
// A fresh empty scratch folder for the current test, with a trailing backslash.
std::wstring ScratchFolder();

std::string Utf8(const std::wstring& text);
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// "0x1234 "caption" [class]" for failure messages.
std::string Describe(HWND window);

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = 5s, Duration poll = 20ms);

// A program started by a test; killed when the test ends if it is still running.
class Process {
public:
    // Starts `program` with the raw argument text (quoted by the caller as wanted).
    static Process Start(const std::wstring& program, const std::wstring& arguments = {});
    Process() = default;
    Process(Process&&) = default;
    Process& operator=(Process&&) = default;
    ~Process();

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    bool Running() const;
    // Waits for the process to end; true when it ended in time.
    bool WaitExit(Duration timeout = 10s) const;
    DWORD ExitCode() const;
    void Kill();

private:
    win::UniqueHandle process_;
    DWORD id_ = 0;
};

// Top-level windows, in Z order, optionally of one process only.
std::vector<HWND> TopLevelWindows(DWORD processId = 0);
// Waits for a top-level window (visible or not) that satisfies `match`; null on time-out.
HWND WaitForWindow(const std::function<bool(HWND)>& match, Duration timeout = 10s);
HWND WaitForWindow(const std::wstring& className, const std::wstring& caption,
                   Duration timeout = 10s);

// Types keys as hardware input does: each key pressed and released in turn, with `held` down
// around them all.
void TypeKeys(std::initializer_list<WORD> keys, std::initializer_list<WORD> held = {});

// The window that receives a program's notification-icon messages, and a mouse message for its
// main icon as the notification area sends it.
HWND TrayIconWindow(DWORD processId, Duration timeout = 10s);
void PostTrayMouse(HWND iconWindow, UINT mouseMessage);
// A popup menu of the process that is open now, waiting up to `timeout`; null when none.
HWND OpenMenuOf(DWORD processId, Duration timeout = 3s);

// The text of the "Static" children of a window, joined by "\n".
std::wstring StaticTexts(HWND window);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};
Rect WindowRectOf(HWND window);
// Passes when the window's rectangle (left, top, width, height) is `expected`, within `timeout`.
::testing::AssertionResult WindowRectIs(HWND window, Rect expected, Duration timeout = 3s);

// Sends a request text to one of our test programs (WM_COPYDATA with the program's tag) and
// returns its answer.
std::wstring SendRequest(HWND target, std::uintptr_t tag, const std::wstring& request);

// Drives tests/probe/probe.exe: a program of ours with top-level windows that reports its state.
class Probe {
public:
    // Starts probe.exe with window options (see probe.cpp) and waits for its window.
    static Probe Start(const std::wstring& options);
    HWND Window() const { return window_; }
    Process& Program() { return process_; }

    // Sends one request and returns the probe's reply text.
    std::wstring Request(const std::wstring& request) const;
    // Further windows in the same process.
    HWND Create(const std::wstring& options) const;
    // The probe's own view of its window placement: show command and normal rectangle.
    WINDOWPLACEMENT Placement(HWND window = nullptr) const;
    DWORD PriorityClass() const;
    std::vector<std::wstring> Keys(HWND window = nullptr) const;
    std::vector<std::wstring> Messages(HWND window = nullptr) const;
    // Raises an accessibility event for a window from inside the probe's process.
    void Raise(DWORD event, HWND window = nullptr) const;
    void SetCaption(const std::wstring& caption, HWND window = nullptr) const;
    // Brings the window to the foreground from inside the probe's process.
    void Foreground(HWND window = nullptr) const;

private:
    Process process_;
    HWND window_ = nullptr;
};

// Base fixture: a clean data folder for every test, and every started program stopped after it.
class E2ETest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace velmado::e2e
