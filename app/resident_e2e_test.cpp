// The resident core: the one-shot run, the processing edge of the main timer and the window pass
// it runs, tablet mode, and the end of the session.
#include "tests/e2e/harness.h"

#include <fstream>

namespace velmado::e2e {
namespace {

class ResidentTest : public E2ETest {
protected:
    static std::wstring Velmado() { return BinFolder() + L"Velmado.exe"; }

    // What the main form's passes did: 0 passes run, 1 windows handed on by the last one,
    // 2 + i the i-th of them.
    static LRESULT Journal(HWND main, WPARAM which) {
        static const UINT message = RegisterWindowMessageW(L"Velmado.PassJournal");
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main, message, which, 0, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<LRESULT>(result);
    }
    static int Passes(HWND main) { return static_cast<int>(Journal(main, 0)); }
    static std::vector<HWND> LastPass(HWND main) {
        std::vector<HWND> windows;
        const LRESULT count = Journal(main, 1);
        for (LRESULT i = 0; i < count; ++i) {
            windows.push_back(reinterpret_cast<HWND>(Journal(main, static_cast<WPARAM>(2 + i))));
        }
        return windows;
    }

    // Starts the resident program and waits until its timer has settled (no pass for a while).
    Process StartResident(HWND& main) {
        Process velmado = Process::Start(Velmado());
        main = WaitForWindow(L"TTrayForm", L"Velmado");
        EXPECT_NE(main, nullptr);
        Settle(main);
        return velmado;
    }

    // Waits until no pass has run for a second.
    static void Settle(HWND main) {
        int seen = -1;
        WaitUntil(
            [&] {
                const int now = Passes(main);
                const bool quiet = now == seen;
                seen = now;
                return quiet && now > 0;
            },
            15s, 1000ms);
    }

    // Waits for the next pass after `before` and then for a little longer, to see that no second
    // pass follows.
    static int PassesAfter(HWND main, int before) {
        WaitUntil([&] { return Passes(main) > before; }, 3s);
        Sleep(600);
        return Passes(main) - before;
    }
};

TEST_F(ResidentTest, TheOneShotRunMakesOnePassAndEndsWithoutSaving) {
    const std::wstring topLog = DataFolder() + L"Top.log";
    CreateDirectoryW((DataFolder().substr(0, DataFolder().size() - 9)).c_str(), nullptr);
    CreateDirectoryW(DataFolder().c_str(), nullptr);
    std::ofstream(topLog.c_str()) << "12345\r\n";
    Probe probe = Probe::Start(L"--caption \"一回だけ\"");

    const auto started = std::chrono::steady_clock::now();
    Process velmado = Process::Start(Velmado(), L"/Q");
    const HWND application = WaitForWindow(L"TApplication", L"Velmado");
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(application) != FALSE; }))
        << "the one-shot run shows a taskbar button titled Velmado";
    const HWND main = WaitForWindow(L"TTrayForm", L"Velmado");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Passes(main) == 1; }, 5s)) << "no pass ran";
    const auto passed = std::chrono::steady_clock::now();
    EXPECT_GE(passed - started, 1500ms) << "the pass runs on the first tick, 2 s after start";
    const std::vector<HWND> handled = LastPass(main);
    EXPECT_NE(std::find(handled.begin(), handled.end(), probe.Window()), handled.end())
        << "the one-shot pass covers every window";
    ASSERT_TRUE(velmado.WaitExit(5s));
    EXPECT_LE(std::chrono::steady_clock::now() - passed, 2000ms) << "it ends 0.5 s after the pass";
    EXPECT_EQ(GetFileAttributesW((DataFolder() + L"Config.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(topLog.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ResidentTest, ANewWindowLeadsToOnePass) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    const int before = Passes(main);
    Probe probe = Probe::Start(L"--caption \"新しい窓\"");
    EXPECT_EQ(PassesAfter(main, before), 1);
    const std::vector<HWND> handled = LastPass(main);
    EXPECT_NE(std::find(handled.begin(), handled.end(), probe.Window()), handled.end());
}

TEST_F(ResidentTest, ACaptionChangeOfTheForegroundWindowLeadsToOnePass) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    Probe probe = Probe::Start(L"--caption \"前\"");
    probe.Foreground();
    Settle(main);
    const int before = Passes(main);
    probe.SetCaption(L"後");
    EXPECT_EQ(PassesAfter(main, before), 1);
}

TEST_F(ResidentTest, AForegroundEventPassStopsAfterTheEventWindow) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    Probe below = Probe::Start(L"--caption \"下\" --rect 50,50,300,200");
    Probe top = Probe::Start(L"--caption \"上\" --rect 400,50,300,200");
    Settle(main);
    top.Foreground();
    top.Raise(EVENT_SYSTEM_FOREGROUND);
    Settle(main);
    // The window that raised the event is handed on last; nothing below it is reached.
    const std::vector<HWND> handled = LastPass(main);
    ASSERT_FALSE(handled.empty());
    EXPECT_EQ(handled.back(), top.Window()) << Describe(handled.back());
    EXPECT_EQ(std::find(handled.begin(), handled.end(), below.Window()), handled.end());
}

TEST_F(ResidentTest, AMoveEndEventAfterAMoveLeadsToOnePass) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    Probe probe = Probe::Start(L"--caption \"移動\" --rect 100,100,300,200");
    probe.Foreground();
    Settle(main);
    const int before = Passes(main);
    SetWindowPos(probe.Window(), nullptr, 220, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    probe.Raise(EVENT_SYSTEM_MOVESIZEEND);
    EXPECT_EQ(PassesAfter(main, before), 1);
}

TEST_F(ResidentTest, TabletModeStopsAllProcessingUntilTheCoverGoes) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    Probe cover = Probe::Start(L"--class TabletModeCoverWindow --caption \"\"");
    Settle(main);
    const int before = Passes(main);
    Probe probe = Probe::Start(L"--caption \"タブレット\"");
    Sleep(1500);
    EXPECT_EQ(Passes(main), before) << "no pass while the tablet-mode cover is shown";
    cover.Program().Kill();
    EXPECT_TRUE(WaitUntil([&] { return Passes(main) > before; }, 5s))
        << "processing resumes when the cover goes";
}

TEST_F(ResidentTest, EndingTheSessionRunsTheCloseOnceAndEndsTheProgram) {
    HWND main = nullptr;
    Process velmado = StartResident(main);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    EXPECT_TRUE(velmado.WaitExit(5s));
    EXPECT_NE(GetFileAttributesW((DataFolder() + L"Config.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the close saves the configuration";
}

} // namespace
} // namespace velmado::e2e
