#include "ui/win/tray_icon.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/win/test_support.h"

using velmado::ui::MouseButton;
using velmado::ui::TrayIcon;
using velmado::ui::test::ExceptionRecorder;

namespace {

// Asks the shell directly whether it knows the icon: a modify succeeds only for a known icon.
bool ShellKnows(UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = TrayIcon::CallbackWindow();
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool ShellKnows(const TrayIcon& icon) {
    return ShellKnows(icon.Id());
}

void ForgetInShell(const TrayIcon& icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = TrayIcon::CallbackWindow();
    data.uID = icon.Id();
    Shell_NotifyIconW(NIM_DELETE, &data);
}

void SendEvent(const TrayIcon& icon, UINT event, short x, short y) {
    SendMessageW(TrayIcon::CallbackWindow(), TrayIcon::kCallbackMessage,
                 MAKEWPARAM(static_cast<WORD>(x), static_cast<WORD>(y)),
                 MAKELPARAM(event, icon.Id()));
}

// Every event of an icon as text: "down L 10,20", "dbl" ...
struct Recorder {
    std::vector<std::string> events;

    void Attach(TrayIcon& icon) {
        const auto name = [](MouseButton button) {
            return button == MouseButton::Left ? "L" : button == MouseButton::Right ? "R" : "M";
        };
        icon.OnMouseDown = [this, name](MouseButton button, int x, int y) {
            events.push_back(std::string("down ") + name(button) + " " + std::to_string(x) + "," +
                             std::to_string(y));
        };
        icon.OnMouseUp = [this, name](MouseButton button, int x, int y) {
            events.push_back(std::string("up ") + name(button) + " " + std::to_string(x) + "," +
                             std::to_string(y));
        };
        icon.OnMouseMove = [this](int x, int y) {
            events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        };
        icon.OnDblClick = [this] { events.push_back("dbl"); };
    }
};

} // namespace

TEST(TrayIcon, AddsChangesAndRemovesItsIconInTheShell) {
    const HICON image = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    TrayIcon icon;
    icon.SetIcon(image);
    icon.SetHint(L"Velmado");
    EXPECT_FALSE(ShellKnows(icon));
    ASSERT_TRUE(icon.SetVisible(true));
    EXPECT_TRUE(ShellKnows(icon));
    icon.SetHint(L"【マウスフック】\r\n有効");
    EXPECT_EQ(icon.Hint(), L"【マウスフック】\r\n有効");
    icon.SetVisible(false);
    EXPECT_FALSE(ShellKnows(icon));
    EXPECT_TRUE(icon.SetVisible(true));
    EXPECT_TRUE(ShellKnows(icon));
    UINT otherId = 0;
    {
        TrayIcon other;
        ASSERT_TRUE(other.SetVisible(true));
        otherId = other.Id();
        EXPECT_NE(otherId, icon.Id());
        EXPECT_TRUE(ShellKnows(other));
        icon.SetVisible(false);
        EXPECT_TRUE(ShellKnows(other));
    }
    EXPECT_FALSE(ShellKnows(otherId));
}

TEST(TrayIcon, CutsLongHintsWithoutSplittingACharacter) {
    TrayIcon icon;
    icon.SetHint(std::wstring(200, L'あ'));
    EXPECT_EQ(icon.Hint(), std::wstring(127, L'あ'));
    // A surrogate pair across the limit is dropped whole.
    std::wstring hint(126, L'a');
    hint += L"\U0001F600";
    icon.SetHint(hint);
    EXPECT_EQ(icon.Hint(), std::wstring(126, L'a'));
}

TEST(TrayIcon, ANewTaskbarGetsEveryVisibleIconAgain) {
    TrayIcon main;
    TrayIcon dual;
    TrayIcon hidden;
    ASSERT_TRUE(main.SetVisible(true));
    ASSERT_TRUE(dual.SetVisible(true));
    ASSERT_TRUE(hidden.SetVisible(true));
    hidden.SetVisible(false);
    // A restarted shell has forgotten them all.
    ForgetInShell(main);
    ForgetInShell(dual);
    ASSERT_FALSE(ShellKnows(main));

    SendMessageW(TrayIcon::CallbackWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellKnows(main));
    EXPECT_TRUE(ShellKnows(dual));
    EXPECT_FALSE(ShellKnows(hidden));
    // An icon that the shell still knew is not doubled: one removal forgets it.
    SendMessageW(TrayIcon::CallbackWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    main.SetVisible(false);
    EXPECT_FALSE(ShellKnows(main));
}

TEST(TrayIcon, TranslatesTheShellsCallbacksIntoMouseEvents) {
    TrayIcon icon;
    TrayIcon other;
    Recorder events;
    Recorder otherEvents;
    events.Attach(icon);
    otherEvents.Attach(other);

    SendEvent(icon, WM_MOUSEMOVE, 13, 32);
    SendEvent(icon, WM_LBUTTONDOWN, 13, 32);
    SendEvent(icon, WM_LBUTTONUP, 13, 32);
    SendEvent(icon, WM_LBUTTONDBLCLK, 13, 32);
    SendEvent(icon, WM_LBUTTONUP, 13, 32);
    SendEvent(icon, WM_RBUTTONDOWN, -1270, 1000);
    SendEvent(icon, WM_RBUTTONUP, -1270, 1000);
    SendEvent(icon, WM_CONTEXTMENU, -1270, 1000);
    SendEvent(icon, WM_MBUTTONDOWN, 5, 6);
    SendEvent(icon, WM_MBUTTONUP, 5, 6);
    SendEvent(icon, NIN_SELECT, 5, 6);
    EXPECT_EQ(events.events,
              (std::vector<std::string>{"move 13,32", "down L 13,32", "up L 13,32", "down L 13,32",
                                        "dbl", "up L 13,32", "down R -1270,1000", "up R -1270,1000",
                                        "down M 5,6", "up M 5,6"}));
    EXPECT_TRUE(otherEvents.events.empty());

    // Detached, a double click is only the second press; disabled, nothing arrives at all.
    events.events.clear();
    icon.OnDblClick = nullptr;
    SendEvent(icon, WM_LBUTTONDBLCLK, 1, 2);
    icon.SetEnabled(false);
    SendEvent(icon, WM_LBUTTONDOWN, 1, 2);
    SendEvent(icon, WM_MOUSEMOVE, 1, 2);
    EXPECT_EQ(events.events, (std::vector<std::string>{"down L 1,2"}));
    SendEvent(other, WM_RBUTTONUP, 3, 4);
    EXPECT_EQ(otherEvents.events, (std::vector<std::string>{"up R 3,4"}));
}

TEST(TrayIcon, FailuresOfItsHandlersGoToTheExceptionEvent) {
    ExceptionRecorder recorder;
    TrayIcon icon;
    icon.OnMouseUp = [](MouseButton, int, int) { throw std::runtime_error("tray"); };
    SendEvent(icon, WM_LBUTTONUP, 1, 1);
    EXPECT_EQ(recorder.messages, (std::vector<std::wstring>{L"tray"}));
}
