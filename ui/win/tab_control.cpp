#include "ui/win/tab_control.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "ui/win/controls.h"

namespace velmado::ui {

bool TabControl::Create(HWND parent, int id, const std::vector<std::wstring>& captions,
                        HFONT font) {
    tab_ = CreateControl(parent, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP, id,
                         font);
    if (tab_ == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < captions.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i].c_str());
        SendMessageW(tab_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    // Under the page controls, so that they stay visible and come first in the tab order.
    SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

int TabControl::Index() const {
    return static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
}

void TabControl::SetIndex(int index) {
    SendMessageW(tab_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

RECT TabControl::DisplayRect(const RECT& frame) const {
    RECT area{0, 0, frame.right - frame.left, frame.bottom - frame.top};
    SendMessageW(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    OffsetRect(&area, frame.left, frame.top);
    return area;
}

HBRUSH TabControl::PageBrush() {
    if (pageKnown_) {
        return static_cast<HBRUSH>(pageBrush_.get());
    }
    pageKnown_ = true;
    if (!IsAppThemed()) {
        return nullptr;
    }
    const HTHEME theme = OpenThemeData(tab_, L"TAB");
    if (theme == nullptr) {
        return nullptr;
    }
    // The pane is an image; its middle gives the colour the page controls stand on.
    const HDC screen = GetDC(tab_);
    const HDC memory = CreateCompatibleDC(screen);
    const win::UniqueGdiObject bitmap(CreateCompatibleBitmap(screen, 64, 64));
    const HGDIOBJ previous = SelectObject(memory, bitmap.get());
    RECT area{0, 0, 64, 64};
    FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawThemeBackground(theme, memory, TABP_PANE, 0, &area, nullptr);
    pageColor_ = GetPixel(memory, 32, 32);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(tab_, screen);
    CloseThemeData(theme);
    pageBrush_.reset(CreateSolidBrush(pageColor_));
    return static_cast<HBRUSH>(pageBrush_.get());
}

std::optional<LRESULT> TabControl::Notify(const NMHDR& header) {
    if (header.hwndFrom != tab_ || header.code != TCN_SELCHANGE) {
        return std::nullopt;
    }
    if (auto handler = OnChange) {
        handler();
    }
    return 0;
}

} // namespace velmado::ui
