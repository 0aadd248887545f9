#include "common/win/processes.h"

#include "tests/e2e/harness.h"

namespace velmado::e2e {
namespace {

using ProcessesTest = E2ETest;

std::wstring ProbePath() {
    return BinFolder() + L"probe.exe";
}

HWND WindowOf(DWORD processId) {
    return WaitForWindow([processId](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && IsWindowVisible(window);
    });
}

// The probe started with exactly this command line (Process::Start always quotes the program).
class RawProbe {
public:
    explicit RawProbe(std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (CreateProcessW(ProbePath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_.reset(info.hProcess);
            window_ = WindowOf(info.dwProcessId);
        } else {
            ADD_FAILURE() << "cannot start probe.exe (error " << GetLastError() << ")";
        }
    }
    ~RawProbe() {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    RawProbe(const RawProbe&) = delete;
    RawProbe& operator=(const RawProbe&) = delete;
    HWND Window() const { return window_; }

private:
    win::UniqueHandle process_;
    HWND window_ = nullptr;
};

TEST_F(ProcessesTest, CommandArgumentsOfAnotherProgram) {
    const std::wstring program = ProbePath();
    {
        Probe probe = Probe::Start(L"-a");
        ASSERT_NE(probe.Window(), nullptr);
        EXPECT_EQ(win::GetWindowCmdArgs(probe.Window(), program), L"-a");
    }
    {
        RawProbe probe(program + L" -a");
        ASSERT_NE(probe.Window(), nullptr);
        EXPECT_EQ(win::GetWindowCmdArgs(probe.Window(), program), L" -a");
    }
    {
        Probe probe = Probe::Start(L"");
        ASSERT_NE(probe.Window(), nullptr);
        EXPECT_EQ(win::GetWindowCmdArgs(probe.Window(), program), L"");
    }
}

TEST_F(ProcessesTest, CommandLinesOfAnyLengthAndText) {
    // Longer than a path buffer, with blanks, quotes and Japanese text.
    std::wstring arguments = L"--caption \"\x30d7\x30ed\x30fc\x30d6 & \\\"x\\\"\"";
    for (int i = 0; arguments.size() < 1500; ++i) {
        arguments += L" -option" + std::to_wstring(i);
    }
    Probe probe = Probe::Start(arguments);
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_EQ(win::GetWindowCmdArgs(probe.Window(), ProbePath()), arguments);
    EXPECT_EQ(win::ProcessCommandLine(probe.Program().Id()), probe.Request(L"cmdline"));
}

TEST_F(ProcessesTest, PriorityOfAnotherProgram) {
    Probe probe = Probe::Start(L"");
    ASSERT_NE(probe.Window(), nullptr);
    EXPECT_EQ(win::GetWindowPriority(probe.Window()), probe.PriorityClass());
    for (const DWORD priority : {BELOW_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,
                                 IDLE_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS}) {
        EXPECT_EQ(win::SetWindowPriority(probe.Window(), priority), priority);
        EXPECT_EQ(probe.PriorityClass(), priority);
    }
}

TEST_F(ProcessesTest, ElevationAndVanishedPrograms) {
    Probe probe = Probe::Start(L"");
    const HWND window = probe.Window();
    ASSERT_NE(window, nullptr);
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size));
    CloseHandle(token);
    // Started by us, the probe runs with our token's elevation.
    EXPECT_EQ(win::IsProcessElevated(window), elevation.TokenIsElevated != 0);

    probe.Program().Kill();
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
    EXPECT_EQ(win::GetWindowCmdArgs(window, ProbePath()), L"");
    EXPECT_EQ(win::GetWindowPriority(window), 0u);
    EXPECT_FALSE(win::IsProcessElevated(window));
}

} // namespace
} // namespace velmado::e2e
