#include "rules/event_hook.h"
#include "rules/test_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmado::rules {
namespace {

// Every handler set, each recording its name and window.
struct Recorder {
    std::vector<std::string> calls;
    std::vector<HWND> windows;
    void Attach(EventHook& hook) {
        hook.OnForeground = [this] { calls.push_back("foreground"); };
        hook.OnMoveSizeStart = [this](HWND w, const common::Rect&) { Add("movesizestart", w); };
        hook.OnMoveSizeEnd = [this](HWND w) { Add("movesizeend", w); };
        hook.OnMinimizeStart = [this](HWND w) { Add("minimizestart", w); };
        hook.OnObjectCreate = [this](HWND w) { Add("create", w); };
        hook.OnObjectDestroy = [this](HWND w) { Add("destroy", w); };
    }
    void Add(const char* name, HWND w) {
        calls.push_back(name);
        windows.push_back(w);
    }
};

struct DispatchCase {
    DWORD event;
    bool recordsWindow;
    bool foreground;
    bool moved;
    std::vector<std::string> calls;
};

TEST(EventHookTest, DispatchesEachEventAsItsTableSays) {
    const test::TestWindow window(L"Event hook test", SW_SHOWNOACTIVATE);
    const std::vector<DispatchCase> cases = {
        {EVENT_SYSTEM_FOREGROUND, true, true, false, {"foreground"}},
        {EVENT_SYSTEM_MOVESIZESTART, false, false, false, {"movesizestart"}},
        {EVENT_SYSTEM_MOVESIZEEND, true, false, true, {"movesizeend"}},
        {EVENT_SYSTEM_MINIMIZESTART, false, false, false, {"minimizestart"}},
        {EVENT_OBJECT_CREATE, false, false, false, {"create"}},
        {EVENT_OBJECT_DESTROY, false, false, false, {"destroy"}},
        {EVENT_OBJECT_LOCATIONCHANGE, true, false, true, {}},
        {EVENT_OBJECT_FOCUS, false, false, false, {}},
        {EVENT_SYSTEM_MENUSTART, false, false, false, {}},
    };
    for (const auto& c : cases) {
        EventHook hook;
        Recorder recorder;
        recorder.Attach(hook);
        hook.Dispatch(c.event, window.get());
        EXPECT_EQ(hook.MEventWindow, c.recordsWindow ? window.get() : nullptr) << c.event;
        EXPECT_EQ(hook.FEventForeground, c.foreground) << c.event;
        EXPECT_EQ(hook.FEventMoved, c.moved) << c.event;
        EXPECT_EQ(recorder.calls, c.calls) << c.event;
        for (const HWND w : recorder.windows) {
            EXPECT_EQ(w, window.get()) << c.event;
        }
    }
}

TEST(EventHookTest, LocationChangeWithoutWindowClearsTheEventWindow) {
    const test::TestWindow window(L"Event hook test", SW_SHOWNOACTIVATE);
    EventHook hook;
    hook.Dispatch(EVENT_SYSTEM_FOREGROUND, window.get());
    hook.Dispatch(EVENT_OBJECT_LOCATIONCHANGE, nullptr);
    EXPECT_EQ(hook.MEventWindow, nullptr);
    EXPECT_TRUE(hook.FEventMoved);
    EXPECT_TRUE(hook.FEventForeground);
}

TEST(EventHookTest, MoveStartOnlyForAReadableRectangle) {
    const test::TestWindow shown(L"Event hook test", SW_SHOWNOACTIVATE);
    const test::TestWindow minimised(L"Event hook test", SW_SHOWMINNOACTIVE);
    EventHook hook;
    std::vector<common::Rect> rects;
    hook.OnMoveSizeStart = [&](HWND, const common::Rect& r) { rects.push_back(r); };
    hook.Dispatch(EVENT_SYSTEM_MOVESIZESTART, minimised.get());
    hook.Dispatch(EVENT_SYSTEM_MOVESIZESTART, nullptr);
    EXPECT_TRUE(rects.empty());
    hook.Dispatch(EVENT_SYSTEM_MOVESIZESTART, shown.get());
    RECT r{};
    GetWindowRect(shown.get(), &r);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (common::Rect{r.left, r.top, r.right, r.bottom}));
}

TEST(EventHookTest, EmptyHandlersAreSkipped) {
    const test::TestWindow window(L"Event hook test", SW_SHOWNOACTIVATE);
    EventHook hook;
    for (const DWORD event :
         {EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_MOVESIZESTART, EVENT_SYSTEM_MOVESIZEEND,
          EVENT_SYSTEM_MINIMIZESTART, EVENT_OBJECT_CREATE, EVENT_OBJECT_DESTROY}) {
        hook.Dispatch(event, window.get());
    }
    EXPECT_TRUE(hook.FEventForeground);
    EXPECT_TRUE(hook.FEventMoved);
}

TEST(EventHookTest, InstallIsIdempotentAndHeldByOneInstance) {
    EventHook first;
    EventHook second;
    ASSERT_TRUE(first.Install());
    EXPECT_TRUE(first.Install());
    EXPECT_FALSE(second.Install());
    EXPECT_FALSE(second.Installed());
    second.Uninstall(); // not installed: leaves the first one alone
    EXPECT_TRUE(first.Installed());
    first.Uninstall();
    first.Uninstall();
    EXPECT_FALSE(first.Installed());
    EXPECT_TRUE(second.Install());
}

} // namespace
} // namespace velmado::rules
