#include "ui/win/application.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/win/form.h"
#include "ui/win/test_support.h"
#include "ui/win/timer.h"

using velmado::ui::Application;
using velmado::ui::Form;
using velmado::ui::Timer;
using velmado::ui::test::ExceptionRecorder;
using velmado::ui::test::PumpUntil;

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

} // namespace

TEST(Application, OwnsTheFormsAndShowsItsTaskbarWindowOnRequest) {
    Form form(L"VelmadoTestForm", L"Velmado");
    ASSERT_TRUE(form.Create());
    const HWND application = GetWindow(form.Handle(), GW_OWNER);
    EXPECT_EQ(application, Application::Instance().Handle());
    EXPECT_EQ(ClassOf(application), L"TApplication");
    EXPECT_EQ(TextOf(application), L"Velmado");
    EXPECT_EQ(ClassOf(form.Handle()), L"VelmadoTestForm");
    EXPECT_EQ(TextOf(form.Handle()), L"Velmado");
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(IsWindowVisible(application));

    Application::Instance().ShowApplicationWindow(SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(application));
    EXPECT_EQ(GetWindow(application, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    Application::Instance().ShowApplicationWindow(SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(application));
}

TEST(Form, CloseAsksFirstThenDestroysOnce) {
    Form form(L"VelmadoTestForm", L"Test");
    std::vector<std::string> events;
    bool allow = false;
    form.OnCloseQuery = [&](bool& canClose) {
        events.push_back("query");
        EXPECT_FALSE(form.Close()) << "a close while closing must not start again";
        canClose = allow;
    };
    form.OnDestroy = [&] { events.push_back("destroy"); };
    ASSERT_TRUE(form.Create());
    const HWND window = form.Handle();

    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(IsWindow(window));
    allow = true;
    // WM_CLOSE from outside takes the same path.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_FALSE(form.Close());
    EXPECT_EQ(events, (std::vector<std::string>{"query", "query", "destroy"}));
}

TEST(Form, HandlesRawMessagesAndKeepsItsTag) {
    Form form(L"VelmadoTestForm", L"Test");
    form.tag = 7;
    form.OnMessage = [&](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_QUERYENDSESSION) {
            return static_cast<LRESULT>(wParam + form.tag);
        }
        return std::nullopt;
    };
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(SendMessageW(form.Handle(), WM_QUERYENDSESSION, 5, 0), 12);
    // Unanswered messages get the default handling.
    EXPECT_EQ(SendMessageW(form.Handle(), WM_GETTEXTLENGTH, 0, 0), 4);
}

TEST(Application, ExceptionsOfHandlersReachTheEventAndTheLoopGoesOn) {
    ExceptionRecorder recorder;
    Form mainForm(L"VelmadoTestMainForm", L"Velmado");
    mainForm.OnCreate = [] { throw std::runtime_error("作成に失敗"); };
    mainForm.OnMessage = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_APP + 5) {
            throw std::logic_error("message failed");
        }
        return std::nullopt;
    };
    bool destroyed = false;
    mainForm.OnDestroy = [&] { destroyed = true; };
    Application::Instance().SetMainForm(&mainForm);
    ASSERT_TRUE(mainForm.Create());
    ASSERT_NE(mainForm.Handle(), nullptr);

    int ticks = 0;
    Timer timer;
    timer.SetInterval(20);
    timer.OnTimer = [&] {
        ++ticks;
        if (ticks == 1) {
            throw std::runtime_error("tick failed");
        }
        if (ticks == 2) {
            SendMessageW(mainForm.Handle(), WM_APP + 5, 0, 0);
            throw 42;
        }
        mainForm.Close();
    };
    timer.SetEnabled(true);
    EXPECT_EQ(Application::Instance().Run(), 0);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(recorder.messages,
              (std::vector<std::wstring>{L"作成に失敗", L"tick failed", L"message failed",
                                         L"Unknown exception"}));
    Application::Instance().SetMainForm(nullptr);
}

TEST(Timer, CanBeReArmedStoppedAndDestroyedFromItsOwnCallback) {
    Timer timer;
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&] {
        ++ticks;
        if (ticks == 3) {
            timer.SetInterval(30);
        }
        if (ticks == 5) {
            timer.SetEnabled(false);
        }
    };
    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 5; }));
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 30u);
    PumpUntil([] { return false; }, 150);
    EXPECT_EQ(ticks, 5);

    // Switched on again; a second timer removes the first one from inside its callback.
    auto owned = std::make_unique<Timer>();
    int ownedTicks = 0;
    owned->SetInterval(10);
    owned->OnTimer = [&] {
        ++ownedTicks;
        owned.reset();
    };
    owned->SetEnabled(true);
    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return owned == nullptr && ticks >= 6; }));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(ownedTicks, 1);
}

TEST(Timer, ANewIntervalTakesEffectAtOnceAndZeroStopsIt) {
    Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetInterval(60000);
    timer.SetEnabled(true);
    timer.SetInterval(10);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    timer.SetInterval(0);
    const int stoppedAt = ticks;
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(ticks, stoppedAt);
    EXPECT_TRUE(timer.Enabled());
}

TEST(Application, ReportsActivationAndDeactivation) {
    std::vector<std::string> events;
    Application::Instance().OnActivate = [&] { events.push_back("activate"); };
    Application::Instance().OnDeactivate = [&] { events.push_back("deactivate"); };
    Form form(L"VelmadoTestForm", L"Visible");
    form.style = WS_POPUP | WS_CAPTION;
    ASSERT_TRUE(form.Create());
    SetWindowPos(form.Handle(), nullptr, 10, 10, 200, 100, SWP_NOZORDER | SWP_SHOWWINDOW);
    SetForegroundWindow(form.Handle());
    PumpUntil([&] { return !events.empty(); }, 2000);
    form.Close();
    PumpUntil([&] { return events.size() >= 2; }, 2000);
    Application::Instance().OnActivate = nullptr;
    Application::Instance().OnDeactivate = nullptr;
    EXPECT_EQ(events, (std::vector<std::string>{"activate", "deactivate"}));
}
