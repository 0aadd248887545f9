#pragma once
// A tab control whose pages are sibling controls laid over its display area.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/win/handles.h"

namespace velmado::ui {

class TabControl {
public:
    bool Create(HWND parent, int id, const std::vector<std::wstring>& captions, HFONT font);
    HWND Handle() const { return tab_; }
    int Index() const;
    // Selects the tab without OnChange.
    void SetIndex(int index);
    // The display area in the parent's client coordinates, for the tab control placed at `frame`.
    RECT DisplayRect(const RECT& frame) const;
    // The parent passes its WM_NOTIFY here; a value answers the notification.
    std::optional<LRESULT> Notify(const NMHDR& header);

    // The brush and colour of the page area under visual styles (sampled from the theme's
    // pane); null without them, when the page is the dialog colour. Reset on a theme change.
    HBRUSH PageBrush();
    COLORREF PageColor() const { return pageColor_; }
    void ThemeChanged() {
        pageBrush_.reset();
        pageKnown_ = false;
    }

    // A tab was chosen by the user.
    std::function<void()> OnChange;

private:
    HWND tab_ = nullptr;
    win::UniqueGdiObject pageBrush_;
    COLORREF pageColor_ = 0;
    bool pageKnown_ = false;
};

} // namespace velmado::ui
