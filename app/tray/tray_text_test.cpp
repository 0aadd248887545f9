#include "app/tray/tray_text.h"

#include <gtest/gtest.h>

using namespace velmado::app;
using velmado::common::Rect;

TEST(TrayHint, OneMonitorHasTheRuleFileAndTheMouseHookOnly) {
    EXPECT_EQ(TrayHint(L"C:\\Data\\Window.ibk", {true}, true),
              L"【位置と大きさの監視設定ファイル】\r\nC:\\Data\\Window.ibk\r\n"
              L"【マウスフック】\r\n有効");
    EXPECT_EQ(TrayHint(L"", {false}, false),
              L"【位置と大きさの監視設定ファイル】\r\n\r\n【マウスフック】\r\n無効");
}

TEST(TrayHint, SeveralMonitorsListEachWorkAreaSwitchOnOneLine) {
    EXPECT_EQ(TrayHint(L"D:\\a.ibk", {true, false}, false),
              L"【位置と大きさの監視設定ファイル】\r\nD:\\a.ibk\r\n"
              L"【モニター】\r\n#1:有効 #2:無効 \r\n"
              L"【マウスフック】\r\n無効");
    EXPECT_EQ(TrayHint(L"x", {false, true, true}, true),
              L"【位置と大きさの監視設定ファイル】\r\nx\r\n"
              L"【モニター】\r\n#1:無効 #2:有効 #3:有効 \r\n"
              L"【マウスフック】\r\n有効");
}

TEST(TrayMenuCaptions, RecentFilesShowTheBaseNameWithAnAccelerator) {
    EXPECT_EQ(RecentFileCaption(L"C:\\Rules\\Home.ibk", 0), L"Home(&0)");
    EXPECT_EQ(RecentFileCaption(L"C:\\R&D\\A&B.ibk", 9), L"A&&B(&9)");
    EXPECT_EQ(RecentFileCaption(L"\\\\server\\share\\設定.v1.ibk", 2), L"設定.v1(&2)");
    EXPECT_EQ(DesktopLayoutSaveCaption(L"C:\\Data\\DeskTop.win"), L"保存 [DeskTop]");
    EXPECT_EQ(DesktopLayoutSaveCaption(L"C:\\x\\&&.win"), L"保存 [&&&&]");
    EXPECT_EQ(DesktopLayoutSaveCaption(L""), L"保存 []");
}

TEST(TrayMenuCaptions, MonitorEntriesShowTheWorkAreaRectangle) {
    EXPECT_EQ(MonitorEntryCaption(0, Rect{0, 0, 1920, 1040}), L"#1 [(0,0)-(1920,1040)](&0)");
    EXPECT_EQ(MonitorEntryCaption(9, Rect{-1280, -24, 0, 1000}), L"#10 [(-1280,-24)-(0,1000)](&9)");
}

TEST(TrayImage, FollowsTheTwoSwitchesAndTabletMode) {
    struct Case {
        bool tablet, rules, workAreas;
        int image;
    };
    for (const Case c :
         {Case{false, true, true, 0}, Case{false, false, true, 3}, Case{false, true, false, 4},
          Case{false, false, false, 5}, Case{true, true, true, 5}, Case{true, false, true, 5}}) {
        EXPECT_EQ(TrayImageIndex(c.tablet, c.rules, c.workAreas), c.image)
            << c.tablet << c.rules << c.workAreas;
    }
}

TEST(TrayClick, SingleClickWaitsTwoThirdsOfTheDoubleClickTime) {
    EXPECT_EQ(SingleClickDelay(500), 333u);
    EXPECT_EQ(SingleClickDelay(200), 133u);
    EXPECT_EQ(SingleClickDelay(0), 0u);
    EXPECT_EQ(SingleClickDelay(5000), 3333u);
}

TEST(TrayMenuCaptions, DisplaySwitchEntriesFollowTheWindowsVersion) {
    EXPECT_EQ(DisplayChangeCaptions(10)[0], L"PC画面のみ");
    EXPECT_EQ(DisplayChangeCaptions(10)[3], L"拡張セカンドスクリーンのみ");
    EXPECT_EQ(DisplayChangeCaptions(6)[0], L"コンピュータのみ");
    EXPECT_EQ(DisplayChangeCaptions(6)[1], L"複製");
    EXPECT_EQ(DisplayChangeCaptions(6)[2], L"拡張");
    EXPECT_EQ(DisplayChangeCaptions(6)[3], L"プロジェクターのみ");
}
