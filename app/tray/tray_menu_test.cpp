#include "app/tray/tray_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using velmado::app::ApplyWindowsVersion;
using velmado::app::BuildTrayMenu;
using velmado::app::TrayMenuArrays;
using velmado::ui::MenuBreak;
using velmado::ui::MenuItem;
using velmado::ui::PopupMenu;
using velmado::ui::RenderMenu;

namespace {

struct NativeItem {
    std::wstring caption;
    UINT type = 0;
    UINT state = 0;
    HMENU submenu = nullptr;
    MenuItem* model = nullptr;
};

std::vector<NativeItem> Read(HMENU menu, const std::vector<MenuItem*>& commands) {
    std::vector<NativeItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        MenuItem* model =
            info.wID >= 1 && info.wID <= commands.size() ? commands[info.wID - 1] : nullptr;
        items.push_back({text, info.fType, info.fState, info.hSubMenu, model});
    }
    return items;
}

std::vector<std::wstring> Captions(const std::vector<NativeItem>& items) {
    std::vector<std::wstring> captions;
    for (const NativeItem& item : items) {
        captions.push_back(item.type & MFT_SEPARATOR ? L"-" : item.caption);
    }
    return captions;
}

// The native submenu under the item with this caption.
HMENU Sub(HMENU menu, const std::wstring& caption, const std::vector<MenuItem*>& commands) {
    for (const NativeItem& item : Read(menu, commands)) {
        if (item.caption == caption) {
            return item.submenu;
        }
    }
    ADD_FAILURE() << "a submenu is missing";
    return nullptr;
}

class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        arrays = BuildTrayMenu(menu);
        native = RenderMenu(menu.Items(), commands);
        ASSERT_TRUE(native);
    }
    MenuItem& Named(const wchar_t* name) {
        MenuItem* item = menu.Find(name);
        EXPECT_NE(item, nullptr);
        return *item;
    }

    PopupMenu menu;
    TrayMenuArrays arrays;
    std::vector<MenuItem*> commands;
    velmado::win::UniqueMenu native;
};

} // namespace

TEST_F(TrayMenuTest, TopLevelHasEveryEntryInOrder) {
    const std::vector<std::wstring> expected = {
        L"全てのウィンドウを最小化",
        L"全てのウィンドウを指定モニタに移動",
        L"モニタ#1と#2のウィンドウを入れ替え",
        L"-",
        L"起動したウィンドウをマウスカーソルがあるモニタに移動",
        L"起動したウィンドウを最大化",
        L"-",
        L"直接操作",
        L"-",
        L"隠したウィンドウ",
        L"-",
        L"位置と大きさの監視設定",
        L"作業領域の監視設定",
        L"プロファイル",
        L"非常駐モード(管理者)を実行",
        L"-",
        L"ホットキーとマウス設定",
        L"スクロール設定",
        L"マウスフックを有効",
        L"-",
        L"タスクバー設定",
        L"デスクトップのウィンドウの位置と大きさ設定",
        L"デスクトップのアイコン設定",
        L"スクリーンセーバー設定",
        L"-",
        L"オプション",
        L"モニタ切り替え",
        L"-",
        L"バージョン情報",
        L"ヘルプ",
        L"-",
        L"終了",
    };
    const std::vector<NativeItem> top = Read(native.get(), commands);
    EXPECT_EQ(Captions(top), expected);
    EXPECT_EQ(top.front().model, &Named(L"PPShowDeskTop"));
    EXPECT_EQ(top.back().model, &Named(L"PPClose"));
    EXPECT_TRUE(Named(L"PPBar").IsSeparator());
    EXPECT_TRUE(Named(L"PPMonCur").autoCheck);
    EXPECT_FALSE(Named(L"PPMonCur").Checked());
}

TEST_F(TrayMenuTest, SubmenusHaveTheirCaptionsAndInitialChecks) {
    const HMENU hidden = Sub(native.get(), L"隠したウィンドウ", commands);
    const std::vector<NativeItem> hiddenItems = Read(hidden, commands);
    ASSERT_EQ(hiddenItems.size(), 4u);
    EXPECT_EQ(hiddenItems[3].caption, L"\u3000（タスクトレイに最小化、ウィンドウシェードを含む）");
    EXPECT_EQ(hiddenItems[3].model, &Named(L"PPShowAllHideTW"));

    const HMENU rules = Sub(native.get(), L"位置と大きさの監視設定", commands);
    const std::vector<NativeItem> ruleItems = Read(rules, commands);
    EXPECT_EQ(Captions(ruleItems),
              (std::vector<std::wstring>{L"有効", L"位置と大きさの監視設定ファイルを変更", L"設定",
                                         L"復元", L"未登録のダイアログは中央に移動",
                                         L"ファイル選択ダイアログ設定"}));
    EXPECT_TRUE(ruleItems[0].state & MFS_CHECKED);
    EXPECT_EQ(ruleItems[0].model, &Named(L"PPWindowEnable"));
    const std::vector<NativeItem> dialogItems =
        Read(Sub(rules, L"ファイル選択ダイアログ設定", commands), commands);
    EXPECT_EQ(Captions(dialogItems),
              (std::vector<std::wstring>{L"位置と大きさを記憶", L"-", L"詳細表示",
                                         L"グリッドラインを表示", L"行全体を選択", L"有効／無効"}));
    for (std::size_t i = 0; i < dialogItems.size(); ++i) {
        EXPECT_EQ((dialogItems[i].state & MFS_CHECKED) != 0, i == 5) << i;
    }

    const HMENU workAreas = Sub(native.get(), L"作業領域の監視設定", commands);
    EXPECT_TRUE(Read(workAreas, commands)[0].state & MFS_CHECKED);
    EXPECT_EQ(Read(workAreas, commands)[0].model, &Named(L"PPSnapEnable"));

    const HMENU desktop = Sub(native.get(), L"デスクトップのアイコン設定", commands);
    EXPECT_EQ(Captions(Read(desktop, commands)).back(), L"\u3000文字色の指定");

    const HMENU options = Sub(native.get(), L"オプション", commands);
    const std::vector<NativeItem> optionItems = Read(options, commands);
    EXPECT_EQ(optionItems.back().caption, L"タブレットモード時は全ての処理を停止");
    EXPECT_TRUE(optionItems.back().state & MFS_CHECKED);
    const HMENU restart = Sub(options, L"モニタの変更時", commands);
    const std::vector<NativeItem> restartItems = Read(restart, commands);
    ASSERT_EQ(restartItems.size(), 8u);
    EXPECT_EQ(restartItems[4].caption, L"作業領域の大きさ別の位置と大きさの監視設定ファイル");
    EXPECT_TRUE(restartItems[0].state & MFS_CHECKED);
    EXPECT_TRUE(restartItems[0].type & MFT_RADIOCHECK);
    EXPECT_TRUE(restartItems[7].state & MFS_CHECKED); // PPDispDialog
    const std::vector<NativeItem> times =
        Read(Sub(restart, L"確認ダイアログ表示時間", commands), commands);
    ASSERT_EQ(times.size(), 7u);
    EXPECT_EQ(times[2].caption, L"10秒");
    for (std::size_t i = 0; i < times.size(); ++i) {
        EXPECT_EQ((times[i].state & MFS_CHECKED) != 0, i == 2) << i;
        EXPECT_EQ(times[i].model, arrays.MPPDispDialogTime[i]);
    }
    EXPECT_NE(menu.Find(L"PPDispDialigTime"), nullptr);
}

TEST_F(TrayMenuTest, ArraysHoldTheNumberedItemsTaggedByIndex) {
    const struct {
        const std::vector<MenuItem*>& items;
        const wchar_t* prefix;
        std::size_t size;
    } named[] = {
        {arrays.MPPWindowFile, L"PPWindowFile", 10},
        {arrays.MPPMonEnabled, L"PPMonEnabled", 10},
        {arrays.MPPMonitorAll, L"PPMonitorAll", 10},
        {arrays.MPPStartButton, L"PPStartButton", 4},
        {arrays.MPPDispDialogTime, L"PPDispDialogTime", 7},
        {arrays.MPPReStart, L"PPReStart", 5},
        {arrays.MPPProfile, L"PPProfile", 5},
        {arrays.MPPDTPWinLoad, L"PPDTPWinLoad", 5},
        {arrays.MPPDisplayChange, L"PPDisplayChange", 4},
    };
    for (const auto& array : named) {
        ASSERT_EQ(array.items.size(), array.size) << array.size;
        for (std::size_t i = 0; i < array.size; ++i) {
            const std::wstring name = array.prefix + std::to_wstring(i);
            EXPECT_EQ(array.items[i], menu.Find(name)) << i;
            EXPECT_EQ(array.items[i]->tag, static_cast<int>(i));
        }
    }
    ASSERT_EQ(arrays.MPPTransTaskBar.size(), 20u);
    EXPECT_EQ(arrays.MPPTransTaskBar[0], nullptr);
    for (int i = 1; i <= 19; ++i) {
        MenuItem* item = arrays.MPPTransTaskBar[static_cast<std::size_t>(i)];
        EXPECT_EQ(item, menu.Find(L"PPTransTaskBar" + std::to_wstring(5 * i + 5)));
        EXPECT_EQ(item->tag, i);
        EXPECT_EQ(item->caption, std::to_wstring(5 * i + 5) + L"%");
    }
    ASSERT_EQ(arrays.MPPDelay.size(), 30u);
    ASSERT_EQ(arrays.MPPScrollHook.size(), 101u);
    ASSERT_EQ(arrays.MPPScrollSystem.size(), 101u);
    for (std::size_t i = 0; i < 101; ++i) {
        EXPECT_EQ(arrays.MPPScrollHook[i]->tag, static_cast<int>(i));
        EXPECT_EQ(arrays.MPPScrollSystem[i]->tag, static_cast<int>(i));
        if (i < 30) {
            EXPECT_EQ(arrays.MPPDelay[i]->tag, static_cast<int>(i));
        }
    }
    EXPECT_EQ(arrays.MPPMonEnabled[3]->Parent(), &Named(L"PPMonEnabled"));
    EXPECT_TRUE(arrays.MPPMonEnabled[3]->autoCheck);
}

TEST_F(TrayMenuTest, TaskbarOpacityAndStartButtonAreRadioGroups) {
    const HMENU taskbar = Sub(native.get(), L"タスクバー設定", commands);
    const std::vector<NativeItem> trans = Read(Sub(taskbar, L"半透明度", commands), commands);
    ASSERT_EQ(trans.size(), 21u);
    EXPECT_EQ(trans[0].caption, L"100%");
    EXPECT_EQ(trans[18].caption, L"10%");
    EXPECT_TRUE(trans[19].type & MFT_SEPARATOR);
    EXPECT_EQ(trans[20].caption, L"スタートメニュー(&M)");
    for (std::size_t i = 0; i < 19; ++i) {
        EXPECT_TRUE(trans[i].type & MFT_RADIOCHECK) << i;
        EXPECT_EQ((trans[i].state & MFS_CHECKED) != 0, i == 0) << i;
    }
    // Checking another entry unchecks the first, as the handler relies on.
    arrays.MPPTransTaskBar[5]->SetChecked(true);
    EXPECT_FALSE(arrays.MPPTransTaskBar[19]->Checked());
    EXPECT_FALSE(menu.Find(L"PPTransStartMenu")->Checked());

    const std::vector<NativeItem> start = Read(Sub(taskbar, L"スタートボタン", commands), commands);
    EXPECT_EQ(Captions(start), (std::vector<std::wstring>{L"変更しない", L"時計を表示",
                                                          L"日付を表示", L"文字を変更"}));
    EXPECT_TRUE(start[0].state & MFS_CHECKED);
    EXPECT_TRUE(start[3].type & MFT_RADIOCHECK);
}

TEST_F(TrayMenuTest, DelayAndScrollEntriesRunInColumns) {
    const HMENU options = Sub(native.get(), L"オプション", commands);
    const std::vector<NativeItem> delay = Read(Sub(options, L"起動遅延時間", commands), commands);
    ASSERT_EQ(delay.size(), 30u);
    EXPECT_EQ(delay[0].caption, L"なし");
    EXPECT_EQ(delay[1].caption, L"2秒");
    EXPECT_EQ(delay[29].caption, L"58秒");
    for (std::size_t i = 0; i < delay.size(); ++i) {
        EXPECT_TRUE(delay[i].type & MFT_RADIOCHECK) << i;
        EXPECT_EQ((delay[i].type & MFT_MENUBREAK) != 0, i == 10 || i == 20) << i;
        EXPECT_EQ(delay[i].model, arrays.MPPDelay[i]);
    }

    const HMENU scroll = Sub(native.get(), L"スクロール設定", commands);
    for (const wchar_t* caption : {L"マウスフック", L"システム"}) {
        const std::vector<NativeItem> entries = Read(Sub(scroll, caption, commands), commands);
        ASSERT_EQ(entries.size(), 101u);
        EXPECT_EQ(entries[0].caption, L"ページ(&0)");
        EXPECT_EQ(entries[1].caption, L"1");
        EXPECT_EQ(entries[100].caption, L"100");
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ((entries[i].type & MFT_MENUBREAK) != 0,
                      i == 1 || i == 26 || i == 51 || i == 76)
                << i;
            EXPECT_TRUE(entries[i].type & MFT_RADIOCHECK) << i;
        }
    }
    // A click switches a scroll entry by itself and leaves one entry of its group checked.
    arrays.MPPScrollHook[3]->Click();
    arrays.MPPScrollHook[7]->Click();
    EXPECT_FALSE(arrays.MPPScrollHook[3]->Checked());
    EXPECT_TRUE(arrays.MPPScrollHook[7]->Checked());
    EXPECT_FALSE(arrays.MPPScrollSystem[7]->Checked());
    EXPECT_EQ(arrays.MPPScrollHook[0]->menuBreak, MenuBreak::None);
}

TEST_F(TrayMenuTest, EntriesFollowTheWindowsVersion) {
    struct Case {
        velmado::common::WindowsVersion version;
        bool uac, admin;
        bool displayChange, tablet, startMenu, deskTopTrans, adminQ, startButton;
        const wchar_t* firstDisplay;
    };
    const Case cases[] = {
        {{10, 0, 19045}, true, false, true, true, true, false, true, false, L"PC画面のみ"},
        {{10, 0, 22631}, true, true, true, false, true, false, false, false, L"PC画面のみ"},
        {{6, 3, 9600}, false, false, true, false, false, false, false, false, L"コンピュータのみ"},
        {{6, 1, 7601}, true, false, true, false, true, false, true, false, L"コンピュータのみ"},
        {{5, 1, 2600}, true, false, false, false, true, true, false, true, L"コンピュータのみ"},
    };
    for (const Case& c : cases) {
        ApplyWindowsVersion(menu, arrays, c.version, c.uac, c.admin);
        const unsigned build = c.version.build;
        EXPECT_EQ(Named(L"PPDisplayChange").visible, c.displayChange) << build;
        EXPECT_EQ(Named(L"PPTabletMode").visible, c.tablet) << build;
        EXPECT_EQ(Named(L"PPTransStartMenu").visible, c.startMenu) << build;
        EXPECT_EQ(Named(L"PPDeskTopTrans").visible, c.deskTopTrans) << build;
        EXPECT_EQ(Named(L"PPAdminQ").visible, c.adminQ) << build;
        if (c.adminQ) {
            EXPECT_EQ(Named(L"PPAdminQ").imageIndex, 0) << "the shield";
            EXPECT_NE(menu.Image(0), nullptr) << build;
        }
        EXPECT_EQ(Named(L"PPStartButton").visible, c.startButton) << build;
        EXPECT_TRUE(Named(L"PPTransTaskBar").enabled) << build;
        EXPECT_EQ(arrays.MPPDisplayChange[0]->caption, c.firstDisplay) << build;
        EXPECT_EQ(arrays.MPPDisplayChange[1]->caption, L"複製") << build;
    }
    commands.clear();
    const velmado::win::UniqueMenu rendered = RenderMenu(menu.Items(), commands);
    const std::vector<std::wstring> top = Captions(Read(rendered.get(), commands));
    EXPECT_EQ(std::count(top.begin(), top.end(), L"モニタ切り替え"), 0);
    EXPECT_EQ(std::count(top.begin(), top.end(), L"非常駐モード(管理者)を実行"), 0);
}
