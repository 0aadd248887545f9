#include "rules/win/window_form.h"

#include <commctrl.h>

#include <array>
#include <cwctype>
#include <utility>

#include "common/win/files.h"
#include "common/win/foreground.h"
#include "ui/win/modal.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kCaption[] = L"Velmado - 位置と大きさの監視設定";
constexpr wchar_t kQuestionTitle[] = L"Velmado - 確認";

// The short help of the controls, shown in the status bar.
struct Hint {
    int id;
    const wchar_t* text;
};
constexpr std::array kHints = {
    Hint{WindowForm::kPageControl, L"ページを切り替えます"},
    Hint{WindowForm::kListViewWindow, L"監視するウィンドウの一覧です。チェックで有効／無効、プログ"
                                      L"ラムはクリックして編集できます"},
    Hint{WindowForm::kListViewWindowList,
         L"表示中のウィンドウです。ダブルクリックまたは Enter で登録ページへ送ります"},
    Hint{WindowForm::kTBNew, L"新しい設定ファイルを作ります"},
    Hint{WindowForm::kTBOpen, L"設定ファイルを開きます"},
    Hint{WindowForm::kTBOpenDrop, L"最近使った設定ファイルを開きます"},
    Hint{WindowForm::kTBSave, L"設定ファイルを保存します"},
    Hint{WindowForm::kTBSaveAs, L"名前を付けて設定ファイルを保存します"},
    Hint{WindowForm::kTBUndo, L"既定の設定ファイル Window.ibk に戻します"},
    Hint{WindowForm::kTBImport, L"ほかの設定ファイルのルールを追加します"},
    Hint{WindowForm::kTBDel, L"選択したルールを削除します"},
    Hint{WindowForm::kTBUP, L"選択したルールを上に移動します"},
    Hint{WindowForm::kTBDown, L"選択したルールを下に移動します"},
    Hint{WindowForm::kEditFile, L"使用中の設定ファイルです"},
    Hint{WindowForm::kCBExeFind, L"検索するプログラムのパスの一部を入力します"},
    Hint{WindowForm::kBtnExeFindN, L"入力した文字を含むプログラムのルールを次に進んで探します"},
    Hint{WindowForm::kBtnExeFindD, L"プログラムのファイルがないルールを次に進んで探します"},
    Hint{WindowForm::kCHKSoundWindow, L"ルールの適用時に効果音を鳴らします"},
    Hint{WindowForm::kEditSoundWindow, L"ルールの適用時に鳴らす効果音のファイルです"},
    Hint{WindowForm::kBtnSoundWindow, L"ルールの適用時の効果音を選びます"},
    Hint{WindowForm::kCHKSoundShade, L"ウィンドウシェードで効果音を鳴らします"},
    Hint{WindowForm::kEditSoundShade, L"ウィンドウシェードで鳴らす効果音のファイルです"},
    Hint{WindowForm::kBtnSoundShade, L"ウィンドウシェードの効果音を選びます"},
    Hint{WindowForm::kTXTExe, L"登録するウィンドウのプログラムです"},
    Hint{WindowForm::kTXTCap, L"ウィンドウのキャプションです。部分一致のときは編集できます"},
    Hint{WindowForm::kCHKParts, L"キャプションの一部が一致すれば適用します"},
    Hint{WindowForm::kTXTCls, L"ウィンドウのクラスです"},
    Hint{WindowForm::kTXTPosSize, L"ウィンドウの位置と大きさです"},
    Hint{WindowForm::kCHKRightBottom, L"右下を基準に位置を記録します"},
    Hint{WindowForm::kCHKStyle, L"ウィンドウのスタイルも条件にします"},
    Hint{WindowForm::kTxtStyle, L"ウィンドウのスタイルです"},
    Hint{WindowForm::kCHKMessage, L"ダイアログのメッセージも条件にします"},
    Hint{WindowForm::kTxtMessage, L"ダイアログのメッセージに含まれる文字列です"},
    Hint{WindowForm::kCHKFix, L"位置や大きさを固定し、変えられても戻します"},
    Hint{WindowForm::kCHKNonTaskBar, L"ルールの適用時にタスクバーを隠します"},
    Hint{WindowForm::kCHKOnly, L"同時に処理するウィンドウを一つにします"},
    Hint{WindowForm::kChkTop, L"ウィンドウを常に手前に表示します"},
    Hint{WindowForm::kTBAdd, L"このウィンドウをルールとして登録します"},
    Hint{WindowForm::kTBGet, L"表示中のウィンドウの一覧を取り直します"},
    Hint{WindowForm::kTBClose, L"設定を閉じます"},
    Hint{WindowForm::kRDCapCls, L"キャプションとクラスのどちらで判定するかを選びます"},
    Hint{WindowForm::kRGSize, L"ルールの適用時の大きさや処理を選びます"},
    Hint{WindowForm::kRDPosSize, L"記録する位置と大きさを選びます"},
};

const wchar_t* HintOf(int id) {
    if (id >= WindowForm::kRDCapCls && id < WindowForm::kRGSize) {
        id = WindowForm::kRDCapCls;
    } else if (id >= WindowForm::kRGSize && id < WindowForm::kRDPosSize) {
        id = WindowForm::kRGSize;
    } else if (id >= WindowForm::kRDPosSize && id < WindowForm::kRDPosSize + 10) {
        id = WindowForm::kRDPosSize;
    }
    for (const Hint& hint : kHints) {
        if (hint.id == id) {
            return hint.text;
        }
    }
    return L"";
}

bool IsEditControl(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

} // namespace

WindowForm::WindowForm(WindowFormContext context)
    : ctx_(std::move(context)), form_(L"TWindowForm", kCaption) {
    // Not clipping children: group boxes leave their inside to the form's background.
    form_.style = WS_OVERLAPPEDWINDOW;
    form_.exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    form_.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(message, wParam, lParam);
    };
    ask = [this](const std::wstring& text, UINT buttons) {
        return ui::AskQuestion(Handle(), text, kQuestionTitle, buttons);
    };
    chooseFile = [this](FileDialogKind kind, const ui::FileDialogOptions& options) {
        return kind == FileDialogKind::Open ? ui::OpenFileDialog(Handle(), options)
                                            : ui::SaveFileDialog(Handle(), options);
    };
}

WindowForm::~WindowForm() {
    // The list views refer to the image lists, which go first.
    form_.OnMessage = nullptr;
    if (const HWND form = form_.Handle(); form != nullptr) {
        DestroyWindow(form);
    }
}

bool WindowForm::Create() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    if (!form_.Create()) {
        return false;
    }
    // Not owned by the application window: taskbars that ignore WS_EX_APPWINDOW (Wine's) then
    // still give the editor its button.
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, 0);
    FormCreate();
    return subForm_.Create();
}

void WindowForm::FormCreate() {
    dpi_ = ui::WindowDpi(Handle());
    font_ = ui::CreateMessageFont(dpi_);
    CreateControls();
    CreateImageLists();
    Proc_FormConfigLoad();
    LoadFinderHistory();
    dialogRect_ = RuleStore::ReadDialogRect(ctx_.ruleFilePath);
    RefreshRuleList();
    UpdateFileState();
    SelectPage(0);
    Layout();
}

void WindowForm::CreateImageLists() {
    const int size = Scale(16);
    ImageListWindow.Create(size);
    ImageListWindowList.Create(size);
    ListViewWindow.SetImageList(ImageListWindow.Handle());
    ListViewWindowList.SetImageList(ImageListWindowList.Handle());
}

void WindowForm::CreateControls() {
    const HWND form = Handle();
    const auto font = static_cast<HFONT>(font_.get());
    const auto button = [&](const wchar_t* caption, int id) {
        return ui::CreateControl(form, WC_BUTTONW, caption, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                                 id, font);
    };
    const auto check = [&](const wchar_t* caption, int id) {
        return ui::CreateControl(form, WC_BUTTONW, caption, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                                 id, font);
    };
    const auto label = [&](const wchar_t* caption) {
        return ui::CreateControl(form, WC_STATICW, caption, SS_LEFT | SS_CENTERIMAGE | WS_GROUP, -1,
                                 font);
    };
    const auto edit = [&](int id, DWORD style) {
        return ui::CreateControl(form, WC_EDITW, L"",
                                 ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP | style, id, font,
                                 WS_EX_CLIENTEDGE);
    };

    // The rule-list page.
    LabelFile = label(L"設定ファイル:");
    EditFile = edit(kEditFile, ES_READONLY);
    ListViewWindow.Create(form, kListViewWindow, {.checkBoxes = true, .editLabels = true}, font);
    ListViewWindow.OnCheckChanged = [this] { ListViewCheckChanged(); };
    ListViewWindow.OnSelectionChanged = [this] { UpdateListButtons(); };
    ListViewWindow.OnEdited = [this](int row, const std::wstring& text) {
        return ListViewEdited(row, text);
    };
    TBNew = button(L"新規作成(&A)", kTBNew);
    TBOpen = button(L"ファイルを開く(&B)", kTBOpen);
    TBOpenDrop = button(L"▼", kTBOpenDrop);
    TBSave = button(L"保存(&L)", kTBSave);
    TBSaveAs = button(L"名前を付けて保存(&C)", kTBSaveAs);
    TBUndo = button(L"デフォルトに戻す(&D)", kTBUndo);
    TBImport = button(L"ファイルから登録(&E)", kTBImport);
    TBDel = button(L"削除(&H)", kTBDel);
    TBUP = button(L"上に移動(&I)", kTBUP);
    TBDown = button(L"下に移動(&J)", kTBDown);
    LabelExeFind = label(L"プログラムの検索:");
    CBExeFind = ui::CreateControl(
        form, WC_COMBOBOXW, L"",
        CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kCBExeFind, font);
    BtnExeFindN = button(L"検索(&R)", kBtnExeFindN);
    BtnExeFindD = button(L"無効なプログラム(&S)", kBtnExeFindD);
    CHKSoundWindow = check(L"ルール適用時の効果音", kCHKSoundWindow);
    EditSoundWindow = edit(kEditSoundWindow, 0);
    BtnSoundWindow = button(L"参照(&N)", kBtnSoundWindow);
    CHKSoundShade = check(L"ウィンドウシェード時の効果音", kCHKSoundShade);
    EditSoundShade = edit(kEditSoundShade, 0);
    BtnSoundShade = button(L"参照(&P)", kBtnSoundShade);

    // The registration page.
    LabelExe = label(L"プログラム");
    TXTExe = edit(kTXTExe, ES_READONLY);
    LabelCap = label(L"キャプション");
    TXTCap = edit(kTXTCap, ES_READONLY);
    CHKParts = check(L"部分一致(&B)", kCHKParts);
    LabelCls = label(L"クラス");
    TXTCls = edit(kTXTCls, ES_READONLY);
    LabelPosSize = label(L"位置と大きさ");
    TXTPosSize = edit(kTXTPosSize, ES_READONLY);
    CHKRightBottom = check(L"右下基準", kCHKRightBottom);
    CHKStyle = check(L"スタイル", kCHKStyle);
    TxtStyle = edit(kTxtStyle, ES_READONLY);
    CHKMessage = check(L"メッセージ(&C)", kCHKMessage);
    TxtMessage = ui::CreateControl(form, WC_EDITW, L"",
                                   ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_READONLY |
                                       WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                                   kTxtMessage, font, WS_EX_CLIENTEDGE);
    RDCapCls.Create(form, L"[キャプション、クラス(&D)]",
                    {L"キャプション＋クラス", L"キャプション", L"クラス"}, kRDCapCls, font);
    RGSize.Create(form, L"[実行時の大きさ、処理(&E)]",
                  {L"通常", L"最大化", L"最小化", L"隠す", L"全画面", L"閉じる", L"[Enter]",
                   L"[Esc]", L"[キー]", L"優先度", L"半透明"},
                  kRGSize, font);
    RDPosSize.Create(form, L"[位置、大きさ(&F)]", {L"位置＋大きさ", L"位置", L"大きさ"}, kRDPosSize,
                     font);
    CHKFix = check(L"固定(&H)", kCHKFix);
    CHKNonTaskBar = check(L"タスクバー非表示(&I)", kCHKNonTaskBar);
    CHKOnly = check(L"複数処理をしない(&J)", kCHKOnly);
    ChkTop = check(L"常に手前に表示(&K)", kChkTop);

    // The window-list page.
    ListViewWindowList.Create(form, kListViewWindowList, {}, font);
    ListViewWindowList.OnActivate = [this](int row) { ListViewWindowListDblClick(row); };

    // Below the pages.
    TBAdd = button(L"登録(&G)", kTBAdd);
    TBGet = button(L"一覧取得(&F)", kTBGet);
    TBClose = button(L"閉じる(&X)", kTBClose);
    StatusBar = ui::CreateControl(form, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, kStatusBar, font);

    PageControl.Create(form, kPageControl,
                       {L"[監視するウィンドウのリスト(&Z)]", L"[監視するウィンドウの追加(&W)]",
                        L"[デスクトップに表示中のウィンドウの一覧(&Y)]"},
                       font);
    PageControl.OnChange = [this] { PageControlChange(); };

    PPFile.OnPopup = [this] { PPFilePopup(); };
    for (std::size_t i = 0; i < kMaxRecentRuleFiles; ++i) {
        ui::MenuItem& item = PPFile.Add(L"PPFile" + std::to_wstring(i), L"");
        item.tag = static_cast<int>(i);
        item.OnClick = [this](ui::MenuItem& sender) {
            PPFileClick(static_cast<std::size_t>(sender.tag));
        };
    }
}

void WindowForm::Show(int windowMode) {
    MWindowMode = windowMode >= 0 && windowMode <= 2 ? windowMode : 0;
    targetMessage_.clear();
    const HWND form = Handle();
    if (!IsWindowVisible(form)) {
        RestoreBounds();
        FModify = false;
        RefreshRuleList();
        UpdateFileState();
        ui::EnableControl(TBSave, false);
        ui::EnableControl(TBGet, false);
    }
    SelectPage(MWindowMode);
    if (!IsWindowVisible(form)) {
        ShowWindow(form, maximized_ ? SW_SHOWMAXIMIZED : SW_SHOW);
    }
    win::ForceForeground(form);
    FocusPage();
}

// The focus goes to the page's main control: a list, or the first input of the registration.
void WindowForm::FocusPage() {
    switch (PageControl.Index()) {
    case 0:
        SetFocus(ListViewWindow.Handle());
        break;
    case 2:
        SetFocus(ListViewWindowList.Handle());
        break;
    default:
        SetFocus(IsWindowEnabled(CHKParts) ? CHKParts : PageControl.Handle());
        break;
    }
}

void WindowForm::ShowModal(int windowMode) {
    Show(windowMode);
    ui::RunModal(Handle(), [this](const MSG& message) { return PageKey(message); });
}

// Ctrl+Tab and Ctrl+PageDown go to the next page, with Shift or PageUp to the previous one;
// Alt with a page's access key goes to that page.
bool WindowForm::PageKey(const MSG& message) {
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) {
        return false;
    }
    constexpr int kPages = 3;
    const int page = PageControl.Index();
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (message.message == WM_KEYDOWN && ctrl &&
        (message.wParam == VK_TAB || message.wParam == VK_NEXT || message.wParam == VK_PRIOR)) {
        const bool back = message.wParam == VK_PRIOR ||
                          (message.wParam == VK_TAB && (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        SelectPage((page + (back ? kPages - 1 : 1)) % kPages);
        FocusPage();
        return true;
    }
    if (message.message == WM_SYSCHAR) {
        static constexpr wchar_t kAccessKeys[kPages] = {L'z', L'w', L'y'};
        const wchar_t key = static_cast<wchar_t>(towlower(static_cast<wint_t>(message.wParam)));
        for (int i = 0; i < kPages; ++i) {
            if (key == kAccessKeys[i]) {
                SelectPage(i);
                FocusPage();
                return true;
            }
        }
    }
    return false;
}

bool WindowForm::Visible() const {
    return form_.Handle() != nullptr && IsWindowVisible(form_.Handle());
}

bool WindowForm::Close() {
    Proc_FormConfigSave();
    if (!Func_SaveQuery()) {
        return false;
    }
    // The engine goes on with the rules as stored; declined changes are dropped here.
    Proc_DatLoad();
    if (win::FileExistsNative(ctx_.ruleFilePath)) {
        if (const auto status = RuleStore::WriteDialogRect(ctx_.ruleFilePath, dialogRect_);
            !status && ctx_.errorLog) {
            ctx_.errorLog(status.error);
        }
    }
    if (const auto status = ctx_.store.SaveRecent(); !status && ctx_.errorLog) {
        ctx_.errorLog(status.error);
    }
    SaveFinderHistory();
    ShowWindow(Handle(), SW_HIDE);
    return true;
}

void WindowForm::Proc_CheckDialog() {
    static constexpr std::array kDialogTitles = {
        L"Velmado - 確認", L"Velmado - 位置と大きさの監視設定ファイルを開く",
        L"Velmado - 位置と大きさの監視設定ファイルの保存", L"Velmado - 効果音"};
    HWND dialog = nullptr;
    for (const wchar_t* title : kDialogTitles) {
        dialog = FindWindowW(L"#32770", title);
        if (dialog != nullptr) {
            break;
        }
    }
    if (dialog == nullptr && subForm_.Visible()) {
        dialog = subForm_.Handle();
    }
    if (dialog != nullptr && GetForegroundWindow() == Handle()) {
        win::ForceForeground(dialog);
    }
}

std::wstring WindowForm::SoundWindow() const {
    return ui::IsChecked(CHKSoundWindow) ? ui::ControlText(EditSoundWindow) : std::wstring();
}

std::wstring WindowForm::SoundShade() const {
    return ui::IsChecked(CHKSoundShade) ? ui::ControlText(EditSoundShade) : std::wstring();
}

void WindowForm::SelectPage(int page) {
    PageControl.SetIndex(page);
    PageControlChange();
}

void WindowForm::PageControlChange() {
    ShowPageControls();
    ResetRegistration();
    if (MWindowMode == 1) {
        FillRegistration();
    } else {
        EnableRegistration(false);
    }
    if (PageControl.Index() == 2) {
        TBGetClick();
    }
    // The group boxes do not paint their inside: repaint the page as a whole, or what the
    // hidden controls showed stays visible through them.
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_UPDATENOW);
}

std::array<HWND, 19> WindowForm::RegistrationControls() const {
    return {LabelExe,     TXTExe,        LabelCap,       TXTCap,   CHKParts, LabelCls,   TXTCls,
            LabelPosSize, TXTPosSize,    CHKRightBottom, CHKStyle, TxtStyle, CHKMessage, TxtMessage,
            CHKFix,       CHKNonTaskBar, CHKOnly,        ChkTop,   TBAdd};
}

void WindowForm::ShowPageControls() {
    const int page = PageControl.Index();
    const bool ruleList = page == 0;
    for (const HWND control : {LabelFile,       EditFile,       ListViewWindow.Handle(),
                               TBNew,           TBOpen,         TBOpenDrop,
                               TBSave,          TBSaveAs,       TBUndo,
                               TBImport,        TBDel,          TBUP,
                               TBDown,          LabelExeFind,   CBExeFind,
                               BtnExeFindN,     BtnExeFindD,    CHKSoundWindow,
                               EditSoundWindow, BtnSoundWindow, CHKSoundShade,
                               EditSoundShade,  BtnSoundShade}) {
        ui::ShowControl(control, ruleList);
    }
    const bool registration = page == 1;
    for (const HWND control : RegistrationControls()) {
        ui::ShowControl(control, registration);
    }
    RDCapCls.Show(registration);
    RGSize.Show(registration);
    RDPosSize.Show(registration);
    ui::ShowControl(ListViewWindowList.Handle(), page == 2);
    ui::ShowControl(TBGet, page == 2);
}

void WindowForm::ShowHint(HWND control) {
    const HWND form = Handle();
    while (control != nullptr && GetParent(control) != form) {
        control = GetParent(control);
    }
    if (control == hintControl_) {
        return;
    }
    hintControl_ = control;
    const std::wstring hint = control != nullptr ? HintOf(GetDlgCtrlID(control)) : L"";
    if (hint != hint_) {
        hint_ = hint;
        SendMessageW(StatusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(hint_.c_str()));
    }
}

void WindowForm::ChangeDpi(UINT dpi, const RECT* suggested) {
    for (ui::ListView* list : {&ListViewWindow, &ListViewWindowList}) {
        for (int column = 0; column < list->ColumnCount(); ++column) {
            list->SetColumnWidth(column, MulDiv(list->ColumnWidth(column), static_cast<int>(dpi),
                                                static_cast<int>(dpi_)));
        }
    }
    dpi_ = dpi;
    font_ = ui::CreateMessageFont(dpi_);
    ui::SetChildFonts(Handle(), static_cast<HFONT>(font_.get()));
    CreateImageLists();
    RefreshRuleList();
    FillWindowListView();
    if (suggested != nullptr) {
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Layout();
}

std::optional<LRESULT> WindowForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        HandleCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return HandleNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        if (StatusBar != nullptr && wParam != SIZE_MINIMIZED) {
            Layout();
        }
        return std::nullopt;
    case WM_GETMINMAXINFO: {
        auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
        info.ptMinTrackSize = {Scale(640), Scale(550)};
        return 0;
    }
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SETCURSOR:
        ShowHint(reinterpret_cast<HWND>(wParam));
        return std::nullopt;
    case WM_HELP:
        return TRUE;
    case WM_ERASEBKGND: {
        // Group boxes on the page show the form's background through their inside.
        const HBRUSH page = PageControl.PageBrush();
        if (page == nullptr) {
            return std::nullopt;
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        FillRect(dc, &pageArea_, page);
        return 1;
    }
    case WM_THEMECHANGED:
        PageControl.ThemeChanged();
        return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // The controls on the page stand on the tab's own page colour.
        const auto control = reinterpret_cast<HWND>(lParam);
        const HBRUSH page = PageControl.PageBrush();
        if (page == nullptr || IsEditControl(control) || control == TBClose || control == TBAdd ||
            control == TBGet) {
            return std::nullopt;
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, PageControl.PageColor());
        return reinterpret_cast<LRESULT>(page);
    }
    default:
        return std::nullopt;
    }
}

void WindowForm::HandleCommand(int id, int code, HWND control) {
    if (code == BN_SETFOCUS || code == EN_SETFOCUS || code == CBN_SETFOCUS) {
        ShowHint(control);
        return;
    }
    const bool clicked = code == BN_CLICKED;
    if (RGSize.Owns(id)) {
        if (clicked) {
            RGSizeClick();
        }
        return;
    }
    switch (id) {
    case IDOK: {
        // Enter: in the finder it searches, in the window list it picks the row.
        const HWND focus = GetFocus();
        if (focus == ListViewWindowList.Handle() && ListViewWindowList.Selected() >= 0) {
            ListViewWindowListDblClick(ListViewWindowList.Selected());
        } else if ((focus == CBExeFind || GetParent(focus) == CBExeFind) &&
                   IsWindowEnabled(BtnExeFindN)) {
            BtnExeFindNClick();
        }
        return;
    }
    case IDCANCEL:
    case kTBClose:
        if (id == IDCANCEL || clicked) {
            Close();
        }
        return;
    case kCBExeFind:
        if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) {
            UpdateFinderButtons();
        }
        return;
    default:
        break;
    }
    if (!clicked) {
        return;
    }
    switch (id) {
    case kTBNew:
        TBNewClick();
        break;
    case kTBOpen:
        TBOpenClick();
        break;
    case kTBOpenDrop: {
        RECT bounds{};
        GetWindowRect(TBOpenDrop, &bounds);
        PPFile.Popup(bounds.left, bounds.bottom);
        break;
    }
    case kTBSave:
        TBSaveClick();
        break;
    case kTBSaveAs:
        TBSaveAsClick();
        break;
    case kTBUndo:
        TBUndoClick();
        break;
    case kTBImport:
        TBImportClick();
        break;
    case kTBDel:
        TBDelClick();
        break;
    case kTBUP:
        MoveSelected(true);
        break;
    case kTBDown:
        MoveSelected(false);
        break;
    case kBtnExeFindN:
        BtnExeFindNClick();
        break;
    case kBtnExeFindD:
        BtnExeFindDClick();
        break;
    case kBtnSoundWindow:
        BtnSoundClick(EditSoundWindow);
        break;
    case kBtnSoundShade:
        BtnSoundClick(EditSoundShade);
        break;
    case kCHKParts:
        SendMessageW(TXTCap, EM_SETREADONLY, ui::IsChecked(CHKParts) ? FALSE : TRUE, 0);
        break;
    case kCHKMessage:
        SendMessageW(TxtMessage, EM_SETREADONLY, ui::IsChecked(CHKMessage) ? FALSE : TRUE, 0);
        break;
    case kCHKRightBottom:
        CHKRightBottomClick();
        break;
    case kTBAdd:
        TBAddClick();
        break;
    case kTBGet:
        TBGetClick();
        break;
    default:
        break;
    }
}

std::optional<LRESULT> WindowForm::HandleNotify(const NMHDR& header) {
    if (auto result = PageControl.Notify(header)) {
        return result;
    }
    if (auto result = ListViewWindow.Notify(header)) {
        return result;
    }
    return ListViewWindowList.Notify(header);
}

} // namespace velmado::rules
