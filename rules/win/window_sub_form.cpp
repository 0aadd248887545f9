#include "rules/win/window_sub_form.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/win/controls.h"
#include "ui/win/modal.h"

namespace velmado::rules {

namespace {

const std::vector<std::wstring> kPriorities = {L"通常", L"低", L"高", L"通常以下", L"通常以上"};
constexpr int kTransHundred = 9; // the item "100" of CBTransA

const wchar_t* CaptionOf(int proc) {
    switch (proc) {
    case WindowSubForm::kPriority:
        return L"優先度の設定";
    case WindowSubForm::kOpacity:
        return L"半透明の設定";
    default:
        return L"[キー]の設定";
    }
}

} // namespace

WindowSubForm::WindowSubForm() : form_(L"TWindowSubForm", L"[キー]の設定") {
    form_.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    form_.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    form_.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(message, wParam, lParam);
    };
}

bool WindowSubForm::Create() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    if (!form_.Create()) {
        return false;
    }
    CreateControls();
    return true;
}

void WindowSubForm::CreateControls() {
    const HWND form = form_.Handle();
    dpi_ = ui::WindowDpi(form);
    font_ = ui::CreateMessageFont(dpi_);
    const auto font = static_cast<HFONT>(font_.get());
    HotKeySend = ui::CreateControl(form, HOTKEY_CLASSW, L"", WS_TABSTOP | WS_GROUP, kHotKeyId, font,
                                   WS_EX_CLIENTEDGE);
    CBPriority =
        ui::CreateControl(form, WC_COMBOBOXW, L"",
                          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kPriorityId, font);
    ui::SetComboItems(CBPriority, kPriorities);
    CBTransA =
        ui::CreateControl(form, WC_COMBOBOXW, L"",
                          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kTransAId, font);
    LabelPlus = ui::CreateControl(form, WC_STATICW, L"＋", SS_CENTER | SS_CENTERIMAGE, -1, font);
    CBTransB =
        ui::CreateControl(form, WC_COMBOBOXW, L"",
                          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kTransBId, font);
    LabelPercent = ui::CreateControl(form, WC_STATICW, L"%", SS_LEFT | SS_CENTERIMAGE, -1, font);
    BtnOK = ui::CreateControl(form, WC_BUTTONW, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                              IDOK, font);
    BtnCancel = ui::CreateControl(form, WC_BUTTONW, L"キャンセル",
                                  BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, IDCANCEL, font);
    std::vector<std::wstring> tens;
    for (int value = 10; value <= 100; value += 10) {
        tens.push_back(std::to_wstring(value));
    }
    std::vector<std::wstring> units;
    for (int value = 0; value <= 9; ++value) {
        units.push_back(std::to_wstring(value));
    }
    ui::SetComboItems(CBTransA, tens);
    ui::SetComboItems(CBTransB, units);
}

void WindowSubForm::Layout() {
    const auto s = [this](int value) { return ui::ScaleForDpi(value, dpi_); };
    const int margin = s(12);
    const int rowHeight = s(24);
    const int buttonHeight = s(26);
    const int buttonWidth =
        std::max({ui::ButtonWidth(BtnOK, dpi_), ui::ButtonWidth(BtnCancel, dpi_), s(84)});
    const int inputWidth = s(220);
    const int clientWidth = std::max(inputWidth, 2 * buttonWidth + s(8)) + 2 * margin;
    const int clientHeight = margin + rowHeight + s(16) + buttonHeight + margin;
    const int x = margin;
    const int y = margin;
    ui::PlaceControl(HotKeySend, x, y, inputWidth, rowHeight);
    ui::PlaceControl(CBPriority, x, y, inputWidth, s(200));
    const int plusWidth = ui::TextWidth(LabelPlus, L"＋") + s(12);
    const int percentWidth = ui::TextWidth(LabelPercent, L"%") + s(4);
    const int comboWidth = (inputWidth - plusWidth - percentWidth - s(4)) / 2;
    ui::PlaceControl(CBTransA, x, y, comboWidth, s(240));
    ui::PlaceControl(LabelPlus, x + comboWidth, y, plusWidth, rowHeight);
    ui::PlaceControl(CBTransB, x + comboWidth + plusWidth, y, comboWidth, s(240));
    ui::PlaceControl(LabelPercent, x + 2 * comboWidth + plusWidth + s(4), y, percentWidth,
                     rowHeight);
    const int buttonTop = clientHeight - margin - buttonHeight;
    ui::PlaceControl(BtnCancel, clientWidth - margin - buttonWidth, buttonTop, buttonWidth,
                     buttonHeight);
    ui::PlaceControl(BtnOK, clientWidth - margin - 2 * buttonWidth - s(8), buttonTop, buttonWidth,
                     buttonHeight);

    const HWND form = form_.Handle();
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)));
    // Centred on the monitor of the mouse cursor, where the user is working.
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT& area = monitor.rcWork;
    SetWindowPos(form, HWND_TOPMOST, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOACTIVATE);
}

void WindowSubForm::Show(int proc) {
    MProc = proc;
    const HWND form = form_.Handle();
    SetWindowTextW(form, CaptionOf(proc));
    if (const UINT dpi = ui::WindowDpi(form); dpi != dpi_) {
        dpi_ = dpi;
        font_ = ui::CreateMessageFont(dpi_);
        ui::SetChildFonts(form, static_cast<HFONT>(font_.get()));
    }
    Clear();
    ui::ShowControl(HotKeySend, proc == kKey);
    ui::ShowControl(CBPriority, proc == kPriority);
    for (const HWND control : {CBTransA, LabelPlus, CBTransB, LabelPercent}) {
        ui::ShowControl(control, proc == kOpacity);
    }
    Layout();
    UpdateOk();
    ShowWindow(form, SW_SHOW);
    SetForegroundWindow(form);
    SetFocus(proc == kKey ? HotKeySend : proc == kPriority ? CBPriority : CBTransA);
}

void WindowSubForm::ShowModal(int proc) {
    Show(proc);
    ui::RunModal(form_.Handle());
}

bool WindowSubForm::Visible() const {
    return form_.Handle() != nullptr && IsWindowVisible(form_.Handle());
}

ui::ShortCut WindowSubForm::Key() const {
    const auto value = static_cast<WORD>(SendMessageW(HotKeySend, HKM_GETHOTKEY, 0, 0));
    const int key = LOBYTE(value);
    const BYTE modifiers = HIBYTE(value);
    if (key == 0) {
        return 0;
    }
    return ui::MakeShortCut(key, (modifiers & HOTKEYF_SHIFT) != 0,
                            (modifiers & HOTKEYF_CONTROL) != 0, (modifiers & HOTKEYF_ALT) != 0);
}

int WindowSubForm::PriorityIndex() const {
    return ui::ComboItemIndex(CBPriority);
}

int WindowSubForm::TransAIndex() const {
    return ui::ComboItemIndex(CBTransA);
}

int WindowSubForm::TransBIndex() const {
    return ui::ComboItemIndex(CBTransB);
}

std::wstring WindowSubForm::KeyText() const {
    return ui::ShortCutToText(Key());
}

std::wstring WindowSubForm::PriorityText() const {
    const int index = PriorityIndex();
    return index >= 0 && index < static_cast<int>(kPriorities.size())
               ? kPriorities[static_cast<std::size_t>(index)]
               : std::wstring();
}

void WindowSubForm::UpdateOk() {
    bool chosen = false;
    switch (MProc) {
    case kKey:
        chosen = Key() != 0;
        break;
    case kPriority:
        chosen = PriorityIndex() >= 0;
        break;
    default:
        chosen = TransAIndex() >= 0;
        break;
    }
    ui::EnableControl(BtnOK, chosen);
    ui::EnableControl(CBTransB, TransAIndex() >= 0 && TransAIndex() < kTransHundred);
}

void WindowSubForm::Clear() {
    SendMessageW(HotKeySend, HKM_SETHOTKEY, 0, 0);
    ui::SetComboItemIndex(CBPriority, -1);
    ui::SetComboItemIndex(CBTransA, -1);
    ui::SetComboItemIndex(CBTransB, -1);
}

void WindowSubForm::Finish(bool ok) {
    if (!ok) {
        Clear();
    }
    ShowWindow(form_.Handle(), SW_HIDE);
}

std::optional<LRESULT> WindowSubForm::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_CLOSE:
        Finish(false);
        return 0;
    case WM_HELP:
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDOK) {
            // Enter reaches here too, also while OK is disabled.
            if (IsWindowEnabled(BtnOK)) {
                Finish(true);
            }
        } else if (id == IDCANCEL) {
            Finish(false);
        } else if (id == kTransAId && code == CBN_SELCHANGE) {
            ui::SetComboItemIndex(CBTransB, 0);
            UpdateOk();
        } else if ((id == kHotKeyId && code == EN_CHANGE) ||
                   (id == kPriorityId && code == CBN_SELCHANGE)) {
            UpdateOk();
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace velmado::rules
