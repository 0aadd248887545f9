#include "commands/win/activate_window.h"

#include <optional>
#include <string>

#include "common/win/foreground.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"

namespace velmado::commands {

namespace {

constexpr int kCursorTries = 10;
constexpr DWORD kCursorSettleMs = 100;

bool IsTextControl(HWND control) {
    std::wstring name = win::WindowClass(control);
    for (wchar_t& c : name) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return name.find(L"EDIT") != std::wstring::npos || name.find(L"TEXT") != std::wstring::npos;
}

std::optional<POINT> CaretPoint() {
    const HWND focus = win::GetFocusedControl();
    if (focus == nullptr || !IsTextControl(focus)) {
        return std::nullopt;
    }
    return win::GetCaretScreenPos();
}

// Some systems move the cursor back once while the activation settles: set it until it stays.
void PlaceCursor(POINT point) {
    for (int i = 0; i < kCursorTries; ++i) {
        SetCursorPos(point.x, point.y);
        Sleep(kCursorSettleMs);
        POINT now{};
        if (GetCursorPos(&now) && now.x == point.x && now.y == point.y) {
            return;
        }
    }
}

} // namespace

bool ActivateWindowCursor(HWND window, const CursorPlacement& placement) {
    win::ForceForeground(window);
    const std::optional<common::Rect> rect = win::GetWindowRectChecked(window);
    if (!rect) {
        return false;
    }
    const std::optional<POINT> caret = placement.preferCaret ? CaretPoint() : std::nullopt;
    if (caret) {
        SetCursorPos(caret->x, caret->y);
    } else {
        const TitleBarMetrics metrics{GetSystemMetrics(SM_CXSIZE), GetSystemMetrics(SM_CXBORDER),
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYCAPTION),
                                      GetSystemMetrics(SM_CYBORDER)};
        const common::Point point = TitleBarCursorPoint(*rect, placement.spot, metrics);
        PlaceCursor({point.x, point.y});
    }
    win::ForceForeground(window);
    return true;
}

} // namespace velmado::commands
