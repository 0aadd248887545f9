#include "app/tray_form.h"

#include <algorithm>

#include "app/config/win/main_config_file.h"
#include "app/hand_off.h"
#include "app/startup_options.h"
#include "app/win/instance.h"
#include "app/win/system_settings.h"
#include "common/win/files.h"
#include "common/win/launch.h"
#include "common/win/mru_list.h"
#include "common/win/module_path.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/taskbar_list.h"
#include "common/win/window_geometry.h"
#include "common/win/wow64.h"
#include "rules/win/window_opacity.h"
#include "ui/win/application.h"

namespace velmado::app {

TrayForm::TrayForm(Program& program)
    : program_(program), errorLog_(program.files.errorLog, IsDebug(program.arguments)),
      form_(kMainFormClass, kMainFormCaption), ListBoxTop(program.files.topLog),
      ListBoxTrans(program.files.transLog), ruleStore_(program.files),
      ruleEngine_(ruleList_, ListBoxTop, ListBoxTrans),
      windowForm_({.rules = ruleList_,
                   .listCheck = FListCheck,
                   .engine = ruleEngine_,
                   .store = ruleStore_,
                   .ruleFilePath = program.ruleFilePath,
                   .files = program.files,
                   .programFolder = win::ProgramFolder(),
                   .target = target_,
                   .loadRules = [this] { Proc_DatLoad(); },
                   .listWindows =
                       [this](const rules::WindowStep& step) {
                           pass_.targets.ruleEditorList = step;
                           pass_.FWindowList = true;
                           pass_.Proc_MoveWindowMain();
                           pass_.targets.ruleEditorList = nullptr;
                       },
                   .errorLog = [this](const std::wstring& text) { Proc_ErrorLog(text); }}) {
    form_.style = WS_POPUP;
    form_.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(message, wParam, lParam);
    };
    form_.OnCreate = [this] { FormCreate(); };
    form_.OnCloseQuery = [this](bool& canClose) {
        FormCloseQuery();
        canClose = true;
    };
    form_.OnDestroy = [this] { FormDestroy(); };
    TimerMain.OnTimer = [this] { TimerMainTimer(); };
    trayIconReturn_.SetInterval(1000);
    trayIconReturn_.OnTimer = [this] {
        trayIconReturn_.SetEnabled(false);
        TrayIcon.SetVisible(true);
        RefreshMonitors();
    };
    startupDelay_.OnTimer = [this] {
        startupDelay_.SetEnabled(false);
        FinishStartup();
    };
    passJournalMessage_ = RegisterWindowMessageW(kPassJournalMessage);
    SetupTray();

    pass_.settings.rulesEnabled = [this] { return config_.PPWindowEnable; };
    pass_.settings.workAreasEnabled = [this] { return config_.PPSnapEnable; };
    pass_.settings.disableDeskTop = [this] { return config_.PPDisableDeskTop; };
    pass_.settings.eventWindow = [this] { return eventHook_.MEventWindow; };
    pass_.settings.ruleEditorVisible = [this] { return windowForm_.Visible(); };
    pass_.settings.resident = Resident();
    pass_.settings.ownProgram = win::ModulePath();
    pass_.targets.moveWindow = [this](HWND window, const std::wstring& exe,
                                      const std::wstring& caption, const std::wstring& className,
                                      const common::XYWH& rect) {
        lastPassWindows_.push_back(window);
        ruleEngine_.Proc_MoveWindow(window, exe, caption, className, rect);
    };
    pass_.targets.fixedPosSize = [this](HWND window, std::wstring& kind) {
        return ruleEngine_.Func_FixedPosSize(window, kind);
    };
    ruleEngine_.hooks.resident = Resident();
    ruleEngine_.hooks.taskbarHidden = [this] { return FTaskBar; };
    pass_.targets.closeMainForm = [this] { form_.Close(); };
}

TrayForm::~TrayForm() = default;

bool TrayForm::Create() {
    ui::Application::Instance().SetMainForm(&form_);
    ui::Application::Instance().OnActivate = [this] { FActMe = true; };
    ui::Application::Instance().OnDeactivate = [this] {
        FActMe = false;
        // Another program took the foreground: the program's open menus go.
        if (FPopUpL || FPopUpR || FPopUpM) {
            Proc_CloseMenus();
            FPopUpL = FPopUpR = FPopUpM = false;
        }
    };
    return form_.Create();
}

void TrayForm::Proc_ErrorLog(const std::wstring& text) {
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    FPopUpL = FPopUpR = FPopUpM = false;
    errorLog_.Report(text);
}

// Start-up, in the order the later steps rely on: system state first, then the configuration,
// then (after the start-up delay, in the resident run) hooks and the main timer.
void TrayForm::FormCreate() {
    win::InitWow64Redirection();
    win::CreateTaskbarList();
    win::ReadUacState();
    monitorCount_ = win::Screen::Get().MonitorCount();

    // Any program may send the hand-off, also to an instance that runs elevated.
    ChangeWindowMessageFilterEx(form_.Handle(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    win::MakeToolWindow(form_.Handle());
    TimerMain.SetEnabled(false);

    win::FindTaskbar();
    win::ScanTaskbars();
    win::FindDesktopHost();
    win::FindStartButton();

    Proc_ConfigLoad();
    ruleStore_.LoadRecent();
    Proc_DatLoad();
    if (Resident() && !windowForm_.Create()) {
        Proc_ErrorLog(L"位置と大きさの監視設定の画面を作成できませんでした");
    }
    if (!Resident()) {
        config_.PPWindowEnable = true;
        config_.PPSnapEnable = true;
        if (program_.runningInstanceState >= 1) {
            if (program_.runningInstanceState != 3) {
                config_.PPSnapEnable = false;
            }
            config_.PPDialogCenter = config_.PPDialogSave = config_.PPDialogDetail = false;
            config_.PPDialogGrid = config_.PPDialogSel = config_.PPDialogEnabled = false;
        }
        ui::Application::Instance().ShowApplicationWindow(SW_SHOW);
        FinishStartup();
        return;
    }
    // The start-up delay lets the rest of the desktop settle; the message loop keeps running
    // through it, so a log-off is answered.
    if (config_.MDelay > 0) {
        startupDelay_.SetInterval(static_cast<UINT>(config_.MDelay) * 2000);
        startupDelay_.SetEnabled(true);
    } else {
        FinishStartup();
    }
}

void TrayForm::FinishStartup() {
    if (Resident()) {
        pass_.MDeskTopC = 1;
        Proc_TrayIconState(); // the icon appears with its image, not blank first
        TrayIcon.SetVisible(true);
        TrayIcon.SetEnabled(true);
        eventHook_.Install();
    }
    TimerMain.SetInterval(2000);
    TimerMain.SetEnabled(true);
}

void TrayForm::Proc_ConfigLoad() {
    RuleFileLookup lookup;
    lookup.argumentCount = static_cast<int>(program_.arguments.size());
    lookup.current = program_.ruleFilePath;
    lookup.dataFolder = program_.files.folder;
    lookup.fileExists = win::SafeFileExists;
    lookup.longPathName = win::LongPathName;
    LoadedMainConfig loaded =
        LoadMainConfig(program_.files.configIni, ReadSystemSnapshot(), lookup);
    config_ = std::move(loaded.config);
    program_.ruleFilePath = std::move(loaded.ruleFile);
}

// Loads the rule file in use; every rule then acts afresh.
void TrayForm::Proc_DatLoad() {
    rules::LoadedRules loaded = ruleStore_.Load(program_.ruleFilePath);
    ruleList_ = std::move(loaded.rules);
    if (loaded.dropped > 0) {
        Proc_ErrorLog(program_.ruleFilePath + L": " + std::to_wstring(loaded.dropped) +
                      L" 件のルールは上限 1000 件を超えるため読み込みませんでした");
    }
    if (!loaded.error.empty()) {
        Proc_ErrorLog(loaded.error);
    }
    ruleEngine_.Proc_AllDeleteWindow();
}

// Makes a recent rule file the current one.
void TrayForm::Proc_WindowFileChange(std::size_t index) {
    const std::vector<std::wstring>& recent = ruleStore_.Recent();
    if (index >= recent.size()) {
        return;
    }
    program_.ruleFilePath = win::LongPathName(recent[index]);
    Proc_DatLoad();
}

void TrayForm::Proc_ConfigSave() {
    const storage::FileStatus saved =
        SaveMainConfig(program_.files.configIni, config_,
                       static_cast<int>(program_.arguments.size()), program_.ruleFilePath);
    if (!saved) {
        Proc_ErrorLog(saved.error);
    }
}

// The closing sequence undoes what the program did and saves; a one-shot run leaves everything
// as it is.
void TrayForm::FormCloseQuery() {
    if (closed_ || !Resident()) {
        closed_ = true;
        return;
    }
    closed_ = true;
    TimerMain.SetEnabled(false);
    startupDelay_.SetEnabled(false);
    if (windowForm_.Handle() != nullptr) {
        windowForm_.Close(); // its settings, lists and the rule file's dialog rectangle
    }
    UndoWindowStates();
    Proc_ConfigSave();
    if (!config_.FXAllways) {
        SystemParametersInfoW(SPI_SETFOREGROUNDFLASHCOUNT, 0,
                              reinterpret_cast<void*>(static_cast<UINT_PTR>(config_.MFocusC)),
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }
}

// Other programs' windows lose the topmost state and the translucency the rules gave them.
void TrayForm::UndoWindowStates() {
    for (auto it = ListBoxTop.Windows().rbegin(); it != ListBoxTop.Windows().rend(); ++it) {
        if (IsWindow(*it)) {
            win::SetTopmost(*it, false);
        }
    }
    ListBoxTop.Clear();
    DeleteFileW(ListBoxTop.LogPath().c_str());
    for (auto it = ListBoxTrans.Windows().rbegin(); it != ListBoxTrans.Windows().rend(); ++it) {
        if (IsWindow(*it)) {
            rules::SetWindowOpacity(*it, 100);
        }
    }
    ListBoxTrans.Clear();
    DeleteFileW(ListBoxTrans.LogPath().c_str());
    ruleStore_.SaveRecent();
}

void TrayForm::FormDestroy() {
    TimerMain.SetEnabled(false);
    TrayIcon.SetVisible(false);
    win::ReleaseTaskbarList();
    eventHook_.Uninstall();
}

std::optional<LRESULT> TrayForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA:
        ReceiveHandOff(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return 0;
    case WM_QUERYENDSESSION:
        // The whole closing sequence runs before Windows ends the session.
        form_.Close();
        return TRUE;
    case WM_ENDSESSION:
        return 1;
    default:
        if (message == passJournalMessage_ && passJournalMessage_ != 0) {
            return PassJournal(wParam);
        }
        return std::nullopt;
    }
}

LRESULT TrayForm::PassJournal(WPARAM which) const {
    if (which == 0) {
        return passCount_;
    }
    if (which == 1) {
        return static_cast<LRESULT>(lastPassWindows_.size());
    }
    const std::size_t index = which - 2;
    return index < lastPassWindows_.size() ? reinterpret_cast<LRESULT>(lastPassWindows_[index]) : 0;
}

void TrayForm::ReceiveHandOff(const COPYDATASTRUCT* data) {
    if (FTabletMode || data == nullptr) {
        return;
    }
    const std::optional<std::wstring> text = ReadHandOffText(data->lpData, data->cbData);
    if (!text) {
        return;
    }
    switch (ClassifyHandOff(*text, win::SafeFileExists)) {
    case HandOffCommand::RuleFile: {
        // As if the file had been chosen from the recent rule files.
        const std::wstring path = win::LongPathName(*text);
        std::vector<std::wstring>& recent = ruleStore_.Recent();
        auto found = std::find(recent.begin(), recent.end(), path);
        if (found == recent.end()) {
            win::AddToMruList(recent, path, rules::kMaxRecentRuleFiles);
            found = recent.begin();
        }
        if (found != recent.end()) {
            form_.tag = static_cast<int>(found - recent.begin());
            Proc_WindowFileChange(static_cast<std::size_t>(form_.tag));
        }
        break;
    }
    case HandOffCommand::MouseHookDisable:
        config_.PPHookEnabled = false;
        break;
    case HandOffCommand::TrayIconVisible:
        // Brings the icon back where the shell lost it: away now, back in a second.
        TrayIcon.SetVisible(false);
        trayIconReturn_.SetEnabled(true);
        break;
    case HandOffCommand::Profile:
    case HandOffCommand::Ignore:
        break;
    }
}

void TrayForm::RunPass() {
    ++passCount_;
    lastPassWindows_.clear();
    pass_.Proc_MoveWindowMain();
}

} // namespace velmado::app
