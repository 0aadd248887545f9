#include <algorithm>
#include <stdexcept>
#include <vector>

#include "rules/event_hook.h"
#include "tests/e2e/harness.h"
#include "ui/win/application.h"

namespace velmado::e2e {
namespace {

using rules::EventHook;

// A probe whose first window is already shown. Probe::Start takes the first top-level window
// of the process, which now and then is its "IME" window: such a start is tried again.
Probe StartShown(const std::wstring& options) {
    Probe probe = Probe::Start(options);
    for (int retry = 0; retry < 2 && ClassName(probe.Window()) == L"IME"; ++retry) {
        probe.Program().Kill();
        probe = Probe::Start(options);
    }
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(probe.Window()) != FALSE; }))
        << Describe(probe.Window());
    return probe;
}

// Events raised in another process reach the hook while this thread retrieves messages
// (WaitUntil does).
class EventHookE2E : public E2ETest {
protected:
    void SetUp() override {
        E2ETest::SetUp();
        ASSERT_TRUE(hook.Install());
    }
    void TearDown() override {
        hook.Uninstall();
        E2ETest::TearDown();
    }
    void Reset() {
        hook.MEventWindow = nullptr;
        hook.FEventForeground = false;
        hook.FEventMoved = false;
    }

    EventHook hook;
};

TEST_F(EventHookE2E, RecordsForegroundAndLocationChangeOfAnotherProgram) {
    Probe probe = StartShown(L"--caption \"Hooked probe\"");
    const HWND window = probe.Window();
    int foregrounds = 0;
    hook.OnForeground = [&] { ++foregrounds; };
    Reset();

    probe.Raise(EVENT_SYSTEM_FOREGROUND, window);
    EXPECT_TRUE(WaitUntil([&] { return hook.FEventForeground; }));
    EXPECT_EQ(hook.MEventWindow, window);
    EXPECT_FALSE(hook.FEventMoved);
    EXPECT_GE(foregrounds, 1);

    Reset();
    probe.Raise(EVENT_OBJECT_LOCATIONCHANGE, window);
    EXPECT_TRUE(WaitUntil([&] { return hook.FEventMoved; }));
    EXPECT_EQ(hook.MEventWindow, window);
    EXPECT_FALSE(hook.FEventForeground);
}

TEST_F(EventHookE2E, ForwardsMoveEndMinimiseCreateAndDestroy) {
    Probe probe = StartShown(L"--caption \"Hooked probe\"");
    const HWND window = probe.Window();
    std::vector<HWND> moveEnds, minimises, creates, destroys;
    hook.OnMoveSizeEnd = [&](HWND w) { moveEnds.push_back(w); };
    hook.OnMinimizeStart = [&](HWND w) { minimises.push_back(w); };
    hook.OnObjectCreate = [&](HWND w) { creates.push_back(w); };
    hook.OnObjectDestroy = [&](HWND w) { destroys.push_back(w); };
    Reset();

    probe.Raise(EVENT_SYSTEM_MOVESIZEEND, window);
    ASSERT_TRUE(WaitUntil([&] { return !moveEnds.empty(); }));
    EXPECT_EQ(moveEnds.front(), window);
    EXPECT_TRUE(hook.FEventMoved);
    EXPECT_EQ(hook.MEventWindow, window);

    probe.Raise(EVENT_SYSTEM_MINIMIZESTART, window);
    ASSERT_TRUE(WaitUntil([&] { return !minimises.empty(); }));
    EXPECT_EQ(minimises.front(), window);

    // A real window creation raises its own event.
    const HWND created = probe.Create(L"--caption \"Created probe\"");
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] { return std::find(creates.begin(), creates.end(), created) != creates.end(); }));

    probe.Raise(EVENT_OBJECT_DESTROY, created);
    EXPECT_TRUE(WaitUntil(
        [&] { return std::find(destroys.begin(), destroys.end(), created) != destroys.end(); }));
}

TEST_F(EventHookE2E, AnErrorInAHandlerGoesToTheApplicationAndTheHookLivesOn) {
    Probe probe = StartShown(L"--caption \"Hooked probe\"");
    std::vector<std::wstring> errors;
    ui::Application::Instance().OnException = [&](const std::wstring& message) {
        errors.push_back(message);
    };
    hook.OnForeground = [] { throw std::runtime_error("handler failed"); };
    Reset();
    probe.Raise(EVENT_SYSTEM_FOREGROUND, probe.Window());
    EXPECT_TRUE(WaitUntil([&] { return !errors.empty(); }));
    EXPECT_TRUE(hook.FEventForeground);

    hook.OnForeground = nullptr;
    Reset();
    probe.Raise(EVENT_OBJECT_LOCATIONCHANGE, probe.Window());
    EXPECT_TRUE(WaitUntil([&] { return hook.FEventMoved; }));
    ui::Application::Instance().OnException = nullptr;
}

TEST_F(EventHookE2E, NothingArrivesOnceUninstalled) {
    Probe probe = StartShown(L"--caption \"Hooked probe\"");
    hook.Uninstall();
    Reset();
    probe.Raise(EVENT_SYSTEM_FOREGROUND, probe.Window());
    // Give a late delivery the chance to arrive before concluding it does not.
    WaitUntil([&] { return hook.FEventForeground; }, 500ms);
    EXPECT_FALSE(hook.FEventForeground);
    EXPECT_EQ(hook.MEventWindow, nullptr);

    ASSERT_TRUE(hook.Install());
    probe.Raise(EVENT_SYSTEM_FOREGROUND, probe.Window());
    EXPECT_TRUE(WaitUntil([&] { return hook.FEventForeground; }));
}

} // namespace
} // namespace velmado::e2e
