#include "ui/win/popup_menu.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/win/test_support.h"
#include "ui/win/timer.h"

using velmado::ui::MenuBreak;
using velmado::ui::MenuItem;
using velmado::ui::PopupMenu;
using velmado::ui::RenderMenu;
using velmado::ui::Timer;
using velmado::ui::test::ExceptionRecorder;
using velmado::ui::test::PumpUntil;

namespace {

struct Rendered {
    std::wstring caption;
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
};

std::vector<Rendered> ReadMenu(HMENU menu) {
    std::vector<Rendered> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        items.push_back({text, info.fType, info.fState, info.wID, info.hSubMenu});
    }
    return items;
}

// Posts keys into the thread's queue, where the open menu's loop reads them.
void PostKeys(HWND window, std::initializer_list<WPARAM> keys) {
    for (const WPARAM key : keys) {
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }
}

// Ends a menu that stayed open too long, so that a fault fails the test instead of hanging it.
struct MenuWatchdog {
    Timer timer;
    bool fired = false;
    MenuWatchdog() {
        timer.SetInterval(3000);
        timer.OnTimer = [this] {
            fired = true;
            EndMenu();
        };
        timer.SetEnabled(true);
    }
};

} // namespace

TEST(PopupMenu, RendersCaptionsChecksRadioGroupsBreaksAndOnlyVisibleItems) {
    MenuItem root;
    MenuItem& enable = root.Add(L"PPWindowEnable", L"有効");
    enable.SetChecked(true);
    MenuItem& disabled = root.Add(L"PPAllHide", L"全て隠す");
    disabled.enabled = false;
    root.Add(L"PPHidden", L"見えない").visible = false;
    root.AddSeparator();
    MenuItem& delay = root.Add(L"PPDelay", L"起動遅延時間");
    std::vector<MenuItem*> entries;
    for (int i = 0; i < 21; ++i) {
        MenuItem& entry = delay.Add(L"", i == 0 ? L"なし" : std::to_wstring(2 * i) + L"秒");
        entry.radioGroup = 2;
        entry.menuBreak = i == 10   ? MenuBreak::Column
                          : i == 20 ? MenuBreak::BarColumn
                                    : MenuBreak::None;
        entries.push_back(&entry);
    }
    entries[3]->SetChecked(true);
    entries[20]->visible = false;

    std::vector<MenuItem*> commands;
    const velmado::win::UniqueMenu menu = RenderMenu(root, commands);
    ASSERT_TRUE(menu);
    const std::vector<Rendered> top = ReadMenu(menu.get());
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0].caption, L"有効");
    EXPECT_TRUE(top[0].state & MFS_CHECKED);
    EXPECT_FALSE(top[0].type & MFT_RADIOCHECK);
    ASSERT_GE(top[0].id, 1u);
    EXPECT_EQ(commands.at(top[0].id - 1), &enable);
    EXPECT_EQ(top[1].caption, L"全て隠す");
    EXPECT_TRUE(top[1].state & MFS_DISABLED);
    EXPECT_FALSE(top[1].state & MFS_CHECKED);
    EXPECT_EQ(commands.at(top[1].id - 1), &disabled);
    EXPECT_TRUE(top[2].type & MFT_SEPARATOR);
    EXPECT_EQ(top[3].caption, L"起動遅延時間");
    ASSERT_NE(top[3].submenu, nullptr);

    const std::vector<Rendered> sub = ReadMenu(top[3].submenu);
    ASSERT_EQ(sub.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(sub[i].caption, entries[i]->caption);
        EXPECT_TRUE(sub[i].type & MFT_RADIOCHECK) << i;
        EXPECT_EQ((sub[i].state & MFS_CHECKED) != 0, i == 3) << i;
        EXPECT_EQ((sub[i].type & MFT_MENUBREAK) != 0, i == 10) << i;
        EXPECT_FALSE(sub[i].type & MFT_MENUBARBREAK) << i;
        EXPECT_EQ(commands.at(sub[i].id - 1), entries[i]);
    }
    entries[20]->visible = true;
    commands.clear();
    const velmado::win::UniqueMenu again = RenderMenu(root, commands);
    const std::vector<Rendered> subAgain = ReadMenu(ReadMenu(again.get())[3].submenu);
    ASSERT_EQ(subAgain.size(), 21u);
    EXPECT_TRUE(subAgain[20].type & MFT_MENUBARBREAK);
}

TEST(PopupMenu, FillsOnPopupAndClicksTheChosenItemAfterClosing) {
    PopupMenu menu;
    MenuItem& first = menu.Add(L"PPFirst", L"一");
    MenuItem& second = menu.Add(L"PPSecond", L"二");
    second.autoCheck = true;
    second.visible = false;
    menu.OnPopup = [&] { second.visible = true; };
    int firstClicks = 0;
    bool openInClick = true;
    MenuItem* clicked = nullptr;
    first.OnClick = [&](MenuItem&) { ++firstClicks; };
    second.OnClick = [&](MenuItem& sender) {
        clicked = &sender;
        openInClick = menu.IsOpen();
    };
    bool sawOpen = false;
    Timer driver;
    driver.SetInterval(50);
    driver.OnTimer = [&] {
        driver.SetEnabled(false);
        sawOpen = menu.IsOpen();
        PostKeys(menu.OwnerWindow(), {VK_DOWN, VK_DOWN, VK_RETURN});
    };
    driver.SetEnabled(true);
    EXPECT_FALSE(menu.IsOpen());
    MenuWatchdog watchdog;
    ASSERT_TRUE(menu.Popup(100, 100));
    EXPECT_FALSE(watchdog.fired);
    EXPECT_TRUE(sawOpen);
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(clicked, &second);
    EXPECT_FALSE(openInClick);
    EXPECT_TRUE(second.Checked());
    EXPECT_EQ(firstClicks, 0);
}

TEST(PopupMenu, ClosesFromOutsideWithoutAClick) {
    PopupMenu menu;
    int clicks = 0;
    menu.Add(L"PPItem", L"項目").OnClick = [&](MenuItem&) { ++clicks; };
    // Both ways other code closes an open menu: Close, and a click posted to the owner window.
    for (const bool byClick : {false, true}) {
        Timer driver;
        driver.SetInterval(50);
        driver.OnTimer = [&] {
            driver.SetEnabled(false);
            PostKeys(menu.OwnerWindow(), {VK_DOWN});
            if (byClick) {
                PostMessageW(menu.OwnerWindow(), WM_LBUTTONDOWN, 0, 0);
            } else {
                menu.Close();
            }
        };
        driver.SetEnabled(true);
        MenuWatchdog watchdog;
        ASSERT_TRUE(menu.Popup(100, 100)) << byClick;
        EXPECT_FALSE(watchdog.fired) << byClick;
        EXPECT_FALSE(menu.IsOpen());
    }
    EXPECT_EQ(clicks, 0);
}

TEST(PopupMenu, FailuresOfItsHandlersGoToTheExceptionEvent) {
    ExceptionRecorder recorder;
    PopupMenu menu;
    menu.Add(L"PPItem", L"項目").OnClick = [](MenuItem&) { throw std::runtime_error("click"); };
    menu.OnPopup = [] { throw std::runtime_error("popup"); };
    EXPECT_FALSE(menu.Popup(100, 100));

    menu.OnPopup = nullptr;
    Timer driver;
    driver.SetInterval(50);
    driver.OnTimer = [&] {
        driver.SetEnabled(false);
        PostKeys(menu.OwnerWindow(), {VK_DOWN, VK_RETURN});
    };
    driver.SetEnabled(true);
    MenuWatchdog watchdog;
    EXPECT_TRUE(menu.Popup(100, 100));
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(recorder.messages, (std::vector<std::wstring>{L"popup", L"click"}));
}
