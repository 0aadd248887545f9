#include "common/win/controls.h"

#include <algorithm>
#include <string>

namespace velmado::win {

void FitListBoxExtent(HWND listBox) {
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) {
        return;
    }
    const HDC dc = GetDC(listBox);
    if (dc == nullptr) {
        return;
    }
    // Measure with the list box's own font.
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(listBox, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    LONG widest = 0;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == LB_ERR) {
            continue;
        }
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i),
                                            reinterpret_cast<LPARAM>(text.data()));
        SIZE size{};
        if (copied != LB_ERR &&
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(copied), &size)) {
            widest = std::max(widest, size.cx);
        }
    }
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(listBox, dc);
    SendMessageW(listBox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest) * 2, 0);
}

void ShowShortcutText(HWND edit, WORD& key, common::Modifiers modifiers) {
    const std::wstring text = common::ShortcutEntryText(key, modifiers);
    SetWindowTextW(edit, text.c_str());
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    key = 0;
}

} // namespace velmado::win
