#pragma once
// The main form: the program's hidden hub. It is found by other instances through its class and
// caption, receives their hand-offs, owns the event hook, the window pass and the main timer, and
// runs the start-up and the closing sequences.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/config/main_config.h"
#include "app/program.h"
#include "app/tray/tray_menu.h"
#include "app/win/error_log.h"
#include "commands/window_menu_tree.h"
#include "common/geometry.h"
#include "rules/event_hook.h"
#include "rules/rule.h"
#include "rules/win/rule_engine.h"
#include "rules/win/rule_store.h"
#include "rules/win/window_form.h"
#include "rules/win/window_state_lists.h"
#include "rules/window_pass.h"
#include "ui/win/form.h"
#include "ui/win/popup_menu.h"
#include "ui/win/timer.h"
#include "ui/win/tray_icon.h"

namespace velmado::app {

// A registered message the main form answers with what its window passes did, for tests and
// diagnostics: wParam 0 the number of passes run, 1 the number of windows the last pass handed
// on, 2 + i the i-th of them.
inline constexpr wchar_t kPassJournalMessage[] = L"Velmado.PassJournal";

class TrayForm {
public:
    explicit TrayForm(Program& program);
    TrayForm(const TrayForm&) = delete;
    TrayForm& operator=(const TrayForm&) = delete;
    ~TrayForm();

    // Creates the hidden main form and runs the start-up sequence.
    bool Create();
    HWND Handle() const { return form_.Handle(); }

    // Logs an error (Error.log, and a message box with "/debug").
    void Proc_ErrorLog(const std::wstring& text);

private:
    bool Resident() const { return !program_.nonResident; }

    // Start-up and shut-down.
    void FormCreate();
    void FinishStartup();
    void FormCloseQuery();
    void FormDestroy();
    void Proc_ConfigLoad();
    void Proc_ConfigSave();

    // The rule file.
    void Proc_DatLoad();
    void Proc_WindowFileChange(std::size_t index);
    void UndoWindowStates();

    // The tray icon and its menu.
    void SetupTray();
    void BindTrayCommands();
    void Proc_TrayIconState();
    void Proc_ActionTrayIcon(int image);
    void Proc_CloseMenus();
    void PPRMenuPopup();
    void PPLMenuPopup();
    void BindWindowMenuCommands();
    void PPWindowCheckClick();
    void PPWindowLoadClick();
    void Proc_SelectTarget();
    void TrayIconMouseDown(ui::MouseButton button);
    void TrayIconMouseUp(ui::MouseButton button, int x, int y);
    void TrayIconDblClick();
    void TimerWClickTimer();
    void UpdateTrayHint();
    void ModalSettingsDialog(const std::function<void()>& dialog);

    // Messages.
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ReceiveHandOff(const COPYDATASTRUCT* data);
    LRESULT PassJournal(WPARAM which) const;

    // The main timer.
    void TimerMainTimer();
    bool TabletModeStep();
    // What depends on the monitors is read again: the screen model, and the event hook if it
    // is installed.
    void RefreshMonitors();
    bool TaskbarVanished();
    void TrackForeground();
    void TrackEventList();
    void Proc_XMouseUpkeep();
    void Proc_DeleteState();
    void RunPass();

    Program& program_;
    ErrorLog errorLog_;
    ui::Form form_;
    MainConfig config_;
    // The rules, the windows they changed, and the engine that applies them.
    rules::RuleList ruleList_;
    rules::WindowStateList ListBoxTop;   // made topmost by a rule
    rules::WindowStateList ListBoxTrans; // made translucent by a rule
    rules::RuleStore ruleStore_;
    rules::RuleEngine ruleEngine_;
    std::vector<bool> FListCheck; // each rule's enabled flag as the editor last saw it
    rules::EventHook eventHook_;
    rules::WindowPass pass_;
    rules::WindowForm windowForm_; // the rule editor
    ui::Timer TimerMain;
    ui::TrayIcon TrayIcon;
    ui::PopupMenu PPRMenu;
    TrayMenuArrays menuArrays_;
    ui::PopupMenu PPLMenu; // the window menu
    commands::WindowMenuArrays windowMenuArrays_;
    ui::Timer TimerWClick;
    ui::Timer TimerActionTrayIcon;
    std::vector<HICON> trayImages_; // shared resource icons, not destroyed
    std::wstring MSound;            // played when the action flash ends
    ui::Timer startupDelay_;
    ui::Timer trayIconReturn_; // shows the tray icon again after a "TrayIconVisible" hand-off
    UINT passJournalMessage_ = 0;

    int monitorCount_ = 1;
    bool closed_ = false;

    // The popup menus of the program that are open (window menu, tray menu, window list).
    bool FPopUpL = false;
    bool FPopUpR = false;
    bool FPopUpM = false;

    bool FTabletMode = false;
    bool FProcEdge = false;
    bool FActMe = false;
    bool FTaskBar = false; // the program hides the taskbar
    bool FTaskBarB = false;
    bool FXDisable = false;     // active window tracking was switched off here
    bool FHotkeyWindow = false; // the hotkey-and-mouse settings dialog is open
    int MWheelActC = 0;
    int MProcessC = 0;
    HWND MActWinB = nullptr;
    common::Rect MActRectB;
    std::wstring MActCap;
    rules::TargetWindow target_; // the window commands' target (MTargetWin ...)
    HWND MHookWin = nullptr;     // the window a hotkey or mouse action aimed at
    HWND MNowHandleB = nullptr;
    // Windows that raised events and were not handled yet, newest first.
    std::vector<HWND> ListBoxEvent;
    // Since when the taskbar is missing (Explorer ended or restarting).
    std::optional<std::chrono::steady_clock::time_point> taskbarMissingSince_;

    // What the passes did, for the pass journal.
    int passCount_ = 0;
    std::vector<HWND> lastPassWindows_;
};

} // namespace velmado::app
