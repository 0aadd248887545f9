#include "app/config/main_config.h"

#include "storage/data_files.h"

#include <algorithm>
#include <climits>
#include <variant>

namespace velmado::app {

namespace {

using storage::IniDocument;

template <class... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
// Clang 14 has no deduction from aggregate initialisation yet.
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Switches that only steer the load; the save writes what the running program implies.
struct ReadSystemSwitches {
    bool screenSaver = true;
    bool xMouse = true;
};

struct Flag {
    bool MainConfig::*field;
    bool fallback;
};

// A menu index or page: a stored value outside [low, high] is taken as the nearest end, so that a
// hand-edited file can never index past a menu or ask for a start-up delay of minutes.
struct Number {
    int MainConfig::*field;
    int fallback;
    int low;
    int high;
};

// A colour 0x00BBGGRR defaulting to the system's; anything else is no colour at all.
struct Colour {
    int MainConfig::*field;
    int SystemSnapshot::*fallback;
};

struct SystemText {
    std::wstring MainConfig::*field;
    std::wstring SystemSnapshot::*fallback;
};

struct HotkeyText {
    MainConfig::Hotkey index;
};

struct ReadSystem {
    bool ReadSystemSwitches::*loaded;
    bool (*saved)(const MainConfig& config);
};

struct LastRuleFile {};

using Value = std::variant<Flag, Number, Colour, SystemText, HotkeyText, ReadSystem, LastRuleFile>;

struct Key {
    const wchar_t* section;
    const wchar_t* key;
    Value value;
};

constexpr Key Hotkey(MainConfig::Hotkey index) {
    return {L"HotKey", kHotkeyKeys[index], HotkeyText{index}};
}

constexpr int kMaxColour = 0xFFFFFF;

using C = MainConfig;

// Every key of the main form, in the order a new Config.ini gets them.
constexpr Key kKeys[] = {
    {L"ScreenSaver", L"ReadSystem",
     ReadSystem{&ReadSystemSwitches::screenSaver, [](const MainConfig&) { return false; }}},
    {L"ScreenSaver", L"Active", Flag{&C::PPSCREnabled, true}},
    {L"XMouse", L"Allways", Flag{&C::FXAllways, false}},
    {L"XMouse", L"ReadSystem",
     ReadSystem{&ReadSystemSwitches::xMouse, [](const MainConfig& c) { return !c.FXAllways; }}},
    {L"XMouse", L"Active", Flag{&C::FXMouseAct, false}},
    {L"XMouse", L"Top", Flag{&C::FXMouseTop, false}},
    {L"XMouse", L"Speed", Number{&C::MXMouseSpeed, 10, 0, 29}},
    {L"Focus", L"Enabled", Flag{&C::FFocus, false}},
    {L"TaskBar", L"StartButton", Number{&C::MStartButtonC, 0, 0, 3}},
    {L"TaskBar", L"StartButtonText",
     SystemText{&C::MStartButtonText, &SystemSnapshot::startButtonCaption}},
    {L"DeskTopIcon", L"Start", Flag{&C::PPDTPIconLoadS, false}},
    {L"DeskTopIcon", L"WorkArea", Flag{&C::PPDTPIconLoadD, false}},
    {L"DeskTopIcon", L"Trans", Flag{&C::PPDeskTopTrans, false}},
    {L"DeskTopIcon", L"Small", Flag{&C::PPDeskTopSmall, false}},
    {L"DeskTopIcon", L"Color", Colour{&C::MDeskTopColor, &SystemSnapshot::deskTopTextColor}},
    {L"DeskTopIcon", L"ColorEnabled", Flag{&C::PPDeskTopColorEnabled, false}},
    {L"DeskTopIcon", L"Hide", Flag{&C::PPDeskTopHide, false}},
    {L"MouseHook", L"MRuttonBorder", Flag{&C::FRBtnUpBorder, true}},
    {L"MouseHook", L"MMButtonBorderTBLR", Flag{&C::FMBtnUpBorderTBLR, true}},
    {L"MouseHook", L"MButtonShade", Flag{&C::FMBtnShade, true}},
    {L"MouseHook", L"RButtonSys", Flag{&C::FRBtnUpSys, true}},
    {L"MouseHook", L"MButtonTaskBar", Flag{&C::FMBtnUpTsk, true}},
    {L"MouseHook", L"LButtonMaxCaption", Flag{&C::FLMaxCap, true}},
    {L"MouseHook", L"MButtonClose", Number{&C::MMBtnUpCls, 2, 0, 3}},
    {L"MouseHook", L"RButtonClose", Number{&C::MRBtnUpCls, 1, 0, 3}},
    {L"MouseHook", L"MButtonSystem", Number{&C::MMBtnUpSys, 3, 0, 3}},
    {L"MouseHook", L"Scroll", Number{&C::MScroll, 0, 0, 101}},
    {L"MouseHook", L"WheelCaption", Flag{&C::FCapWheel, true}},
    {L"MouseHook", L"WheelNoCaptionDisabel", Flag{&C::FCapDisable, true}},
    {L"MouseHook", L"WheelBorder", Flag{&C::FBorderWheel, true}},
    {L"MouseHook", L"WheelIcon", Flag{&C::FIconWheel, true}},
    {L"MouseHook", L"WindowListIcon", Flag{&C::FWinListIcon, true}},
    {L"MouseHook", L"WindowListIconBig", Flag{&C::FWinListIconBig, true}},
    {L"MouseHook", L"CursorPosition", Number{&C::MCapCursorPos, 0, 0, 2}},
    {L"MouseHook", L"CursorPositionEdit", Flag{&C::FCapCursorPos, true}},
    {L"MouseHook", L"Mouse", Flag{&C::FMouseHook, false}},
    {L"MouseHook", L"Enabled", Flag{&C::PPHookEnabled, false}},
    {L"MouseHook", L"WheelActive", Flag{&C::FWheelAct, false}},
    {L"DisableDeskTop", L"Disable", Flag{&C::PPDisableDeskTop, false}},
    {L"Window", L"Enable", Flag{&C::PPWindowEnable, true}},
    {L"Start", L"ReStart", Number{&C::MPPReStartC, 0, 0, 4}},
    {L"DualDeskTop", L"Enable", Flag{&C::PPDualDeskTop, false}},
    {L"MinTrayDisp", L"Click", Flag{&C::PPMinTrayDispClick, false}},
    {L"TrayLClick", L"WindowList", Flag{&C::PPTrayLClick, false}},
    {L"TabletMode", L"Enable", Flag{&C::PPTabletMode, true}},
    {L"Start", L"Delay", Number{&C::MDelay, 0, 0, 29}},
    {L"Snap", L"Enable", Flag{&C::PPSnapEnable, true}},
    {L"TaskBar", L"TransTaskBar", Number{&C::MTransTaskBar, 19, 1, 19}},
    {L"TaskBar", L"TransStartMenu", Flag{&C::PPTransStartMenu, false}},
    Hotkey(C::MHTKMenu),
    Hotkey(C::MHTKRMenu),
    Hotkey(C::MHTKDualDeskTop),
    Hotkey(C::MHTKAllHide),
    Hotkey(C::MHTKAllShow),
    Hotkey(C::MHTKWinList),
    Hotkey(C::MHTKMonN),
    Hotkey(C::MHTKMonP),
    Hotkey(C::MHTKMonM),
    Hotkey(C::MHTKDeskTopIcon),
    Hotkey(C::MHTKHide),
    Hotkey(C::MHTKHideWindow),
    Hotkey(C::MHTKTray),
    Hotkey(C::MHTKDualWindow),
    Hotkey(C::MHTKSnapEnabled),
    Hotkey(C::MHTKTaskBar),
    Hotkey(C::MHTKWinListW),
    Hotkey(C::MHTKDirect),
    Hotkey(C::MHTKMonSwap),
    Hotkey(C::MHTKDTPIconLoad),
    {L"Dialog", L"Center", Flag{&C::PPDialogCenter, false}},
    {L"Dialog", L"Detail", Flag{&C::PPDialogDetail, false}},
    {L"Dialog", L"Save", Flag{&C::PPDialogSave, true}},
    {L"Dialog", L"Grid", Flag{&C::PPDialogGrid, false}},
    {L"Dialog", L"LowSelect", Flag{&C::PPDialogSel, false}},
    {L"Dialog", L"Enabled", Flag{&C::PPDialogEnabled, false}},
    {L"HotKeyForm", L"Page", Number{&C::MHotkeyPage, 0, 0, 4}},
    {L"SnapForm", L"Page", Number{&C::MSnapPage, 0, 0, 2}},
    {L"WindowFile", L"Last", LastRuleFile{}},
    {L"Shade", L"TopMost", Flag{&C::FShadeTopMost, true}},
    {L"Shade", L"Transvalue", Number{&C::MShadeTrans, 19, 1, 19}},
    {L"DispDialogTime", L"Time", Number{&C::MDispDialogTimeC, 1, 0, 6}},
    {L"DispDialogTime", L"Disp", Flag{&C::PPDispDialog, true}},
    {L"MonitorCursor", L"Enabled", Flag{&C::PPMonCur, false}},
    {L"MonitorMax", L"Enabled", Flag{&C::PPMonMAX, false}},
};

std::wstring RuleFileInUse(const IniDocument& ini, const Key& last, const RuleFileLookup& lookup) {
    if (lookup.argumentCount != 0) {
        return lookup.current;
    }
    const std::wstring stored = ini.ReadString(last.section, last.key, lookup.current);
    const std::wstring path =
        lookup.fileExists(stored) ? stored : storage::DataFiles::In(lookup.dataFolder).windowIbk;
    return lookup.longPathName(path);
}

} // namespace

LoadedMainConfig ReadMainConfig(const IniDocument& ini, const SystemSnapshot& system,
                                const RuleFileLookup& ruleFile) {
    LoadedMainConfig loaded;
    MainConfig& config = loaded.config;
    ReadSystemSwitches readSystem;
    for (const Key& key : kKeys) {
        std::visit(
            Overloaded{
                [&](const Flag& flag) {
                    config.*flag.field = ini.ReadBool(key.section, key.key, flag.fallback);
                },
                [&](const Number& number) {
                    config.*number.field =
                        std::clamp(ini.ReadInteger(key.section, key.key, number.fallback),
                                   number.low, number.high);
                },
                [&](const Colour& colour) {
                    const int fallback = system.*colour.fallback;
                    const int value = ini.ReadInteger(key.section, key.key, fallback);
                    config.*colour.field = value >= 0 && value <= kMaxColour ? value : fallback;
                },
                [&](const SystemText& text) {
                    config.*text.field =
                        ini.ReadString(key.section, key.key, system.*text.fallback);
                },
                [&](const HotkeyText& hotkey) {
                    config.hotkeys[hotkey.index] = ini.ReadString(key.section, key.key, L"");
                },
                [&](const ReadSystem& switchKey) {
                    readSystem.*switchKey.loaded = ini.ReadBool(key.section, key.key, true);
                },
                [&](const LastRuleFile&) { loaded.ruleFile = RuleFileInUse(ini, key, ruleFile); },
            },
            key.value);
    }

    // The switch follows the system unless the file overrides it, and means nothing without a
    // screen-saver program.
    const bool screenSaverOn =
        readSystem.screenSaver ? system.screenSaverActive : config.PPSCREnabled;
    config.PPSCREnabled = screenSaverOn && system.screenSaverFileExists;

    if (readSystem.xMouse) {
        TakeXMouseFromSystem(config, system.xMouse);
    }
    const unsigned flashCount = std::max(system.xMouse.foregroundFlashCount, 1u);
    config.MFocusC = static_cast<int>(std::min(flashCount, static_cast<unsigned>(INT_MAX)));
    return loaded;
}

void WriteMainConfig(const MainConfig& config, int argumentCount, const std::wstring& ruleFile,
                     IniDocument& ini) {
    for (const Key& key : kKeys) {
        std::visit(
            Overloaded{
                [&](const Flag& flag) { ini.WriteBool(key.section, key.key, config.*flag.field); },
                [&](const Number& number) {
                    ini.WriteInteger(key.section, key.key,
                                     std::clamp(config.*number.field, number.low, number.high));
                },
                [&](const Colour& colour) {
                    ini.WriteInteger(key.section, key.key, config.*colour.field);
                },
                [&](const SystemText& text) {
                    ini.WriteString(key.section, key.key, config.*text.field);
                },
                [&](const HotkeyText& hotkey) {
                    ini.WriteString(key.section, key.key, config.hotkeys[hotkey.index]);
                },
                [&](const ReadSystem& switchKey) {
                    ini.WriteBool(key.section, key.key, switchKey.saved(config));
                },
                [&](const LastRuleFile&) {
                    if (argumentCount == 0) {
                        ini.WriteString(key.section, key.key, ruleFile);
                    }
                },
            },
            key.value);
    }
}

void TakeXMouseFromSystem(MainConfig& config, const XMouseSystem& system) {
    config.FXMouseAct = system.activeWindowTracking;
    config.FXMouseTop = system.trackingRaises;
    const unsigned delayIndex = std::max(system.trackingTimeoutMs, 100u) / 100 - 1;
    config.MXMouseSpeed = static_cast<int>(std::min(delayIndex, 29u));
    config.FFocus = system.foregroundLockTimeoutMs != 0;
}

bool TransStartMenuEnabled(const MainConfig& config) {
    return config.MTransTaskBar < 19;
}

bool DeskTopColorEnabled(const MainConfig& config) {
    return config.PPDeskTopColorEnabled;
}

} // namespace velmado::app
