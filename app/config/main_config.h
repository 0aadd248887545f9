#pragma once
// The main form's general settings as they are kept in Config.ini: menu check marks, option
// indexes, hotkey texts, mouse and wheel options, X-Mouse settings and the last rule file.
// Other forms keep their own sections in the same file; reading and writing here touch only the
// sections and keys below, so theirs survive a save.
#include "storage/ini_document.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace velmado::app {

// Field names follow the main form's fields and menu items they stand for: "PP..." is the check
// mark of that menu item, "F..." a flag, "M..." a number or text. Filled by ReadMainConfig; an
// empty document gives the defaults.
struct MainConfig {
    // Indexes of the hotkey texts, in the order of Config.ini's [HotKey] section.
    enum Hotkey : std::size_t {
        MHTKMenu,
        MHTKRMenu,
        MHTKDualDeskTop,
        MHTKAllHide,
        MHTKAllShow,
        MHTKWinList,
        MHTKMonN,
        MHTKMonP,
        MHTKMonM,
        MHTKDeskTopIcon,
        MHTKHide,
        MHTKHideWindow,
        MHTKTray,
        MHTKDualWindow,
        MHTKSnapEnabled,
        MHTKTaskBar,
        MHTKWinListW,
        MHTKDirect,
        MHTKMonSwap,
        MHTKDTPIconLoad,
        kHotkeyCount
    };

    bool PPSCREnabled{}; // screen saver on; only while the screen-saver program exists

    bool FXAllways{}; // X-Mouse settings stay in force after the program ends
    bool FXMouseAct{};
    bool FXMouseTop{};
    int MXMouseSpeed{}; // tracking delay index 0..29: (index + 1) x 100 ms
    bool FFocus{};      // other programs may not take the foreground
    int MFocusC{};      // the system's foreground flash count; never stored

    int MStartButtonC{}; // 0 unchanged, 1 clock, 2 date, 3 MStartButtonText
    std::wstring MStartButtonText;

    bool PPDTPIconLoadS{};
    bool PPDTPIconLoadD{};
    bool PPDeskTopTrans{};
    bool PPDeskTopSmall{};
    int MDeskTopColor{}; // icon-text colour, 0x00BBGGRR
    bool PPDeskTopColorEnabled{};
    bool PPDeskTopHide{};

    bool FRBtnUpBorder{};
    bool FMBtnUpBorderTBLR{};
    bool FMBtnShade{};
    bool FRBtnUpSys{};
    bool FMBtnUpTsk{};
    bool FLMaxCap{};
    int MMBtnUpCls{}; // 0 nothing, 1 window menu, 2 hide, 3 keep-on-top (also the next two)
    int MRBtnUpCls{};
    int MMBtnUpSys{};
    int MScroll{}; // 0 off, 1 one page, k + 1 k lines (k 1..100)
    bool FCapWheel{};
    bool FCapDisable{};
    bool FBorderWheel{};
    bool FIconWheel{};
    bool FWinListIcon{};
    bool FWinListIconBig{};
    int MCapCursorPos{}; // 0 left, 1 centre, 2 right
    bool FCapCursorPos{};
    bool FMouseHook{};
    bool PPHookEnabled{};
    bool FWheelAct{};

    bool PPDisableDeskTop{};
    bool PPWindowEnable{};
    int MPPReStartC{}; // action on a monitor change 0..4
    bool PPDualDeskTop{};
    bool PPMinTrayDispClick{};
    bool PPTrayLClick{};
    bool PPTabletMode{};
    int MDelay{}; // start-up delay index 0..29: index x 2 s
    bool PPSnapEnable{};
    int MTransTaskBar{}; // taskbar opacity index 1..19: 5 x index + 5 percent
    bool PPTransStartMenu{};

    std::array<std::wstring, kHotkeyCount> hotkeys; // shortcut texts; empty = no hotkey

    bool PPDialogCenter{};
    bool PPDialogDetail{};
    bool PPDialogSave{};
    bool PPDialogGrid{};
    bool PPDialogSel{};
    bool PPDialogEnabled{};

    int MHotkeyPage{}; // last page of the hotkey-and-mouse dialog 0..4
    int MSnapPage{};   // last page of the work-area dialog 0..2

    bool FShadeTopMost{};
    int MShadeTrans{}; // shade bar opacity index 1..19

    int MDispDialogTimeC{}; // display-change dialog time 0..6 = 2, 5, 10 ... 30 s
    bool PPDispDialog{};
    bool PPMonCur{};
    bool PPMonMAX{};

    bool operator==(const MainConfig&) const = default;
};

// The "[HotKey]" key of each hotkey text, in the same order.
inline constexpr std::array<const wchar_t*, MainConfig::kHotkeyCount> kHotkeyKeys = {
    L"Menu",       L"RightMenu",   L"DualDeskTop", L"AllHide",     L"AllShow",
    L"WindowList", L"MonitorNext", L"MonitorPrev", L"MonitorMain", L"DeskTopIcon",
    L"Hide",       L"HideWindow",  L"Tray",        L"DualWindow",  L"SnapEnabled",
    L"TaskBar",    L"WindowListW", L"Direct",      L"MonitorSwap", L"DeskTopIconLoad"};

// The X-Mouse and focus values as the system reports them (SystemParametersInfo).
struct XMouseSystem {
    bool activeWindowTracking = false;    // SPI_GETACTIVEWINDOWTRACKING
    bool trackingRaises = false;          // SPI_GETACTIVEWNDTRKZORDER
    unsigned trackingTimeoutMs = 0;       // SPI_GETACTIVEWNDTRKTIMEOUT
    unsigned foregroundLockTimeoutMs = 0; // SPI_GETFOREGROUNDLOCKTIMEOUT
    unsigned foregroundFlashCount = 0;    // SPI_GETFOREGROUNDFLASHCOUNT
};

// What the defaults and load rules take from the running system; the caller reads it.
struct SystemSnapshot {
    std::wstring startButtonCaption;    // the start button's current text
    int deskTopTextColor = 0;           // the desktop's current icon-text colour
    bool screenSaverActive = false;     // SPI_GETSCREENSAVEACTIVE
    bool screenSaverFileExists = false; // the program named by "SCRNSAVE.EXE" exists
    XMouseSystem xMouse;
};

// What decides the rule file in use at start-up. The two functions are called only for a run
// without arguments.
struct RuleFileLookup {
    int argumentCount = 0;   // command-line arguments after the program name
    std::wstring current;    // the rule-file path as the command line left it
    std::wstring dataFolder; // ends with '\'
    std::function<bool(const std::wstring& path)> fileExists;
    std::function<std::wstring(const std::wstring& path)> longPathName;
};

struct LoadedMainConfig {
    MainConfig config;
    std::wstring ruleFile; // the rule file to use from now on
};

// Reads the main form's keys with their defaults. Menu indexes outside their menus are brought
// to the nearest entry; the X-Mouse values and the screen-saver switch follow the system when
// the file says so; [WindowFile] Last counts only for a run without arguments.
LoadedMainConfig ReadMainConfig(const storage::IniDocument& ini, const SystemSnapshot& system,
                                const RuleFileLookup& ruleFile);

// Writes every key of the main form into `ini`, which holds the file as it was read, so that
// other forms' sections keep their content and every key its place. [WindowFile] Last is
// written only for a run without arguments.
void WriteMainConfig(const MainConfig& config, int argumentCount, const std::wstring& ruleFile,
                     storage::IniDocument& ini);

// FXMouseAct, FXMouseTop, MXMouseSpeed and FFocus as the system has them.
void TakeXMouseFromSystem(MainConfig& config, const XMouseSystem& system);

// The start menu can follow the taskbar opacity only while the taskbar is translucent.
bool TransStartMenuEnabled(const MainConfig& config);
// The colour command is offered exactly while the colour is applied.
bool DeskTopColorEnabled(const MainConfig& config);

} // namespace velmado::app
