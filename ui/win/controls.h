#pragma once
// Standard child controls for the program's own forms: created with the form's font and laid out
// in 96-DPI units scaled to the DPI of the window's monitor.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win/handles.h"

namespace velmado::ui {

// The DPI of the window's monitor when the system knows it per window, else the screen's.
UINT WindowDpi(HWND window);
// A length given at 96 DPI, at `dpi`.
int ScaleForDpi(int value, UINT dpi);
// The system's message font at that DPI.
win::UniqueGdiObject CreateMessageFont(UINT dpi);

// A child control with the font; WS_CHILD and WS_VISIBLE are added.
HWND CreateControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                   int id, HFONT font, DWORD exStyle = 0);
// The font of every child of the window.
void SetChildFonts(HWND parent, HFONT font);

std::wstring ControlText(HWND control);
void SetControlText(HWND control, const std::wstring& text);
bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);
void EnableControl(HWND control, bool enabled);
void ShowControl(HWND control, bool visible);
void PlaceControl(HWND control, int x, int y, int width, int height);
// Width in pixels of the text (prefix "&" not counted) in the control's font.
int TextWidth(HWND control, const std::wstring& text);
// Height in pixels of a line of text in the control's font.
int TextHeight(HWND control);
// A push button's width for its caption at `dpi`, with room for the frame.
int ButtonWidth(HWND button, UINT dpi);
// A check box's or radio button's width for its caption at `dpi`, with the box.
int CheckWidth(HWND button, UINT dpi);

// Combo boxes.
void SetComboItems(HWND combo, const std::vector<std::wstring>& items);
int ComboItemIndex(HWND combo);
void SetComboItemIndex(HWND combo, int index); // -1: none
std::wstring ComboItemText(HWND combo, int index);

// A group box with radio buttons whose chosen button is ItemIndex (-1: none).
class RadioGroup {
public:
    // The buttons get the ids firstId, firstId + 1, ...
    void Create(HWND parent, const std::wstring& caption, const std::vector<std::wstring>& items,
                int firstId, HFONT font);
    bool Owns(int id) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    void Enable(bool enabled);
    void Show(bool visible);
    HWND Box() const { return box_; }
    HWND Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(buttons_.size()); }
    // The size the group needs with its buttons in `columns` columns.
    SIZE PreferredSize(int columns, UINT dpi) const;
    // Places the box and its buttons in `columns` columns, filled top to bottom.
    void Place(int x, int y, int width, int height, int columns, UINT dpi);

private:
    HWND box_ = nullptr;
    std::vector<HWND> buttons_;
    int firstId_ = 0;
};

} // namespace velmado::ui
