#include "commands/window_menu_tree.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace velmado::commands {

namespace {

using ui::MenuItem;

constexpr int kMonitorGroup = 3;
constexpr int kTransGroup = 1;
constexpr int kPriorityGroup = 5;

// Adds the placement commands PPWinMenu{number} with their captions to parent, into arrays.
void AddPlacements(MenuItem& parent, std::vector<MenuItem*>& MPPWin,
                   std::initializer_list<std::pair<int, const wchar_t*>> entries) {
    for (const auto& [number, caption] : entries) {
        MenuItem& item = parent.Add(L"PPWinMenu" + std::to_wstring(number), caption);
        item.tag = number;
        MPPWin.at(static_cast<std::size_t>(number)) = &item;
    }
}

void AddMonitorsAndPlacements(MenuItem& root, WindowMenuArrays& arrays) {
    MenuItem& monitor = root.Add(L"PPMon", L"モニタ #1");
    for (int i = 0; i < 10; ++i) {
        MenuItem& item = monitor.Add(L"PPMon" + std::to_wstring(i), L"");
        item.tag = i;
        item.radioGroup = kMonitorGroup;
        item.visible = false;
        arrays.MPPMon.push_back(&item);
    }
    arrays.MPPMon.front()->SetChecked(true);
    monitor.AddSeparator();
    monitor.Add(L"PPMon10", L"このモニタ(&0)").radioGroup = kMonitorGroup;

    arrays.MPPWin.assign(24, nullptr);
    AddPlacements(root.Add(L"PPPos", L"位置(&P)"), arrays.MPPWin,
                  {{2, L"上(&8)"},
                   {3, L"下(&2)"},
                   {4, L"左(&4)"},
                   {5, L"右(&6)"},
                   {6, L"中央(&5)"},
                   {12, L"左上(&7)"},
                   {13, L"右上(&9)"},
                   {14, L"左下(&1)"},
                   {15, L"右下(&3)"}});
    AddPlacements(root.Add(L"PPSize", L"大きさ(&S)"), arrays.MPPWin,
                  {{0, L"縦に最大化(&1)"},
                   {7, L"  縦 +10(&2)"},
                   {8, L"  縦 -10(&3)"},
                   {1, L"横に最大化(&4)"},
                   {9, L"  横 +10(&5)"},
                   {10, L"  横 -10(&6)"},
                   {11, L"縦横最大化(&7)"}});
    AddPlacements(root.Add(L"PPPosSize", L"位置と大きさ(&B)"), arrays.MPPWin,
                  {{16, L"上1/2(&1)"},
                   {17, L"下1/2(&2)"},
                   {18, L"左1/2(&3)"},
                   {19, L"右1/2(&4)"},
                   {20, L"左上1/4(&5)"},
                   {21, L"右上1/4(&6)"},
                   {22, L"左下1/4(&7)"},
                   {23, L"右下1/4(&8)"}});

    root.Add(L"PPUndo", L"元に戻す(&D)");
    MenuItem& history = root.Add(L"PPHis", L"履歴(&Y)");
    arrays.MPPHis.assign(1, nullptr);
    for (int i = 1; i <= 5; ++i) {
        MenuItem& item = history.Add(L"PPHis" + std::to_wstring(i), L"");
        item.tag = i;
        item.enabled = false;
        arrays.MPPHis.push_back(&item);
    }
}

void AddWindowStates(MenuItem& root, WindowMenuArrays& arrays) {
    root.Add(L"PPBottom", L"他のウィンドウより下にする(&C)");
    root.Add(L"PPWindowMenu", L"ウィンドウメニューを表示(&R)");
    root.Add(L"PPMoving", L"\u3000移動(&M)");
    root.Add(L"PPSizing", L"\u3000サイズ変更(&Z)");
    root.Add(L"PPHide", L"隠す(&T)");
    MenuItem& trans = root.Add(L"PPTransWin", L"半透明(&H)");
    arrays.MPPTransWin.assign(20, nullptr);
    for (int i = 19; i >= 1; --i) {
        const std::wstring percent = std::to_wstring(5 * i + 5);
        MenuItem& item = trans.Add(L"PPTransWin" + percent, percent + L"%");
        item.tag = i;
        item.radioGroup = kTransGroup;
        arrays.MPPTransWin[static_cast<std::size_t>(i)] = &item;
    }
    root.Add(L"PPTaskTray", L"タスクトレイに最小化(&E)");
    root.Add(L"PPMinTray", L"最小化でタスクトレイ(&I)").autoCheck = true;
    root.Add(L"PPTop", L"常に手前に表示/解除(&A)");
    root.Add(L"PPShade", L"ウィンドウシェード(&W)");
    MenuItem& priority = root.Add(L"PPPriority", L"優先度(&O)");
    int index = 0;
    for (const wchar_t* caption :
         {L"通常(&0)", L"低(&1)", L"高(&2)", L"通常以下(&3)", L"通常以上(&4)"}) {
        MenuItem& item = priority.Add(L"PPPriority" + std::to_wstring(index), caption);
        item.tag = index++;
        item.radioGroup = kPriorityGroup;
        arrays.MPPPriority.push_back(&item);
    }
}

} // namespace

WindowMenuArrays BuildWindowMenu(ui::MenuItem& root) {
    WindowMenuArrays arrays;
    root.Add(L"PPName", L"").imageIndex = kNameImage;
    root.AddSeparator();
    AddMonitorsAndPlacements(root, arrays);
    root.AddSeparator();
    AddWindowStates(root, arrays);
    root.AddSeparator();
    root.Add(L"PPFolder", L"フォルダを開く(&L)");
    root.Add(L"PPExecute", L"多重起動(&J)");
    root.Add(L"PPExecuteAdmin", L"多重起動[管理者](&K)");
    root.Add(L"PPReExecuteAdmin", L"閉じて管理者として実行(&N)");
    root.AddSeparator();
    root.Add(L"PPWindowSave", L"登録(&F)");
    root.Add(L"PPWindowLoad", L"復元(&V)");
    root.Add(L"PPWindowCheck", L"有効／無効(&X)");
    root.Add(L"PPWindowList", L"デスクトップに表示中のウィンドウの一覧(&G)");
    return arrays;
}

} // namespace velmado::commands
