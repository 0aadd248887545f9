// The main tray icon and its menu: the click model, the image and tooltip, the action flash, and
// the menu's commands and options as far as their features exist; the others stay greyed out.
#include "app/tray_form.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/tray/tray_text.h"
#include "app/win/about_box.h"
#include "commands/win/target_lookup.h"
#include "commands/win/window_menu.h"
#include "commands/win/window_menu_popup.h"
#include "rules/rule_matcher.h"
#include "common/win/files.h"
#include "common/win/foreground.h"
#include "common/win/launch.h"
#include "common/win/os_version.h"
#include "common/win/module_path.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/sound.h"
#include "common/win/window_geometry.h"
#include "ui/win/application.h"

namespace velmado::app {

namespace {

constexpr UINT kActionFlashMs = 125;

// The option items whose check mark is a switch of the configuration.
struct OptionBinding {
    const wchar_t* item;
    bool MainConfig::*field;
    bool saveAtOnce;
};

constexpr OptionBinding kOptions[] = {
    {L"PPDisableDeskTop", &MainConfig::PPDisableDeskTop, false},
    {L"PPDispDialog", &MainConfig::PPDispDialog, false},
    {L"PPTrayLClick", &MainConfig::PPTrayLClick, false},
    {L"PPMinTrayDispClick", &MainConfig::PPMinTrayDispClick, false},
    {L"PPTabletMode", &MainConfig::PPTabletMode, false},
    {L"PPMonCur", &MainConfig::PPMonCur, false},
    {L"PPMonMAX", &MainConfig::PPMonMAX, false},
    {L"PPWindowEnable", &MainConfig::PPWindowEnable, false},
    {L"PPSnapEnable", &MainConfig::PPSnapEnable, false},
    {L"PPDialogCenter", &MainConfig::PPDialogCenter, true},
    {L"PPDialogSave", &MainConfig::PPDialogSave, true},
    {L"PPDialogDetail", &MainConfig::PPDialogDetail, true},
    {L"PPDialogGrid", &MainConfig::PPDialogGrid, true},
    {L"PPDialogSel", &MainConfig::PPDialogSel, true},
    {L"PPDialogEnabled", &MainConfig::PPDialogEnabled, true},
    {L"PPDTPIconLoadS", &MainConfig::PPDTPIconLoadS, false},
    {L"PPDTPIconLoadD", &MainConfig::PPDTPIconLoadD, false},
    {L"PPHookEnabled", &MainConfig::PPHookEnabled, false},
};

// Greys out every command nobody answers yet (their features come later).
void DisableUnhandled(ui::MenuItem& item) {
    for (std::size_t i = 0; i < item.Count(); ++i) {
        ui::MenuItem& child = item.At(i);
        if (child.Count() > 0) {
            DisableUnhandled(child);
        } else if (!child.IsSeparator() && !child.OnClick) {
            child.enabled = false;
        }
    }
}

UINT SystemWheelLines() {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines == WHEEL_PAGESCROLL ? 0 : lines;
}

} // namespace

void TrayForm::SetupTray() {
    for (int i = 0; i < kTrayImageCount; ++i) {
        trayImages_.push_back(static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kTrayIconResourceBase + i), IMAGE_ICON,
            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
    }
    TrayIcon.SetHint(L"Velmado");
    TrayIcon.SetEnabled(false);
    TrayIcon.OnMouseDown = [this](ui::MouseButton button, int, int) { TrayIconMouseDown(button); };
    TrayIcon.OnMouseUp = [this](ui::MouseButton button, int x, int y) {
        TrayIconMouseUp(button, x, y);
    };
    TrayIcon.OnMouseMove = [this](int, int) { UpdateTrayHint(); };
    TrayIcon.OnDblClick = [this] { TrayIconDblClick(); };
    TimerActionTrayIcon.SetInterval(kActionFlashMs);
    TimerActionTrayIcon.OnTimer = [this] {
        TimerActionTrayIcon.SetEnabled(false);
        pass_.FWindowList = false;
        Proc_TrayIconState();
        win::PlaySoundFile(MSound);
    };
    menuArrays_ = BuildTrayMenu(PPRMenu);
    ApplyWindowsVersion(PPRMenu, menuArrays_, win::SystemVersion(), win::UacEnabled(),
                        IsUserAnAdmin() != FALSE);
    PPRMenu.OnPopup = [this] { PPRMenuPopup(); };
    BindTrayCommands();
    DisableUnhandled(PPRMenu.Items());
    windowMenuArrays_ = commands::BuildWindowMenu(PPLMenu);
    commands::ApplyWindowsVersionToWindowMenu(PPLMenu, win::SystemVersion(), win::UacEnabled());
    PPLMenu.OnPopup = [this] { PPLMenuPopup(); };
    BindWindowMenuCommands();
    TimerWClick.OnTimer = [this] { TimerWClickTimer(); };
    ruleEngine_.hooks.actionFlash = [this] { Proc_ActionTrayIcon(kTrayImageRuleApplied); };
}

void TrayForm::BindTrayCommands() {
    // Every command first settles the tray menu's open flag.
    auto on = [this](const wchar_t* name, std::function<void(ui::MenuItem&)> action) {
        if (ui::MenuItem* item = PPRMenu.Find(name)) {
            item->OnClick = [this, action](ui::MenuItem& sender) {
                FPopUpR = false;
                action(sender);
            };
        }
    };
    for (const OptionBinding& option : kOptions) {
        on(option.item, [this, option](ui::MenuItem& sender) {
            config_.*option.field = sender.Checked();
            if (option.field == &MainConfig::PPWindowEnable ||
                option.field == &MainConfig::PPSnapEnable) {
                Proc_TrayIconState();
            }
            if (option.saveAtOnce) {
                Proc_ConfigSave();
            }
        });
    }
    auto onEach = [&](const std::vector<ui::MenuItem*>& items,
                      std::function<void(ui::MenuItem&)> action) {
        for (ui::MenuItem* item : items) {
            if (item != nullptr) {
                item->OnClick = [this, action](ui::MenuItem& sender) {
                    FPopUpR = false;
                    action(sender);
                };
            }
        }
    };
    onEach(menuArrays_.MPPWindowFile, [this](ui::MenuItem& sender) {
        form_.tag = sender.tag;
        Proc_WindowFileChange(static_cast<std::size_t>(sender.tag));
    });
    onEach(menuArrays_.MPPDelay, [this](ui::MenuItem& sender) {
        config_.MDelay = sender.tag;
        Proc_ConfigSave();
    });
    onEach(menuArrays_.MPPReStart, [this](ui::MenuItem& sender) {
        config_.MPPReStartC = sender.tag;
        Proc_ConfigSave();
    });
    onEach(menuArrays_.MPPDispDialogTime,
           [this](ui::MenuItem& sender) { config_.MDispDialogTimeC = sender.tag; });
    onEach(menuArrays_.MPPScrollHook,
           [this](ui::MenuItem& sender) { config_.MScroll = sender.tag + 1; });
    onEach(menuArrays_.MPPScrollSystem, [](ui::MenuItem& sender) {
        const UINT lines = sender.tag == 0 ? WHEEL_PAGESCROLL : static_cast<UINT>(sender.tag);
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr,
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    });
    on(L"PPAllWindowLoad", [this](ui::MenuItem&) { ruleEngine_.Proc_AllDeleteWindow(); });
    on(L"PPConfigWindow",
       [this](ui::MenuItem&) { ModalSettingsDialog([this] { windowForm_.ShowModal(0); }); });
    on(L"PPShowDeskTop", [](ui::MenuItem&) {
        keybd_event(VK_LWIN, 0, 0, 0);
        keybd_event('M', 0, 0, 0);
        keybd_event('M', 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
    });
    on(L"PPHelp", [](ui::MenuItem&) {
        ShellExecuteW(ui::Application::Instance().Handle(), L"open", L"Velmado.chm", nullptr,
                      nullptr, SW_SHOW);
    });
    on(L"PPAdminQ", [](ui::MenuItem&) {
        const std::wstring launcher = win::ProgramFolder() + L"Velmado_Admin.exe";
        if (win::SafeFileExists(launcher)) {
            win::RunElevated(ui::Application::Instance().Handle(), launcher, L"/Q");
        }
    });
    on(L"PPVer", [this](ui::MenuItem&) {
        ModalSettingsDialog(
            [this] { ShowAboutBox(ui::Application::Instance().Handle(), program_.files.folder); });
    });
    on(L"PPClose", [this](ui::MenuItem&) { form_.Close(); });
}

void TrayForm::BindWindowMenuCommands() {
    // Every command first settles the window menu's open flag.
    auto on = [this](const wchar_t* name, std::function<void()> action) {
        if (ui::MenuItem* item = PPLMenu.Find(name)) {
            item->OnClick = [this, action](ui::MenuItem&) {
                FPopUpL = false;
                action();
            };
        }
    };
    on(L"PPName", [this] { commands::PPNameClick(target_, form_.Handle()); });
    on(L"PPWindowSave", [this] {
        ModalSettingsDialog([this] { windowForm_.ShowModal(1); });
        win::ForceForeground(win::Shell().desktopHost);
    });
    on(L"PPWindowList", [this] { ModalSettingsDialog([this] { windowForm_.ShowModal(2); }); });
    on(L"PPWindowCheck", [this] { PPWindowCheckClick(); });
    on(L"PPWindowLoad", [this] { PPWindowLoadClick(); });
}

// Switches the target's first rule on or off and keeps the change in the rule file at once.
void TrayForm::PPWindowCheckClick() {
    const HWND window = target_.window;
    const int rule = ruleEngine_.Func_FindItemWindow(
        target_.program, target_.caption, target_.className,
        rules::WindowStyleText(static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE))));
    if (rule < 0) {
        return;
    }
    rules::Rule& chosen = ruleList_[static_cast<std::size_t>(rule)];
    chosen.enabled = !chosen.enabled;
    windowForm_.Proc_DatSave();
    RunPass();
}

// Puts the target back where its rule wants it, even while the rule is switched off.
void TrayForm::PPWindowLoadClick() {
    const HWND window = target_.window;
    ruleEngine_.Func_FindItemWindow(
        target_.program, target_.caption, target_.className,
        rules::WindowStyleText(static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE))));
    const int rule = rules::GoverningRule(ruleList_, ruleEngine_.FWindowListNUM);
    if (rule < 0) {
        return;
    }
    ruleEngine_.Proc_ResetFlag(true, target_);
    rules::Rule& governing = ruleList_[static_cast<std::size_t>(rule)];
    const bool enabled = governing.enabled;
    governing.enabled = true;
    struct Restore {
        rules::Rule& rule;
        bool enabled;
        ~Restore() { rule.enabled = enabled; }
    } restore{governing, enabled};
    RunPass();
}

// The window menu names the window that was in front, or the one a hotkey or mouse action aimed
// at, and offers what can be done to it.
void TrayForm::PPLMenuPopup() {
    if (FPopUpL) {
        return;
    }
    FPopUpL = true;
    FPopUpR = FPopUpM = false;
    Proc_SelectTarget();
    commands::PrepareWindowMenu(PPLMenu, windowMenuArrays_,
                                {.target = target_,
                                 .openedByHook = MHookWin != nullptr,
                                 .shadeOption = false,
                                 .rulesEnabled = config_.PPWindowEnable,
                                 .engine = ruleEngine_,
                                 .rules = ruleList_,
                                 .topList = ListBoxTop,
                                 .version = win::SystemVersion(),
                                 .uacEnabled = win::UacEnabled(),
                                 .fallbackIcon = trayImages_[kTrayImageDualDeskTop]});
    // Preparing enables items by the target; commands that do not exist yet stay grey.
    DisableUnhandled(PPLMenu.Items());
}

void TrayForm::Proc_SelectTarget() {
    if ((FPopUpL || FPopUpR || FPopUpM) && GetForegroundWindow() != form_.Handle()) {
        Proc_CloseMenus();
        FPopUpL = FPopUpR = FPopUpM = false;
        return;
    }
    if (!TrayIcon.Enabled()) {
        return; // a modal dialog of the program is open
    }
    target_ = commands::SelectTarget({.hookWindow = MHookWin,
                                      .applicationWindow = ui::Application::Instance().Handle(),
                                      .offscreenCheck = config_.PPDisableDeskTop,
                                      .ownProgram = win::ModulePath()});
}

// The frame of every modal settings dialog: the tray icon takes no clicks while it is up.
void TrayForm::ModalSettingsDialog(const std::function<void()>& dialog) {
    TrayIcon.SetEnabled(false);
    struct Reenable {
        ui::TrayIcon& icon;
        ~Reenable() { icon.SetEnabled(true); }
    } reenable{TrayIcon};
    dialog();
}

// The main icon shows the two main switches; tablet mode stops everything.
void TrayForm::Proc_TrayIconState() {
    TrayIcon.SetIcon(trayImages_[static_cast<std::size_t>(
        TrayImageIndex(FTabletMode, config_.PPWindowEnable, config_.PPSnapEnable))]);
}

// Flashes another image for one period of the flash timer.
void TrayForm::Proc_ActionTrayIcon(int image) {
    if (TimerActionTrayIcon.Enabled() || !TrayIcon.Visible()) {
        return;
    }
    TrayIcon.SetIcon(trayImages_[static_cast<std::size_t>(image)]);
    MSound = image == kTrayImageRuleApplied ? windowForm_.SoundWindow()
             : image == kTrayImageShade     ? windowForm_.SoundShade()
                                            : std::wstring();
    TimerActionTrayIcon.SetEnabled(true);
}

void TrayForm::UpdateTrayHint() {
    std::vector<bool> workAreas(static_cast<std::size_t>(win::Screen::Get().MonitorCount()), true);
    TrayIcon.SetHint(TrayHint(program_.ruleFilePath, workAreas, false));
}

// Dismisses the program's open menus.
void TrayForm::Proc_CloseMenus() {
    win::ForceForeground(ui::Application::Instance().Handle());
    for (ui::PopupMenu* menu : {&PPLMenu, &PPRMenu}) {
        if (menu->IsOpen()) {
            PostMessageW(menu->OwnerWindow(), WM_LBUTTONDOWN, 0, 0);
        }
    }
    win::ForceForeground(win::WindowAtCursor());
}

void TrayForm::TrayIconMouseDown(ui::MouseButton button) {
    if (FPopUpL || FPopUpR || FPopUpM) {
        TimerWClick.SetEnabled(false);
        Proc_CloseMenus();
        return;
    }
    if (button == ui::MouseButton::Left) {
        // A single click acts only once no second click can make it a double click.
        TimerWClick.SetInterval(GetDoubleClickTime() * 2 / 3);
        TimerWClick.SetEnabled(true);
    } else {
        TimerWClick.SetEnabled(false);
    }
}

void TrayForm::TrayIconMouseUp(ui::MouseButton button, int x, int y) {
    if (FPopUpL || FPopUpR || FPopUpM) {
        // This click only closed a menu; it must not count as half of a double click.
        TimerWClick.SetEnabled(false);
        Proc_CloseMenus();
        FPopUpL = FPopUpR = FPopUpM = false;
        TrayIcon.OnDblClick = nullptr;
        return;
    }
    if (button == ui::MouseButton::Left) {
        TrayIcon.OnDblClick = [this] { TrayIconDblClick(); };
    }
    if (!TimerMain.Enabled()) {
        return;
    }
    if (button == ui::MouseButton::Right) {
        win::ForceForeground(ui::Application::Instance().Handle());
        win::ForceForeground(form_.Handle());
        PPRMenu.Popup(x, y);
        FPopUpR = false;
    } else if (button == ui::MouseButton::Middle) {
        ui::MenuItem* hook = PPRMenu.Find(L"PPHookEnabled");
        hook->SetChecked(!hook->Checked());
        hook->OnClick(*hook);
    }
}

// No second click came: the single click opens the window menu where the cursor is.
void TrayForm::TimerWClickTimer() {
    TimerWClick.SetEnabled(false);
    if (!TimerMain.Enabled() || FPopUpL || FPopUpR || FPopUpM) {
        return;
    }
    if (config_.PPTrayLClick) {
        return; // the option asks for the window list, which this build does not have yet
    }
    win::ForceForeground(ui::Application::Instance().Handle());
    win::ForceForeground(form_.Handle());
    POINT cursor{};
    GetCursorPos(&cursor);
    PPLMenu.Popup(cursor.x, cursor.y);
    FPopUpL = false;
}

void TrayForm::TrayIconDblClick() {
    TimerWClick.SetEnabled(false);
    if (FPopUpL || FPopUpR || FPopUpM) {
        Proc_CloseMenus();
        FPopUpL = FPopUpR = FPopUpM = false;
    }
    ui::MenuItem* snap = PPRMenu.Find(L"PPSnapEnable");
    snap->SetChecked(!snap->Checked());
    snap->OnClick(*snap);
}

// Fills the tray menu as it opens; the pass it runs also counts the other programs' windows.
void TrayForm::PPRMenuPopup() {
    if (FPopUpR) {
        return;
    }
    FPopUpR = true;
    FPopUpL = FPopUpM = false;
    pass_.MWindowC = 0;
    pass_.FWindowC = true;
    RunPass();
    const int windows = pass_.MWindowC;

    for (const OptionBinding& option : kOptions) {
        if (ui::MenuItem* item = PPRMenu.Find(option.item)) {
            item->SetChecked(config_.*option.field);
        }
    }
    if (ui::MenuItem* scroll = PPRMenu.Find(L"PPScrollHook")) {
        scroll->enabled = config_.PPHookEnabled && config_.MScroll > 0;
        if (scroll->enabled &&
            config_.MScroll - 1 < static_cast<int>(menuArrays_.MPPScrollHook.size())) {
            menuArrays_.MPPScrollHook[static_cast<std::size_t>(config_.MScroll - 1)]->SetChecked(
                true);
        }
    }
    const UINT lines = SystemWheelLines();
    if (lines < menuArrays_.MPPScrollSystem.size()) {
        menuArrays_.MPPScrollSystem[lines]->SetChecked(true);
    }
    menuArrays_.MPPDelay[static_cast<std::size_t>(config_.MDelay)]->SetChecked(true);
    menuArrays_.MPPReStart[static_cast<std::size_t>(config_.MPPReStartC)]->SetChecked(true);
    menuArrays_.MPPDispDialogTime[static_cast<std::size_t>(config_.MDispDialogTimeC)]->SetChecked(
        true);
    PPRMenu.Find(L"PPAllWindowLoad")->enabled = config_.PPWindowEnable && windows > 0;
    const int monitors = win::Screen::Get().MonitorCount();
    PPRMenu.Find(L"PPMonitorAll")->visible = monitors > 1;
    PPRMenu.Find(L"PPMonitorSwap")->visible = monitors == 2;
    PPRMenu.Find(L"PPMonCur")->visible = monitors > 1;

    // The recent rule files that still exist, with their accelerators.
    std::vector<std::wstring>& recent = ruleStore_.Recent();
    std::erase_if(recent, [](const std::wstring& path) { return !win::SafeFileExists(path); });
    for (std::size_t i = 0; i < menuArrays_.MPPWindowFile.size(); ++i) {
        ui::MenuItem& item = *menuArrays_.MPPWindowFile[i];
        item.visible = item.enabled = i < recent.size();
        item.caption = i < recent.size() ? RecentFileCaption(recent[i], static_cast<int>(i)) : L"";
    }
}

} // namespace velmado::app
