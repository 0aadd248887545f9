#include "ui/menu_item.h"

#include <gtest/gtest.h>

#include <vector>

using velmado::ui::MenuItem;

namespace {

// Two radio groups side by side under one parent, plus a group of the same number in another
// parent, as in the taskbar menus.
struct RadioMenu {
    MenuItem root;
    MenuItem& trans = root.Add(L"PPTransTaskBar", L"半透明度");
    MenuItem& start = root.Add(L"PPStartButton", L"スタートボタン");
    std::vector<MenuItem*> levels;
    std::vector<MenuItem*> others;
    MenuItem* startItem = nullptr;

    RadioMenu() {
        for (int i = 0; i < 3; ++i) {
            MenuItem& item = trans.Add(L"PPTransTaskBar" + std::to_wstring(i), L"x");
            item.radioGroup = 2;
            item.autoCheck = true;
            item.tag = i;
            levels.push_back(&item);
        }
        for (int i = 0; i < 2; ++i) {
            MenuItem& item = trans.Add(L"Other" + std::to_wstring(i), L"y");
            item.radioGroup = 1;
            others.push_back(&item);
        }
        startItem = &start.Add(L"PPStartButton0", L"変更しない");
        startItem->radioGroup = 2;
    }
};

} // namespace

TEST(MenuItem, CheckingARadioItemUnchecksOnlyItsGroupAmongItsSiblings) {
    RadioMenu menu;
    menu.startItem->SetChecked(true);
    menu.others[1]->SetChecked(true);
    menu.levels[0]->SetChecked(true);
    menu.levels[2]->SetChecked(true);
    EXPECT_FALSE(menu.levels[0]->Checked());
    EXPECT_FALSE(menu.levels[1]->Checked());
    EXPECT_TRUE(menu.levels[2]->Checked());
    EXPECT_TRUE(menu.others[1]->Checked());
    EXPECT_TRUE(menu.startItem->Checked());
    menu.levels[2]->SetChecked(false);
    EXPECT_FALSE(menu.levels[2]->Checked());
}

TEST(MenuItem, ClickOfARadioItemChecksItBeforeItsHandlerRunsAndKeepsItChecked) {
    RadioMenu menu;
    int seenTag = -1;
    bool checkedInHandler = false;
    for (MenuItem* item : menu.levels) {
        item->OnClick = [&](MenuItem& sender) {
            seenTag = sender.tag;
            checkedInHandler = sender.Checked();
        };
    }
    menu.levels[1]->Click();
    EXPECT_EQ(seenTag, 1);
    EXPECT_TRUE(checkedInHandler);
    menu.levels[1]->Click();
    EXPECT_TRUE(menu.levels[1]->Checked());
    menu.levels[0]->Click();
    EXPECT_TRUE(menu.levels[0]->Checked());
    EXPECT_FALSE(menu.levels[1]->Checked());
}

TEST(MenuItem, ClickTogglesAnAutoCheckItemOnlyAndDoesNothingWhenDisabled) {
    MenuItem root;
    MenuItem& autoItem = root.Add(L"PPHookEnabled", L"マウスフックを有効");
    autoItem.autoCheck = true;
    MenuItem& plain = root.Add(L"PPDirect", L"直接操作");
    int clicks = 0;
    autoItem.OnClick = [&](MenuItem&) { ++clicks; };
    plain.OnClick = [&](MenuItem&) { ++clicks; };

    autoItem.Click();
    EXPECT_TRUE(autoItem.Checked());
    autoItem.Click();
    EXPECT_FALSE(autoItem.Checked());
    plain.Click();
    EXPECT_FALSE(plain.Checked());
    EXPECT_EQ(clicks, 3);

    autoItem.enabled = false;
    autoItem.Click();
    EXPECT_FALSE(autoItem.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST(MenuItem, AHandlerMayReplaceItselfWhileRunning) {
    MenuItem root;
    MenuItem& item = root.Add(L"Item", L"x");
    int first = 0;
    int second = 0;
    item.OnClick = [&](MenuItem& sender) {
        ++first;
        sender.OnClick = [&](MenuItem&) { ++second; };
    };
    item.Click();
    item.Click();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST(MenuItem, FindsNestedItemsByNameButNeverUnnamedOnes) {
    MenuItem root;
    MenuItem& file = root.Add(L"PPWindowFile", L"ファイル");
    std::vector<MenuItem*> created;
    for (int i = 0; i < 10; ++i) {
        created.push_back(&file.Add(L"PPWindowFile" + std::to_wstring(i), L""));
    }
    root.AddSeparator();
    MenuItem& bar = root.AddSeparator(L"PPBar");
    EXPECT_TRUE(bar.IsSeparator());
    EXPECT_EQ(root.Find(L"PPWindowFile"), &file);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(root.Find(L"PPWindowFile" + std::to_wstring(i)), created[i]);
        EXPECT_EQ(created[i]->Parent(), &file);
    }
    EXPECT_EQ(root.Find(L"PPBar"), &bar);
    EXPECT_EQ(root.Find(L""), nullptr);
    EXPECT_EQ(root.Find(L"PPWindowFile10"), nullptr);
    EXPECT_EQ(root.Count(), 3u);
    EXPECT_EQ(&root.At(0), &file);
}
