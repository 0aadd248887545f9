#include "commands/window_menu_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using velmado::commands::BuildWindowMenu;
using velmado::commands::kNameImage;
using velmado::commands::WindowMenuArrays;
using velmado::ui::MenuItem;

namespace {

// Names of the children, separators as "-".
std::vector<std::wstring> Names(const MenuItem& parent) {
    std::vector<std::wstring> names;
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        names.push_back(parent.At(i).IsSeparator() ? L"-" : parent.At(i).name);
    }
    return names;
}

std::vector<std::wstring> Numbered(const std::wstring& prefix, std::initializer_list<int> numbers) {
    std::vector<std::wstring> names;
    for (const int n : numbers) {
        names.push_back(prefix + std::to_wstring(n));
    }
    return names;
}

class WindowMenuTree : public ::testing::Test {
protected:
    void SetUp() override { arrays = BuildWindowMenu(root); }
    MenuItem& Named(const wchar_t* name) {
        MenuItem* item = root.Find(name);
        EXPECT_NE(item, nullptr) << "missing";
        return item != nullptr ? *item : root;
    }

    MenuItem root;
    WindowMenuArrays arrays;
};

} // namespace

TEST_F(WindowMenuTree, ItemsInOrderWithTheirSubmenus) {
    EXPECT_EQ(Names(root), (std::vector<std::wstring>{L"PPName",
                                                      L"-",
                                                      L"PPMon",
                                                      L"PPPos",
                                                      L"PPSize",
                                                      L"PPPosSize",
                                                      L"PPUndo",
                                                      L"PPHis",
                                                      L"-",
                                                      L"PPBottom",
                                                      L"PPWindowMenu",
                                                      L"PPMoving",
                                                      L"PPSizing",
                                                      L"PPHide",
                                                      L"PPTransWin",
                                                      L"PPTaskTray",
                                                      L"PPMinTray",
                                                      L"PPTop",
                                                      L"PPShade",
                                                      L"PPPriority",
                                                      L"-",
                                                      L"PPFolder",
                                                      L"PPExecute",
                                                      L"PPExecuteAdmin",
                                                      L"PPReExecuteAdmin",
                                                      L"-",
                                                      L"PPWindowSave",
                                                      L"PPWindowLoad",
                                                      L"PPWindowCheck",
                                                      L"PPWindowList"}));
    std::vector<std::wstring> monitor = Numbered(L"PPMon", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    monitor.insert(monitor.end(), {L"-", L"PPMon10"});
    EXPECT_EQ(Names(Named(L"PPMon")), monitor);
    EXPECT_EQ(Names(Named(L"PPPos")), Numbered(L"PPWinMenu", {2, 3, 4, 5, 6, 12, 13, 14, 15}));
    EXPECT_EQ(Names(Named(L"PPSize")), Numbered(L"PPWinMenu", {0, 7, 8, 1, 9, 10, 11}));
    EXPECT_EQ(Names(Named(L"PPPosSize")), Numbered(L"PPWinMenu", {16, 17, 18, 19, 20, 21, 22, 23}));
    EXPECT_EQ(Names(Named(L"PPHis")), Numbered(L"PPHis", {1, 2, 3, 4, 5}));
    EXPECT_EQ(Names(Named(L"PPTransWin")),
              Numbered(L"PPTransWin", {100, 95, 90, 85, 80, 75, 70, 65, 60, 55, 50, 45, 40, 35, 30,
                                       25, 20, 15, 10}));
    EXPECT_EQ(Names(Named(L"PPPriority")), Numbered(L"PPPriority", {0, 1, 2, 3, 4}));
}

TEST_F(WindowMenuTree, CaptionsAsTheUserReadsThem) {
    const std::pair<const wchar_t*, const wchar_t*> captions[] = {
        {L"PPMon", L"モニタ #1"},
        {L"PPMon10", L"このモニタ(&0)"},
        {L"PPWinMenu2", L"上(&8)"},
        {L"PPWinMenu15", L"右下(&3)"},
        {L"PPWinMenu7", L"  縦 +10(&2)"},
        {L"PPWinMenu10", L"  横 -10(&6)"},
        {L"PPWinMenu11", L"縦横最大化(&7)"},
        {L"PPWinMenu16", L"上1/2(&1)"},
        {L"PPWinMenu23", L"右下1/4(&8)"},
        {L"PPUndo", L"元に戻す(&D)"},
        {L"PPMoving", L"\u3000移動(&M)"},
        {L"PPSizing", L"\u3000サイズ変更(&Z)"},
        {L"PPTop", L"常に手前に表示/解除(&A)"},
        {L"PPPriority3", L"通常以下(&3)"},
        {L"PPExecuteAdmin", L"多重起動[管理者](&K)"},
        {L"PPWindowCheck", L"有効／無効(&X)"},
        {L"PPWindowList", L"デスクトップに表示中のウィンドウの一覧(&G)"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Named(name).caption, caption) << name;
    }
    EXPECT_EQ(Named(L"PPName").imageIndex, kNameImage);
    EXPECT_TRUE(Named(L"PPMinTray").autoCheck);
    EXPECT_FALSE(Named(L"PPWindowCheck").autoCheck);
}

TEST_F(WindowMenuTree, ArraysHoldTheNumberedItemsTaggedWithTheirIndex) {
    ASSERT_EQ(arrays.MPPWin.size(), 24u);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(arrays.MPPWin[i]->name, L"PPWinMenu" + std::to_wstring(i));
        EXPECT_EQ(arrays.MPPWin[i]->tag, i);
    }
    ASSERT_EQ(arrays.MPPMon.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        const MenuItem& item = *arrays.MPPMon[i];
        EXPECT_EQ(item.name, L"PPMon" + std::to_wstring(i));
        EXPECT_EQ(item.tag, i);
        EXPECT_EQ(item.radioGroup, 3);
        EXPECT_FALSE(item.visible) << "shown once the monitors are named";
        EXPECT_EQ(item.Checked(), i == 0);
    }
    EXPECT_EQ(Named(L"PPMon10").radioGroup, 3);
    ASSERT_EQ(arrays.MPPTransWin.size(), 20u);
    EXPECT_EQ(arrays.MPPTransWin[0], nullptr);
    for (int i = 1; i <= 19; ++i) {
        const MenuItem& item = *arrays.MPPTransWin[i];
        EXPECT_EQ(item.name, L"PPTransWin" + std::to_wstring(5 * i + 5));
        EXPECT_EQ(item.caption, std::to_wstring(5 * i + 5) + L"%");
        EXPECT_EQ(item.tag, i);
        EXPECT_EQ(item.radioGroup, 1);
    }
    ASSERT_EQ(arrays.MPPHis.size(), 6u);
    EXPECT_EQ(arrays.MPPHis[0], nullptr);
    for (int i = 1; i <= 5; ++i) {
        const MenuItem& item = *arrays.MPPHis[i];
        EXPECT_EQ(item.name, L"PPHis" + std::to_wstring(i));
        EXPECT_EQ(item.tag, i);
        EXPECT_TRUE(item.caption.empty());
        EXPECT_FALSE(item.enabled) << "no history entry yet";
    }
    ASSERT_EQ(arrays.MPPPriority.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(arrays.MPPPriority[i]->name, L"PPPriority" + std::to_wstring(i));
        EXPECT_EQ(arrays.MPPPriority[i]->tag, i);
        EXPECT_EQ(arrays.MPPPriority[i]->radioGroup, 5);
    }
}
