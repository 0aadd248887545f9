#include "ui/win/controls.h"

#include <algorithm>

#include "common/win/proc_address.h"

namespace velmado::ui {

namespace {

// Lengths of the radio groups at 96 DPI.
constexpr int kRadioRow = 22;
constexpr int kGroupPadding = 10;
constexpr int kCheckBox = 24; // the box and the gap before the caption

BOOL CALLBACK SetFontOf(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

int RowHeight(UINT dpi) {
    return ScaleForDpi(kRadioRow, dpi);
}

// A control's device context with the control's font selected, for measuring text.
class FontDc {
public:
    explicit FontDc(HWND control) : control_(control), dc_(GetDC(control)) {
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (dc_ != nullptr && font != nullptr) {
            previous_ = SelectObject(dc_, font);
        }
    }
    FontDc(const FontDc&) = delete;
    FontDc& operator=(const FontDc&) = delete;
    ~FontDc() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
        if (dc_ != nullptr) {
            ReleaseDC(control_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND control_;
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        win::ProcAddress<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int ScaleForDpi(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), 96);
}

win::UniqueGdiObject CreateMessageFont(UINT dpi) {
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi =
        win::ProcAddress<ForDpiFunction>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi) != FALSE) {
        return win::UniqueGdiObject(CreateFontIndirectW(&metrics.lfMessageFont));
    }
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) == FALSE) {
        return win::UniqueGdiObject(CreateFontW(-ScaleForDpi(12, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                                                FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                                L"MS UI Gothic"));
    }
    // The metrics are at the screen's DPI.
    const UINT screenDpi = WindowDpi(nullptr);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(screenDpi));
    return win::UniqueGdiObject(CreateFontIndirectW(&metrics.lfMessageFont));
}

HWND CreateControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                   int id, HFONT font, DWORD exStyle) {
    const HWND control = CreateWindowExW(
        exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr && font != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

void SetChildFonts(HWND parent, HFONT font) {
    EnumChildWindows(parent, SetFontOf, reinterpret_cast<LPARAM>(font));
}

std::wstring ControlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void SetControlText(HWND control, const std::wstring& text) {
    SetWindowTextW(control, text.c_str());
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked) {
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EnableControl(HWND control, bool enabled) {
    EnableWindow(control, enabled ? TRUE : FALSE);
}

void ShowControl(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void PlaceControl(HWND control, int x, int y, int width, int height) {
    SetWindowPos(control, nullptr, x, y, std::max(width, 0), std::max(height, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int TextWidth(HWND control, const std::wstring& text) {
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
        }
        shown.push_back(text[i]);
    }
    const FontDc dc(control);
    SIZE size{};
    if (dc.Get() == nullptr ||
        !GetTextExtentPoint32W(dc.Get(), shown.c_str(), static_cast<int>(shown.size()), &size)) {
        return 0;
    }
    return size.cx;
}

int TextHeight(HWND control) {
    const FontDc dc(control);
    TEXTMETRICW metrics{};
    if (dc.Get() == nullptr || !GetTextMetricsW(dc.Get(), &metrics)) {
        return 0;
    }
    return metrics.tmHeight;
}

int ButtonWidth(HWND button, UINT dpi) {
    return TextWidth(button, ControlText(button)) + ScaleForDpi(20, dpi);
}

int CheckWidth(HWND button, UINT dpi) {
    return TextWidth(button, ControlText(button)) + ScaleForDpi(kCheckBox, dpi);
}

void SetComboItems(HWND combo, const std::vector<std::wstring>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

int ComboItemIndex(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void SetComboItemIndex(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ComboItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void RadioGroup::Create(HWND parent, const std::wstring& caption,
                        const std::vector<std::wstring>& items, int firstId, HFONT font) {
    firstId_ = firstId;
    box_ = CreateControl(parent, L"Button", caption, BS_GROUPBOX | WS_GROUP, -1, font);
    buttons_.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        // The first button starts the group that arrow keys move in.
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        buttons_.push_back(
            CreateControl(parent, L"Button", items[i], style, firstId + static_cast<int>(i), font));
    }
}

bool RadioGroup::Owns(int id) const {
    return id >= firstId_ && id < firstId_ + Count();
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < Count(); ++i) {
        if (IsChecked(Button(i))) {
            return i;
        }
    }
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    for (int i = 0; i < Count(); ++i) {
        SetChecked(Button(i), i == index);
    }
}

void RadioGroup::Enable(bool enabled) {
    EnableControl(box_, enabled);
    for (const HWND button : buttons_) {
        EnableControl(button, enabled);
    }
}

void RadioGroup::Show(bool visible) {
    ShowControl(box_, visible);
    for (const HWND button : buttons_) {
        ShowControl(button, visible);
    }
}

SIZE RadioGroup::PreferredSize(int columns, UINT dpi) const {
    columns = std::max(columns, 1);
    const int rows = (Count() + columns - 1) / columns;
    int widest = 0;
    for (const HWND button : buttons_) {
        widest = std::max(widest, CheckWidth(button, dpi));
    }
    const int padding = ScaleForDpi(kGroupPadding, dpi);
    const int header = TextWidth(box_, ControlText(box_)) + 2 * padding;
    const int width = std::max(columns * widest + (columns + 1) * padding, header);
    const int height = rows * RowHeight(dpi) + ScaleForDpi(kRadioRow, dpi) + padding / 2;
    return {width, height};
}

void RadioGroup::Place(int x, int y, int width, int height, int columns, UINT dpi) {
    columns = std::max(columns, 1);
    PlaceControl(box_, x, y, width, height);
    const int rows = (Count() + columns - 1) / columns;
    const int padding = ScaleForDpi(kGroupPadding, dpi);
    const int columnWidth = (width - padding) / columns;
    const int top = y + ScaleForDpi(kRadioRow, dpi) - padding / 2;
    for (int i = 0; i < Count(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        PlaceControl(Button(i), x + padding + column * columnWidth, top + row * RowHeight(dpi),
                     columnWidth - padding / 2, RowHeight(dpi) - ScaleForDpi(2, dpi));
    }
}

} // namespace velmado::ui
