#include "app/tray/tray_menu.h"

#include <initializer_list>
#include <string>

#include "app/tray/tray_text.h"
#include "common/win/shield_glyph.h"

namespace velmado::app {

namespace {

using ui::MenuBreak;
using ui::MenuItem;

MenuItem& AutoCheck(MenuItem& item, bool checked = false) {
    item.autoCheck = true;
    item.SetChecked(checked);
    return item;
}

// Items name + index for index first..last, each tagged with its index.
std::vector<MenuItem*> AddNumbered(MenuItem& parent, const std::wstring& name, int first,
                                   int last) {
    std::vector<MenuItem*> items;
    for (int i = first; i <= last; ++i) {
        MenuItem& item = parent.Add(name + std::to_wstring(i), L"");
        item.tag = i;
        items.push_back(&item);
    }
    return items;
}

// Captions in order for the items name + index.
std::vector<MenuItem*> AddCaptioned(MenuItem& parent, const std::wstring& name,
                                    std::initializer_list<const wchar_t*> captions, int radioGroup,
                                    std::size_t checkedIndex) {
    std::vector<MenuItem*> items =
        AddNumbered(parent, name, 0, static_cast<int>(captions.size()) - 1);
    std::size_t i = 0;
    for (const wchar_t* caption : captions) {
        items[i]->caption = caption;
        items[i]->radioGroup = radioGroup;
        ++i;
    }
    items.at(checkedIndex)->SetChecked(true);
    return items;
}

std::vector<MenuItem*> AddScrollEntries(MenuItem& parent) {
    std::vector<MenuItem*> items;
    for (int i = 0; i <= 100; ++i) {
        MenuItem& item = parent.Add(L"", i == 0 ? L"ページ(&0)" : std::to_wstring(i));
        item.tag = i;
        item.radioGroup = 2;
        item.autoCheck = true;
        if (i == 1 || i == 26 || i == 51 || i == 76) {
            item.menuBreak = MenuBreak::Column;
        }
        items.push_back(&item);
    }
    return items;
}

void AddMonitorsAndWindows(MenuItem& root, TrayMenuArrays& arrays) {
    root.Add(L"PPShowDeskTop", L"全てのウィンドウを最小化");
    MenuItem& monitorAll = root.Add(L"PPMonitorAll", L"全てのウィンドウを指定モニタに移動");
    arrays.MPPMonitorAll = AddNumbered(monitorAll, L"PPMonitorAll", 0, 9);
    root.Add(L"PPMonitorSwap", L"モニタ#1と#2のウィンドウを入れ替え");
    root.AddSeparator();
    AutoCheck(root.Add(L"PPMonCur", L"起動したウィンドウをマウスカーソルがあるモニタに移動"));
    AutoCheck(root.Add(L"PPMonMAX", L"起動したウィンドウを最大化"));
    root.AddSeparator();
    root.Add(L"PPDirect", L"直接操作");
    root.AddSeparator();
    MenuItem& hidden = root.Add(L"", L"隠したウィンドウ");
    hidden.Add(L"PPShowHide", L"一覧を表示");
    hidden.Add(L"PPAllHide", L"全て隠す");
    hidden.Add(L"PPShowAllHide", L"全て表示");
    hidden.Add(L"PPShowAllHideTW", L"\u3000（タスクトレイに最小化、ウィンドウシェードを含む）");
    root.AddSeparator();
}

void AddRulesAndWorkAreas(MenuItem& root, TrayMenuArrays& arrays) {
    MenuItem& rules = root.Add(L"", L"位置と大きさの監視設定");
    AutoCheck(rules.Add(L"PPWindowEnable", L"有効"), true);
    MenuItem& windowFile = rules.Add(L"PPWindowFile", L"位置と大きさの監視設定ファイルを変更");
    arrays.MPPWindowFile = AddNumbered(windowFile, L"PPWindowFile", 0, 9);
    rules.Add(L"PPConfigWindow", L"設定");
    rules.Add(L"PPAllWindowLoad", L"復元");
    AutoCheck(rules.Add(L"PPDialogCenter", L"未登録のダイアログは中央に移動"));
    MenuItem& dialogs = rules.Add(L"PPOpenSaveDialog", L"ファイル選択ダイアログ設定");
    AutoCheck(dialogs.Add(L"PPDialogSave", L"位置と大きさを記憶"));
    dialogs.AddSeparator();
    AutoCheck(dialogs.Add(L"PPDialogDetail", L"詳細表示"));
    AutoCheck(dialogs.Add(L"PPDialogGrid", L"グリッドラインを表示"));
    AutoCheck(dialogs.Add(L"PPDialogSel", L"行全体を選択"));
    AutoCheck(dialogs.Add(L"PPDialogEnabled", L"有効／無効"), true);

    MenuItem& workAreas = root.Add(L"", L"作業領域の監視設定");
    AutoCheck(workAreas.Add(L"PPSnapEnable", L"有効"), true);
    MenuItem& monEnabled = workAreas.Add(L"PPMonEnabled", L"モニタ別作業領域の有効／無効");
    arrays.MPPMonEnabled = AddNumbered(monEnabled, L"PPMonEnabled", 0, 9);
    for (MenuItem* item : arrays.MPPMonEnabled) {
        item->autoCheck = true;
    }
    workAreas.Add(L"PPConfigSnap", L"設定");

    MenuItem& profile = root.Add(L"PPProfile", L"プロファイル");
    arrays.MPPProfile = AddNumbered(profile, L"PPProfile", 0, 4);
    profile.AddSeparator();
    profile.Add(L"PPProfileSave", L"保存");
    profile.Add(L"PPProfileLoad", L"読込");
    profile.AddSeparator();
    profile.Add(L"PPAutoProfile", L"自動プロファイル設定");
    root.Add(L"PPAdminQ", L"非常駐モード(管理者)を実行");
    root.AddSeparator(L"PPBar");
}

void AddInputAndShell(MenuItem& root, TrayMenuArrays& arrays) {
    root.Add(L"PPConfigHotkey", L"ホットキーとマウス設定");
    MenuItem& scroll = root.Add(L"PPScroll", L"スクロール設定");
    arrays.MPPScrollHook = AddScrollEntries(scroll.Add(L"PPScrollHook", L"マウスフック"));
    arrays.MPPScrollSystem = AddScrollEntries(scroll.Add(L"PPScrollSystem", L"システム"));
    AutoCheck(root.Add(L"PPHookEnabled", L"マウスフックを有効"));
    root.AddSeparator();

    MenuItem& taskbar = root.Add(L"", L"タスクバー設定");
    taskbar.Add(L"PPHideTaskBar", L"表示／非表示");
    MenuItem& trans = taskbar.Add(L"PPTransTaskBar", L"半透明度");
    arrays.MPPTransTaskBar.assign(20, nullptr);
    for (int i = 19; i >= 1; --i) {
        const std::wstring percent = std::to_wstring(5 * i + 5);
        MenuItem& item = trans.Add(L"PPTransTaskBar" + percent, percent + L"%");
        item.tag = i;
        item.radioGroup = 2;
        arrays.MPPTransTaskBar[static_cast<std::size_t>(i)] = &item;
    }
    arrays.MPPTransTaskBar[19]->SetChecked(true);
    trans.AddSeparator();
    AutoCheck(trans.Add(L"PPTransStartMenu", L"スタートメニュー(&M)"));
    MenuItem& startButton = taskbar.Add(L"PPStartButton", L"スタートボタン");
    arrays.MPPStartButton =
        AddCaptioned(startButton, L"PPStartButton",
                     {L"変更しない", L"時計を表示", L"日付を表示", L"文字を変更"}, 2, 0);

    MenuItem& layouts = root.Add(L"PPDeskTopWindow", L"デスクトップのウィンドウの位置と大きさ設定");
    MenuItem& layoutLoad = layouts.Add(L"PPDTPWinLoad", L"復元");
    arrays.MPPDTPWinLoad = AddNumbered(layoutLoad, L"PPDTPWinLoad", 0, 4);
    layouts.Add(L"PPDTPWinLoadAs", L"ファイルを指定して復元");
    layouts.AddSeparator();
    layouts.Add(L"PPDTPWinSave", L"保存");
    layouts.Add(L"PPDTPWinSaveAs", L"名前を付けて保存");

    MenuItem& desktop = root.Add(L"PPDeskTop", L"デスクトップのアイコン設定");
    MenuItem& icons = desktop.Add(L"PPDeskTopIcon", L"位置の保存／復元");
    icons.Add(L"PPDTPIconLoad", L"復元");
    AutoCheck(icons.Add(L"PPDTPIconLoadS", L"起動時に復元"));
    AutoCheck(icons.Add(L"PPDTPIconLoadD", L"デスクトップ作業域の変更時に復元"));
    icons.AddSeparator();
    icons.Add(L"PPDTPIconSave", L"保存");
    icons.Add(L"PPDTPIcondefaultSave", L"デフォルトとして保存");
    icons.Add(L"PPDTPIcondefaultLoad", L"デフォルトを復元");
    desktop.AddSeparator();
    AutoCheck(desktop.Add(L"PPDeskTopHide", L"非表示"));
    AutoCheck(desktop.Add(L"PPDeskTopSmall", L"小さく表示"));
    AutoCheck(desktop.Add(L"PPDeskTopTrans", L"文字の背景色を透明化"));
    AutoCheck(desktop.Add(L"PPDeskTopColorEnabled", L"文字色を変更"));
    desktop.Add(L"PPDeskTopColor", L"\u3000文字色の指定");

    MenuItem& screenSaver = root.Add(L"PPScr", L"スクリーンセーバー設定");
    AutoCheck(screenSaver.Add(L"PPSCREnabled", L"有効／無効(&B)"));
    screenSaver.Add(L"PPScrExe", L"起動(&S)");
    screenSaver.Add(L"PPMonPow", L"モニタの電源を切る(&M)");
    root.AddSeparator();
}

void AddOptions(MenuItem& root, TrayMenuArrays& arrays) {
    MenuItem& options = root.Add(L"", L"オプション");
    AutoCheck(options.Add(L"PPDisableDeskTop", L"全体が収まるモニタが存在しないウィンドウは無効"));
    options.AddSeparator();
    options.Add(L"PPDualDeskTop", L"デュアルデスクトップを使用");
    options.AddSeparator();
    MenuItem& restart = options.Add(L"PPReStart", L"モニタの変更時");
    arrays.MPPReStart =
        AddCaptioned(restart, L"PPReStart",
                     {L"何もしない", L"プロファイルを選択", L"位置と大きさの監視設定ファイルを選択",
                      L"自動プロファイル", L"作業領域の大きさ別の位置と大きさの監視設定ファイル"},
                     1, 0);
    restart.AddSeparator();
    MenuItem& dialogTime = restart.Add(L"PPDispDialigTime", L"確認ダイアログ表示時間");
    arrays.MPPDispDialogTime =
        AddCaptioned(dialogTime, L"PPDispDialogTime",
                     {L"2秒", L"5秒", L"10秒", L"15秒", L"20秒", L"25秒", L"30秒"}, 1, 2);
    AutoCheck(restart.Add(L"PPDispDialog", L"確認ダイアログを表示"), true);
    options.Add(L"PPMonitorInitial", L"モニタ情報を再取得");
    MenuItem& delay = options.Add(L"PPDelay", L"起動遅延時間");
    for (int i = 0; i < 30; ++i) {
        MenuItem& item = delay.Add(L"", i == 0 ? L"なし" : std::to_wstring(2 * i) + L"秒");
        item.tag = i;
        item.radioGroup = 2;
        if (i == 10 || i == 20) {
            item.menuBreak = MenuBreak::Column;
        }
        arrays.MPPDelay.push_back(&item);
    }
    options.AddSeparator();
    AutoCheck(options.Add(L"PPTrayLClick", L"トレイアイコンを左クリックでウィンドウリスト"));
    AutoCheck(
        options.Add(L"PPMinTrayDispClick", L"タスクトレイに最小化したウィンドウをクリックで表示"));
    options.AddSeparator();
    AutoCheck(options.Add(L"PPTabletMode", L"タブレットモード時は全ての処理を停止"), true);

    MenuItem& displayChange = root.Add(L"PPDisplayChange", L"モニタ切り替え");
    arrays.MPPDisplayChange = AddNumbered(displayChange, L"PPDisplayChange", 0, 3);
    root.AddSeparator();
    root.Add(L"PPVer", L"バージョン情報");
    root.Add(L"PPHelp", L"ヘルプ");
    root.AddSeparator();
    root.Add(L"PPClose", L"終了");
}

} // namespace

TrayMenuArrays BuildTrayMenu(ui::PopupMenu& menu) {
    TrayMenuArrays arrays;
    MenuItem& root = menu.Items();
    AddMonitorsAndWindows(root, arrays);
    AddRulesAndWorkAreas(root, arrays);
    AddInputAndShell(root, arrays);
    AddOptions(root, arrays);
    return arrays;
}

void ApplyWindowsVersion(ui::PopupMenu& menu, const TrayMenuArrays& arrays,
                         const common::WindowsVersion& version, bool uacEnabled,
                         bool runningAsAdmin) {
    auto item = [&menu](const wchar_t* name) -> MenuItem& { return *menu.Find(name); };
    item(L"PPDisplayChange").visible = common::IsWin7OrLater(version);
    const auto captions = DisplayChangeCaptions(version.major);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        arrays.MPPDisplayChange.at(i)->caption = captions[i];
    }
    item(L"PPTabletMode").visible = common::IsWin10(version);
    item(L"PPTransStartMenu").visible = !common::IsWin8(version) && !common::IsWin81(version);
    item(L"PPDeskTopTrans").visible = !common::IsVistaOrLater(version);
    MenuItem& adminQ = item(L"PPAdminQ");
    adminQ.visible = common::IsVistaOrLater(version) && uacEnabled && !runningAsAdmin;
    if (adminQ.visible) {
        adminQ.imageIndex = 0;
        menu.SetImage(0, win::ShieldIcon());
    }
    item(L"PPTransTaskBar").enabled = common::Is2000OrLater(version);
    item(L"PPDeskTopSmall").enabled = common::Is2000OrLater(version);
    item(L"PPStartButton").visible = common::IsWinXP(version);
}

} // namespace velmado::app
