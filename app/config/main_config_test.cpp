#include "app/config/main_config.h"

#include "storage/latin1_code_page.h"

#include <gtest/gtest.h>

#include <set>

namespace velmado::app {
namespace {

using storage::IniDocument;

constexpr wchar_t kDataFolder[] = L"C:\\Users\\u\\AppData\\Roaming\\Tovarel\\Velmado\\";
constexpr wchar_t kDefaultRuleFile[] =
    L"C:\\Users\\u\\AppData\\Roaming\\Tovarel\\Velmado\\Window.ibk";

SystemSnapshot Snapshot() {
    SystemSnapshot system;
    system.startButtonCaption = L"スタート";
    system.deskTopTextColor = 0x00FFFFFF;
    system.screenSaverActive = true;
    system.screenSaverFileExists = true;
    system.xMouse = {.activeWindowTracking = true,
                     .trackingRaises = false,
                     .trackingTimeoutMs = 500,
                     .foregroundLockTimeoutMs = 200000,
                     .foregroundFlashCount = 3};
    return system;
}

// Files that exist, and the stored form of a path: upper case, as a long name lookup would give
// on a file system that stores names in capitals.
struct RuleFiles {
    std::set<std::wstring> existing;
    int argumentCount = 0;
    int lookups = 0;

    RuleFileLookup Lookup() {
        return {.argumentCount = argumentCount,
                .current = kDefaultRuleFile,
                .dataFolder = kDataFolder,
                .fileExists =
                    [this](const std::wstring& path) {
                        ++lookups;
                        return existing.contains(path);
                    },
                .longPathName = [](const std::wstring& path) { return L"long:" + path; }};
    }
};

LoadedMainConfig Read(const std::wstring& text, const SystemSnapshot& system = Snapshot()) {
    RuleFiles files;
    return ReadMainConfig(IniDocument::Parse(text), system, files.Lookup());
}

MainConfig ExpectedDefaults() {
    MainConfig c;
    c.PPSCREnabled = true;
    c.FXAllways = false;
    c.FXMouseAct = true; // the system's values, as ReadSystem defaults to true
    c.FXMouseTop = false;
    c.MXMouseSpeed = 4;
    c.FFocus = true;
    c.MFocusC = 3;
    c.MStartButtonC = 0;
    c.MStartButtonText = L"スタート";
    c.MDeskTopColor = 0x00FFFFFF;
    c.FRBtnUpBorder = c.FMBtnUpBorderTBLR = c.FMBtnShade = c.FRBtnUpSys = c.FMBtnUpTsk = true;
    c.FLMaxCap = true;
    c.MMBtnUpCls = 2;
    c.MRBtnUpCls = 1;
    c.MMBtnUpSys = 3;
    c.FCapWheel = c.FCapDisable = c.FBorderWheel = c.FIconWheel = true;
    c.FWinListIcon = c.FWinListIconBig = c.FCapCursorPos = true;
    c.PPWindowEnable = true;
    c.PPTabletMode = true;
    c.PPSnapEnable = true;
    c.MTransTaskBar = 19;
    c.PPDialogSave = true;
    c.FShadeTopMost = true;
    c.MShadeTrans = 19;
    c.MDispDialogTimeC = 1;
    c.PPDispDialog = true;
    return c;
}

TEST(MainConfig, AnEmptyDocumentGivesTheDefaults) {
    const LoadedMainConfig loaded = Read(L"");
    EXPECT_EQ(loaded.config, ExpectedDefaults());
    // No [WindowFile] Last and the current rule file missing: the data folder's Window.ibk.
    EXPECT_EQ(loaded.ruleFile, std::wstring(L"long:") + kDefaultRuleFile);
    EXPECT_FALSE(TransStartMenuEnabled(loaded.config));
    EXPECT_FALSE(DeskTopColorEnabled(loaded.config));
}

TEST(MainConfig, AFreshFileGetsEveryKeyInOrderWithItsExactName) {
    MainConfig config = ExpectedDefaults();
    config.hotkeys[MainConfig::MHTKMenu] = L"Ctrl+Alt+M";
    config.hotkeys[MainConfig::MHTKDTPIconLoad] = L"Shift+F12";
    IniDocument ini;
    WriteMainConfig(config, 0, L"D:\\Rules\\Home.ibk", ini);
    EXPECT_EQ(ini.Serialize(), L"[ScreenSaver]\r\nReadSystem=0\r\nActive=1\r\n\r\n"
                               L"[XMouse]\r\nAllways=0\r\nReadSystem=1\r\nActive=1\r\nTop=0\r\n"
                               L"Speed=4\r\n\r\n"
                               L"[Focus]\r\nEnabled=1\r\n\r\n"
                               L"[TaskBar]\r\nStartButton=0\r\nStartButtonText=スタート\r\n"
                               L"TransTaskBar=19\r\nTransStartMenu=0\r\n\r\n"
                               L"[DeskTopIcon]\r\nStart=0\r\nWorkArea=0\r\nTrans=0\r\nSmall=0\r\n"
                               L"Color=16777215\r\nColorEnabled=0\r\nHide=0\r\n\r\n"
                               L"[MouseHook]\r\nMRuttonBorder=1\r\nMMButtonBorderTBLR=1\r\n"
                               L"MButtonShade=1\r\nRButtonSys=1\r\nMButtonTaskBar=1\r\n"
                               L"LButtonMaxCaption=1\r\nMButtonClose=2\r\nRButtonClose=1\r\n"
                               L"MButtonSystem=3\r\nScroll=0\r\nWheelCaption=1\r\n"
                               L"WheelNoCaptionDisabel=1\r\nWheelBorder=1\r\nWheelIcon=1\r\n"
                               L"WindowListIcon=1\r\nWindowListIconBig=1\r\nCursorPosition=0\r\n"
                               L"CursorPositionEdit=1\r\nMouse=0\r\nEnabled=0\r\n"
                               L"WheelActive=0\r\n\r\n"
                               L"[DisableDeskTop]\r\nDisable=0\r\n\r\n"
                               L"[Window]\r\nEnable=1\r\n\r\n"
                               L"[Start]\r\nReStart=0\r\nDelay=0\r\n\r\n"
                               L"[DualDeskTop]\r\nEnable=0\r\n\r\n"
                               L"[MinTrayDisp]\r\nClick=0\r\n\r\n"
                               L"[TrayLClick]\r\nWindowList=0\r\n\r\n"
                               L"[TabletMode]\r\nEnable=1\r\n\r\n"
                               L"[Snap]\r\nEnable=1\r\n\r\n"
                               L"[HotKey]\r\nMenu=Ctrl+Alt+M\r\nRightMenu=\r\nDualDeskTop=\r\n"
                               L"AllHide=\r\nAllShow=\r\nWindowList=\r\nMonitorNext=\r\n"
                               L"MonitorPrev=\r\nMonitorMain=\r\nDeskTopIcon=\r\nHide=\r\n"
                               L"HideWindow=\r\nTray=\r\nDualWindow=\r\nSnapEnabled=\r\n"
                               L"TaskBar=\r\nWindowListW=\r\nDirect=\r\nMonitorSwap=\r\n"
                               L"DeskTopIconLoad=Shift+F12\r\n\r\n"
                               L"[Dialog]\r\nCenter=0\r\nDetail=0\r\nSave=1\r\nGrid=0\r\n"
                               L"LowSelect=0\r\nEnabled=0\r\n\r\n"
                               L"[HotKeyForm]\r\nPage=0\r\n\r\n"
                               L"[SnapForm]\r\nPage=0\r\n\r\n"
                               L"[WindowFile]\r\nLast=D:\\Rules\\Home.ibk\r\n\r\n"
                               L"[Shade]\r\nTopMost=1\r\nTransvalue=19\r\n\r\n"
                               L"[DispDialogTime]\r\nTime=1\r\nDisp=1\r\n\r\n"
                               L"[MonitorCursor]\r\nEnabled=0\r\n\r\n"
                               L"[MonitorMax]\r\nEnabled=0\r\n\r\n");
}

TEST(MainConfig, ARoundTripKeepsOtherFormsSectionsAndTheKeyOrderOfTheFile) {
    const std::wstring file = L"[WindowForm]\r\nLeft=120\r\nColumn0=200\r\n"
                              L"[MouseHook]\r\nEnabled=1\r\nUnknownLater=7\r\nScroll=4\r\n"
                              L"[Sound]\r\nWorkAreaEnabled=0\r\nWorkArea=C:\\a.wav\r\n"
                              L"[DualDeskTop]\r\nCursor=2\r\nEnable=1\r\nTime=500\r\nTray=1\r\n"
                              L"[HideForm]\r\nWidth=300\r\n"
                              L"[HotKey]\r\nTray=Alt+T\r\nMenu=Ctrl+M\r\n";
    IniDocument ini = IniDocument::Parse(file);
    RuleFiles files;
    LoadedMainConfig loaded = ReadMainConfig(ini, Snapshot(), files.Lookup());
    EXPECT_TRUE(loaded.config.PPHookEnabled);
    EXPECT_EQ(loaded.config.MScroll, 4);
    EXPECT_TRUE(loaded.config.PPDualDeskTop);
    EXPECT_EQ(loaded.config.hotkeys[MainConfig::MHTKTray], L"Alt+T");
    EXPECT_EQ(loaded.config.hotkeys[MainConfig::MHTKMenu], L"Ctrl+M");

    loaded.config.MScroll = 11;
    loaded.config.PPDualDeskTop = false;
    loaded.config.hotkeys[MainConfig::MHTKDirect] = L"Ctrl+D";
    WriteMainConfig(loaded.config, 0, loaded.ruleFile, ini);

    using Names = std::vector<std::wstring>;
    const Names sections = ini.Sections();
    ASSERT_GE(sections.size(), 6u);
    EXPECT_EQ(
        Names(sections.begin(), sections.begin() + 6),
        (Names{L"WindowForm", L"MouseHook", L"Sound", L"DualDeskTop", L"HideForm", L"HotKey"}));
    EXPECT_EQ(ini.Keys(L"WindowForm"), (Names{L"Left", L"Column0"}));
    EXPECT_EQ(ini.ReadString(L"Sound", L"WorkArea", L""), L"C:\\a.wav");
    EXPECT_EQ(ini.Keys(L"DualDeskTop"), (Names{L"Cursor", L"Enable", L"Time", L"Tray"}));
    EXPECT_EQ(ini.ReadString(L"DualDeskTop", L"Enable", L""), L"0");
    EXPECT_EQ(ini.ReadString(L"DualDeskTop", L"Time", L""), L"500");
    EXPECT_EQ(ini.ReadString(L"HideForm", L"Width", L""), L"300");
    const Names mouseKeys = ini.Keys(L"MouseHook");
    EXPECT_EQ(Names(mouseKeys.begin(), mouseKeys.begin() + 4),
              (Names{L"Enabled", L"UnknownLater", L"Scroll", L"MRuttonBorder"}));
    EXPECT_EQ(ini.ReadInteger(L"MouseHook", L"Scroll", 0), 11);
    const Names hotkeyKeys = ini.Keys(L"HotKey");
    EXPECT_EQ(Names(hotkeyKeys.begin(), hotkeyKeys.begin() + 3),
              (Names{L"Tray", L"Menu", L"RightMenu"}));

    // What was written reads back as what was saved.
    EXPECT_EQ(ReadMainConfig(ini, Snapshot(), files.Lookup()).config, loaded.config);
}

TEST(MainConfig, EveryChangedValueSurvivesARoundTrip) {
    MainConfig config = ExpectedDefaults();
    config.PPSCREnabled = false;
    config.FXAllways = true;
    config.FXMouseAct = false;
    config.FXMouseTop = true;
    config.MXMouseSpeed = 29;
    config.FFocus = false;
    config.MStartButtonC = 3;
    config.MStartButtonText = L"開始 =[x]";
    config.PPDTPIconLoadS = config.PPDTPIconLoadD = config.PPDeskTopTrans = true;
    config.PPDeskTopSmall = config.PPDeskTopColorEnabled = config.PPDeskTopHide = true;
    config.MDeskTopColor = 0x0000FF;
    config.FRBtnUpBorder = config.FMBtnUpBorderTBLR = config.FMBtnShade = false;
    config.FRBtnUpSys = config.FMBtnUpTsk = config.FLMaxCap = false;
    config.MMBtnUpCls = 0;
    config.MRBtnUpCls = 3;
    config.MMBtnUpSys = 1;
    config.MScroll = 101;
    config.FCapWheel = config.FCapDisable = config.FBorderWheel = config.FIconWheel = false;
    config.FWinListIcon = config.FWinListIconBig = config.FCapCursorPos = false;
    config.MCapCursorPos = 2;
    config.FMouseHook = config.PPHookEnabled = config.FWheelAct = true;
    config.PPDisableDeskTop = true;
    config.PPWindowEnable = false;
    config.MPPReStartC = 4;
    config.PPDualDeskTop = config.PPMinTrayDispClick = config.PPTrayLClick = true;
    config.PPTabletMode = config.PPSnapEnable = false;
    config.MDelay = 29;
    config.MTransTaskBar = 1;
    config.PPTransStartMenu = true;
    for (std::size_t i = 0; i < config.hotkeys.size(); ++i) {
        config.hotkeys[i] = L"Ctrl+F" + std::to_wstring(i + 1);
    }
    config.PPDialogCenter = config.PPDialogDetail = config.PPDialogGrid = true;
    config.PPDialogSel = config.PPDialogEnabled = true;
    config.PPDialogSave = false;
    config.MHotkeyPage = 4;
    config.MSnapPage = 2;
    config.FShadeTopMost = false;
    config.MShadeTrans = 7;
    config.MDispDialogTimeC = 6;
    config.PPDispDialog = false;
    config.PPMonCur = config.PPMonMAX = true;

    IniDocument ini;
    WriteMainConfig(config, 0, L"D:\\x.ibk", ini);
    EXPECT_EQ(ini.ReadString(L"XMouse", L"ReadSystem", L""), L"0"); // Allways: the file counts
    // The screen-saver switch is written but then comes from the system again; let it agree.
    SystemSnapshot system = Snapshot();
    system.screenSaverActive = false;
    RuleFiles files;
    files.existing.insert(L"D:\\x.ibk");
    const LoadedMainConfig reread = ReadMainConfig(ini, system, files.Lookup());
    EXPECT_EQ(reread.config, config);
    EXPECT_EQ(reread.ruleFile, L"long:D:\\x.ibk");
}

TEST(MainConfig, MenuIndexesOutsideTheirMenusAreBroughtToTheNearestEntry) {
    struct Case {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* stored;
        int MainConfig::*field;
        int expected;
    };
    const Case cases[] = {
        {L"Start", L"Delay", L"99", &MainConfig::MDelay, 29},
        {L"Start", L"Delay", L"-1", &MainConfig::MDelay, 0},
        {L"Start", L"Delay", L"0x7FFFFFFF", &MainConfig::MDelay, 29},
        {L"Start", L"Delay", L"28", &MainConfig::MDelay, 28},
        {L"Start", L"ReStart", L"5", &MainConfig::MPPReStartC, 4},
        {L"Start", L"ReStart", L"-3", &MainConfig::MPPReStartC, 0},
        {L"TaskBar", L"StartButton", L"4", &MainConfig::MStartButtonC, 3},
        {L"TaskBar", L"StartButton", L"-1", &MainConfig::MStartButtonC, 0},
        {L"TaskBar", L"TransTaskBar", L"0", &MainConfig::MTransTaskBar, 1},
        {L"TaskBar", L"TransTaskBar", L"-5", &MainConfig::MTransTaskBar, 1},
        {L"TaskBar", L"TransTaskBar", L"20", &MainConfig::MTransTaskBar, 19},
        {L"TaskBar", L"TransTaskBar", L"not a number", &MainConfig::MTransTaskBar, 19},
        {L"DispDialogTime", L"Time", L"7", &MainConfig::MDispDialogTimeC, 6},
        {L"DispDialogTime", L"Time", L"-1", &MainConfig::MDispDialogTimeC, 0},
        {L"XMouse", L"Speed", L"30", &MainConfig::MXMouseSpeed, 29},
        {L"XMouse", L"Speed", L"-1", &MainConfig::MXMouseSpeed, 0},
        {L"Shade", L"Transvalue", L"0", &MainConfig::MShadeTrans, 1},
        {L"Shade", L"Transvalue", L"100", &MainConfig::MShadeTrans, 19},
        {L"MouseHook", L"Scroll", L"102", &MainConfig::MScroll, 101},
        {L"MouseHook", L"Scroll", L"101", &MainConfig::MScroll, 101},
        {L"MouseHook", L"Scroll", L"-2", &MainConfig::MScroll, 0},
        {L"MouseHook", L"MButtonClose", L"4", &MainConfig::MMBtnUpCls, 3},
        {L"MouseHook", L"RButtonClose", L"-1", &MainConfig::MRBtnUpCls, 0},
        {L"MouseHook", L"MButtonSystem", L"9", &MainConfig::MMBtnUpSys, 3},
        {L"MouseHook", L"CursorPosition", L"3", &MainConfig::MCapCursorPos, 2},
        {L"HotKeyForm", L"Page", L"5", &MainConfig::MHotkeyPage, 4},
        {L"HotKeyForm", L"Page", L"-1", &MainConfig::MHotkeyPage, 0},
        {L"SnapForm", L"Page", L"3", &MainConfig::MSnapPage, 2},
        {L"SnapForm", L"Page", L"-7", &MainConfig::MSnapPage, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.section) + L"/" + c.key + L"=" + c.stored);
        IniDocument ini;
        ini.WriteBool(L"XMouse", L"ReadSystem", false); // Speed from the file
        ini.WriteString(c.section, c.key, c.stored);
        RuleFiles files;
        const MainConfig config = ReadMainConfig(ini, Snapshot(), files.Lookup()).config;
        EXPECT_EQ(config.*c.field, c.expected);
    }
}

TEST(MainConfig, OutOfRangeValuesAreNeverWritten) {
    MainConfig config = ExpectedDefaults();
    config.MDelay = 99;
    config.MTransTaskBar = 0;
    config.MScroll = -4;
    IniDocument ini;
    WriteMainConfig(config, 0, L"", ini);
    EXPECT_EQ(ini.ReadString(L"Start", L"Delay", L""), L"29");
    EXPECT_EQ(ini.ReadString(L"TaskBar", L"TransTaskBar", L""), L"1");
    EXPECT_EQ(ini.ReadString(L"MouseHook", L"Scroll", L""), L"0");
}

TEST(MainConfig, AStoredZeroTaskbarOpacityReadsAsTenPercentAndFreesTheStartMenuItem) {
    const MainConfig zero = Read(L"[TaskBar]\r\nTransTaskBar=0\r\n").config;
    EXPECT_EQ(zero.MTransTaskBar, 1);
    EXPECT_TRUE(TransStartMenuEnabled(zero));
    EXPECT_TRUE(TransStartMenuEnabled(Read(L"[TaskBar]\r\nTransTaskBar=18\r\n").config));
    EXPECT_FALSE(TransStartMenuEnabled(Read(L"[TaskBar]\r\nTransTaskBar=19\r\n").config));
}

TEST(MainConfig, TheColourCommandFollowsColorEnabledAndABadColourIsTheSystems) {
    const MainConfig on = Read(L"[DeskTopIcon]\r\nColorEnabled=1\r\nColor=0x00FF00\r\n").config;
    EXPECT_TRUE(DeskTopColorEnabled(on));
    EXPECT_EQ(on.MDeskTopColor, 0x00FF00);
    for (const wchar_t* bad : {L"-1", L"16777216", L"red"}) {
        SCOPED_TRACE(bad);
        const MainConfig config = Read(std::wstring(L"[DeskTopIcon]\r\nColor=") + bad).config;
        EXPECT_EQ(config.MDeskTopColor, 0x00FFFFFF);
        EXPECT_FALSE(DeskTopColorEnabled(config));
    }
}

TEST(MainConfig, WithoutAnXMouseSectionTheSystemsValuesCountAndReadSystemIsWrittenOn) {
    SystemSnapshot system = Snapshot();
    system.xMouse = {.activeWindowTracking = true,
                     .trackingRaises = true,
                     .trackingTimeoutMs = 1000,
                     .foregroundLockTimeoutMs = 0,
                     .foregroundFlashCount = 0};
    const MainConfig config =
        Read(L"[Focus]\r\nEnabled=1\r\n[XMouseOther]\r\nSpeed=2\r\n", system).config;
    EXPECT_TRUE(config.FXMouseAct);
    EXPECT_TRUE(config.FXMouseTop);
    EXPECT_EQ(config.MXMouseSpeed, 9);
    EXPECT_FALSE(config.FFocus);  // the file's Focus does not count either
    EXPECT_EQ(config.MFocusC, 1); // a flash count of 0 counts as 1
    EXPECT_FALSE(config.FXAllways);

    IniDocument ini;
    WriteMainConfig(config, 0, L"", ini);
    EXPECT_EQ(ini.ReadString(L"XMouse", L"ReadSystem", L""), L"1");
    EXPECT_EQ(ini.ReadString(L"XMouse", L"Speed", L""), L"9");
}

TEST(MainConfig, WhenTheFileSaysSoTheXMouseValuesComeFromIt) {
    const std::wstring stored = L"[XMouse]\r\nAllways=1\r\nReadSystem=0\r\nActive=0\r\nTop=1\r\n"
                                L"Speed=25\r\n[Focus]\r\nEnabled=0\r\n";
    const MainConfig config = Read(stored).config;
    EXPECT_TRUE(config.FXAllways);
    EXPECT_FALSE(config.FXMouseAct);
    EXPECT_TRUE(config.FXMouseTop);
    EXPECT_EQ(config.MXMouseSpeed, 25);
    EXPECT_FALSE(config.FFocus);
    EXPECT_EQ(config.MFocusC, 3); // always the system's

    const MainConfig missing = Read(L"[XMouse]\r\nReadSystem=0\r\n").config;
    EXPECT_FALSE(missing.FXMouseAct);
    EXPECT_FALSE(missing.FXMouseTop);
    EXPECT_EQ(missing.MXMouseSpeed, 10);
    EXPECT_FALSE(missing.FFocus);

    IniDocument ini = IniDocument::Parse(stored);
    WriteMainConfig(config, 0, L"", ini);
    EXPECT_EQ(ini.ReadString(L"XMouse", L"ReadSystem", L""), L"0");
}

TEST(MainConfig, TheTrackingDelayBecomesAnIndexOfTheDelayMenu) {
    const std::pair<unsigned, int> cases[] = {{0, 0},    {99, 0},    {100, 0},   {250, 1},
                                              {1000, 9}, {3000, 29}, {3100, 29}, {4000000000u, 29}};
    for (const auto& [timeout, index] : cases) {
        SCOPED_TRACE(timeout);
        MainConfig config;
        TakeXMouseFromSystem(config, {.trackingTimeoutMs = timeout});
        EXPECT_EQ(config.MXMouseSpeed, index);
    }
}

TEST(MainConfig, TheScreenSaverSwitchNeedsTheProgramAndFollowsTheSystemUnlessTold) {
    struct Case {
        const wchar_t* stored;
        bool systemActive;
        bool fileExists;
        bool expected;
    };
    const Case cases[] = {
        {L"", true, true, true},
        {L"", false, true, false},
        {L"", true, false, false},
        {L"ReadSystem=1\r\nActive=0\r\n", true, true, true},
        {L"ReadSystem=0\r\nActive=0\r\n", true, true, false},
        {L"ReadSystem=0\r\nActive=1\r\n", false, true, true},
        {L"ReadSystem=0\r\nActive=1\r\n", false, false, false},
        {L"ReadSystem=0\r\n", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.stored) + (c.systemActive ? L" active" : L" inactive") +
                     (c.fileExists ? L" exists" : L" missing"));
        SystemSnapshot system = Snapshot();
        system.screenSaverActive = c.systemActive;
        system.screenSaverFileExists = c.fileExists;
        const MainConfig config =
            Read(std::wstring(L"[ScreenSaver]\r\n") + c.stored, system).config;
        EXPECT_EQ(config.PPSCREnabled, c.expected);

        IniDocument ini;
        WriteMainConfig(config, 0, L"", ini);
        EXPECT_EQ(ini.ReadString(L"ScreenSaver", L"ReadSystem", L""), L"0");
        EXPECT_EQ(ini.ReadBool(L"ScreenSaver", L"Active", !c.expected), c.expected);
    }
}

TEST(MainConfig, WithoutArgumentsTheLastRuleFileIsUsedWhenItExists) {
    const IniDocument ini = IniDocument::Parse(L"[WindowFile]\r\nLast=D:\\rules\\work.ibk\r\n");
    RuleFiles files;
    files.existing.insert(L"D:\\rules\\work.ibk");
    EXPECT_EQ(ReadMainConfig(ini, Snapshot(), files.Lookup()).ruleFile,
              L"long:D:\\rules\\work.ibk");

    files.existing.clear();
    EXPECT_EQ(ReadMainConfig(ini, Snapshot(), files.Lookup()).ruleFile,
              std::wstring(L"long:") + kDefaultRuleFile);

    // Without the key the current path is the candidate.
    files.existing.insert(kDefaultRuleFile);
    EXPECT_EQ(ReadMainConfig(IniDocument(), Snapshot(), files.Lookup()).ruleFile,
              std::wstring(L"long:") + kDefaultRuleFile);
}

TEST(MainConfig, WithArgumentsTheLastRuleFileIsNeitherReadNorWritten) {
    // "/Q" alone, a file argument, "/Q" with a rule file.
    for (const int argumentCount : {1, 2}) {
        SCOPED_TRACE(argumentCount);
        IniDocument ini = IniDocument::Parse(L"[WindowFile]\r\nLast=D:\\rules\\work.ibk\r\n");
        RuleFiles files;
        files.existing.insert(L"D:\\rules\\work.ibk");
        files.argumentCount = argumentCount;
        const LoadedMainConfig loaded = ReadMainConfig(ini, Snapshot(), files.Lookup());
        EXPECT_EQ(loaded.ruleFile, kDefaultRuleFile); // as the command line left it
        EXPECT_EQ(files.lookups, 0);

        WriteMainConfig(loaded.config, argumentCount, L"E:\\argument.ibk", ini);
        EXPECT_EQ(ini.ReadString(L"WindowFile", L"Last", L""), L"D:\\rules\\work.ibk");
        IniDocument fresh;
        WriteMainConfig(loaded.config, argumentCount, L"E:\\argument.ibk", fresh);
        EXPECT_FALSE(fresh.SectionExists(L"WindowFile"));
    }
}

TEST(MainConfig, AConfigSavedAsUtf8WithAMarkReadsCorrectly) {
    const storage::Latin1CodePage ansi;
    const storage::DecodedText decoded =
        storage::DecodeText("\xEF\xBB\xBF[TaskBar]\r\nStartButton=3\r\n"
                            "StartButtonText=\xE9\x96\x8B\xE5\xA7\x8B\r\n" // 開始
                            "[HotKey]\r\nMenu=Ctrl+Alt+M\r\n[Start]\r\nDelay=5\r\n",
                            ansi);
    ASSERT_EQ(decoded.encoding, storage::Encoding::Utf8);
    const IniDocument ini = IniDocument::Parse(decoded.text, decoded.encoding);
    RuleFiles files;
    const MainConfig config = ReadMainConfig(ini, Snapshot(), files.Lookup()).config;
    EXPECT_EQ(config.MStartButtonC, 3);
    EXPECT_EQ(config.MStartButtonText, L"開始");
    EXPECT_EQ(config.hotkeys[MainConfig::MHTKMenu], L"Ctrl+Alt+M");
    EXPECT_EQ(config.MDelay, 5);
}

} // namespace
} // namespace velmado::app
