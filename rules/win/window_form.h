#pragma once
// The rule editor: the rule list with the rule-file commands, sounds and program finder; the
// registration page that turns a window into a rule; the list of the windows on the desktop. It
// is created once and hidden when closed; the rule list itself belongs to the main form.
//
//   rules::WindowForm editor(context);
//   editor.Create();      // reads its settings
//   editor.ShowModal(0);  // returns when the editor closed
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "common/win/handles.h"
#include "rules/rule.h"
#include "rules/win/rule_engine.h"
#include "rules/win/rule_store.h"
#include "rules/win/window_sub_form.h"
#include "rules/window_pass.h"
#include "storage/data_files.h"
#include "ui/win/common_dialogs.h"
#include "ui/win/controls.h"
#include "ui/win/form.h"
#include "ui/win/image_list.h"
#include "ui/win/list_view.h"
#include "ui/win/popup_menu.h"
#include "ui/win/tab_control.h"

namespace velmado::rules {

struct WindowFormContext {
    RuleList& rules;
    // The enabled flag of each rule as last loaded or seen by the editor (FListCheck).
    std::vector<bool>& listCheck;
    RuleEngine& engine;
    RuleStore& store; // the recent list, saving, reading files to import
    std::wstring& ruleFilePath;
    const storage::DataFiles& files;
    std::wstring programFolder; // with its trailing "\": the default sounds are beside the program
    TargetWindow& target;       // the window to register; the window list writes it
    // The main form's load: ruleFilePath -> rules, recent list, desktop record, forgets the
    // handled windows.
    std::function<void()> loadRules;
    // Runs the pass in list mode, calling the step for each ordinary window.
    std::function<void(const WindowStep&)> listWindows;
    std::function<void(const std::wstring&)> errorLog;
};

class WindowForm {
public:
    // Control ids (GetDlgItem on Handle()).
    enum ControlId : int {
        kPageControl = 1000,
        kListViewWindow,
        kListViewWindowList,
        kTBNew,
        kTBOpen,
        kTBOpenDrop,
        kTBSave,
        kTBSaveAs,
        kTBUndo,
        kTBImport,
        kTBDel,
        kTBUP,
        kTBDown,
        kEditFile,
        kCBExeFind,
        kBtnExeFindN,
        kBtnExeFindD,
        kCHKSoundWindow,
        kEditSoundWindow,
        kBtnSoundWindow,
        kCHKSoundShade,
        kEditSoundShade,
        kBtnSoundShade,
        kTXTExe,
        kTXTCap,
        kCHKParts,
        kTXTCls,
        kTXTPosSize,
        kCHKRightBottom,
        kCHKStyle,
        kTxtStyle,
        kCHKMessage,
        kTxtMessage,
        kCHKFix,
        kCHKNonTaskBar,
        kCHKOnly,
        kChkTop,
        kTBAdd,
        kTBGet,
        kTBClose,
        kStatusBar,
        kRDCapCls = 1100, // + item index
        kRGSize = 1110,
        kRDPosSize = 1130,
    };

    explicit WindowForm(WindowFormContext context);
    WindowForm(const WindowForm&) = delete;
    WindowForm& operator=(const WindowForm&) = delete;
    ~WindowForm();

    // Creates the hidden editor and reads its settings, the finder history and the remembered
    // dialog rectangle of the current rule file.
    bool Create();
    // 0 rule list, 1 register ctx.target, 2 window list; returns when the editor has closed.
    void ShowModal(int windowMode);
    void Show(int windowMode);
    // The closing steps (settings, save query, reload, dialog rectangle, recent list and
    // finder history); false when the user cancelled. The editor is hidden, not destroyed.
    bool Close();
    bool Visible() const;
    HWND Handle() const { return form_.Handle(); }

    // Keeps the editor's own dialogs in front while the editor is the foreground window.
    void Proc_CheckDialog();
    void Proc_DatSave();
    // The sound files when their switches are on, else empty.
    std::wstring SoundWindow() const;
    std::wstring SoundShade() const;
    int MListViewWindowC() const { return static_cast<int>(ctx_.rules.size()); }

    // Seams for message boxes and file dialogs; by default the system's.
    std::function<int(const std::wstring& text, UINT buttons)> ask;
    enum class FileDialogKind { Open, Save };
    std::function<std::optional<std::wstring>(FileDialogKind, const ui::FileDialogOptions&)>
        chooseFile;

    WindowSubForm& SubForm() { return subForm_; }
    common::XYWH DialogRect() const { return dialogRect_; }
    void SetDialogRect(const common::XYWH& rect) { dialogRect_ = rect; }
    bool Modified() const { return FModify; }

private:
    // The form, its controls and layout (window_form.cpp, window_form_layout.cpp).
    void FormCreate();
    void CreateControls();
    void CreateImageLists();
    void Layout();
    void LayoutRuleListPage(const RECT& page);
    void LayoutRegistrationPage(const RECT& page);
    void LayoutWindowListPage(const RECT& page);
    void ShowPageControls();
    // The inputs of the registration page, shown and enabled together.
    std::array<HWND, 19> RegistrationControls() const;
    void ChangeDpi(UINT dpi, const RECT* suggested);
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleCommand(int id, int code, HWND control);
    std::optional<LRESULT> HandleNotify(const NMHDR& header);
    void ShowHint(HWND control);
    void PageControlChange();
    void SelectPage(int page);
    bool PageKey(const MSG& message);
    void FocusPage();
    int Scale(int value) const { return ui::ScaleForDpi(value, dpi_); }

    // Settings (window_form_settings.cpp).
    void Proc_FormConfigLoad();
    void Proc_FormConfigSave();
    void LoadFinderHistory();
    void SaveFinderHistory();
    void RestoreBounds();

    // The rule list and its file (window_form_rule_list.cpp, window_form_file.cpp).
    void RefreshRuleList();
    std::vector<std::wstring> RuleRow(const Rule& rule) const;
    int RuleIcon(const std::wstring& program);
    void UpdateFileState();
    void UpdateListButtons();
    void SetModified();
    void Proc_DatLoad();
    bool Func_SaveQuery();
    void TBNewClick();
    void TBOpenClick();
    bool TBSaveClick();
    void TBSaveAsClick();
    void TBUndoClick();
    void TBImportClick();
    void PPFilePopup();
    void PPFileClick(std::size_t index);
    void TBDelClick();
    void MoveSelected(bool up);
    void ListViewCheckChanged();
    bool ListViewEdited(int row, const std::wstring& text);
    void BtnExeFindNClick();
    void BtnExeFindDClick();
    void SelectFound(std::optional<std::size_t> found);
    void UpdateFinderButtons();
    void BtnSoundClick(HWND edit);
    std::optional<std::wstring> ChooseRuleFile(FileDialogKind kind);

    // The registration page (window_form_register.cpp).
    void ResetRegistration();
    void FillRegistration();
    void EnableRegistration(bool enabled);
    void ApplySizeEnabling();
    void RGSizeClick();
    void CHKRightBottomClick();
    void TBAddClick();

    // The window list page (window_form_window_list.cpp).
    struct ListedWindow {
        HWND window = nullptr;
        std::wstring program;
        std::wstring caption;
        std::wstring className;
        common::XYWH rect;
        std::wstring message;
        std::wstring style;
    };
    void TBGetClick();
    void Proc_GetWindowList(HWND window, const std::wstring& program, const std::wstring& caption,
                            const std::wstring& className, const common::XYWH& rect);
    void FillWindowListView();
    void ListViewWindowListDblClick(int row);

    WindowFormContext ctx_;
    ui::Form form_;
    WindowSubForm subForm_;
    win::UniqueGdiObject font_;
    UINT dpi_ = 96;

    int MWindowMode = 0;
    int sizeIndex_ = 0; // RGSize as last handled, so that only a change acts
    bool FModify = false;
    common::XYWH dialogRect_{-100, -100, -100, -100};
    std::wstring targetMessage_; // the picked window's message text
    std::vector<std::wstring> finderHistory_;
    std::vector<ListedWindow> listedWindows_;
    std::wstring hint_;
    HWND hintControl_ = nullptr;
    // The editor's normal bounds and state as last read or seen.
    common::XYWH bounds_{};
    bool maximized_ = false;

    RECT pageArea_{}; // the tab's display area in client coordinates
    ui::TabControl PageControl;
    ui::ListView ListViewWindow;
    ui::ListView ListViewWindowList;
    ui::ImageList ImageListWindow;
    ui::ImageList ImageListWindowList;
    ui::PopupMenu PPFile;
    ui::RadioGroup RDCapCls;
    ui::RadioGroup RGSize;
    ui::RadioGroup RDPosSize;

    // The rule-list page.
    HWND TBNew = nullptr;
    HWND TBOpen = nullptr;
    HWND TBOpenDrop = nullptr;
    HWND TBSave = nullptr;
    HWND TBSaveAs = nullptr;
    HWND TBUndo = nullptr;
    HWND TBImport = nullptr;
    HWND TBDel = nullptr;
    HWND TBUP = nullptr;
    HWND TBDown = nullptr;
    HWND LabelFile = nullptr;
    HWND EditFile = nullptr;
    HWND LabelExeFind = nullptr;
    HWND CBExeFind = nullptr;
    HWND BtnExeFindN = nullptr;
    HWND BtnExeFindD = nullptr;
    HWND CHKSoundWindow = nullptr;
    HWND EditSoundWindow = nullptr;
    HWND BtnSoundWindow = nullptr;
    HWND CHKSoundShade = nullptr;
    HWND EditSoundShade = nullptr;
    HWND BtnSoundShade = nullptr;
    // The registration page.
    HWND LabelExe = nullptr;
    HWND TXTExe = nullptr;
    HWND LabelCap = nullptr;
    HWND TXTCap = nullptr;
    HWND CHKParts = nullptr;
    HWND LabelCls = nullptr;
    HWND TXTCls = nullptr;
    HWND LabelPosSize = nullptr;
    HWND TXTPosSize = nullptr;
    HWND CHKRightBottom = nullptr;
    HWND CHKStyle = nullptr;
    HWND TxtStyle = nullptr;
    HWND CHKMessage = nullptr;
    HWND TxtMessage = nullptr;
    HWND CHKFix = nullptr;
    HWND CHKNonTaskBar = nullptr;
    HWND CHKOnly = nullptr;
    HWND ChkTop = nullptr;
    // Below the pages.
    HWND TBAdd = nullptr;
    HWND TBGet = nullptr;
    HWND TBClose = nullptr;
    HWND StatusBar = nullptr;
};

} // namespace velmado::rules
