#include "commands/win/target_lookup.h"

#include <optional>

#include "common/win/shell_windows.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"
#include "rules/window_exclusion.h"

namespace velmado::commands {

namespace {

// The first candidate: the aimed window, or the one that was in front of the program.
HWND Candidate(const TargetLookupInput& input) {
    HWND candidate = input.hookWindow != nullptr ? input.hookWindow
                                                 : win::NextVisibleWindow(input.applicationWindow);
    const std::wstring className = win::WindowClass(candidate);
    // The taskbar (when it does not stay on top) and its overflow panel stand in front of the
    // window the user means.
    if ((className == L"Shell_TrayWnd" && !win::IsTaskbarAlwaysOnTop()) ||
        className == L"TopLevelWindowForOverflowXamlIsland") {
        candidate = win::NextVisibleWindow(candidate);
    }
    return candidate;
}

// Child windows that reach here as top-level ones: frames that clip their children, and MDI
// children.
bool IsEmbedded(HWND window) {
    constexpr LONG_PTR kChildFrame = WS_CHILD | WS_CLIPCHILDREN;
    if ((GetWindowLongPtrW(window, GWL_STYLE) & kChildFrame) == kChildFrame) {
        return true;
    }
    const HWND parent = GetAncestor(window, GA_PARENT);
    return parent != nullptr && win::WindowClass(parent) == L"MDIClient";
}

} // namespace

rules::TargetWindow SelectTarget(const TargetLookupInput& input) {
    HWND candidate = Candidate(input);
    if (!win::IsNormalTopWindow(candidate, input.offscreenCheck)) {
        return {};
    }
    // Visible and titled, so the identity names its program.
    const win::WindowIdentity identity = win::GetWindowIdentity(candidate);
    if (rules::IsSameProgram(identity.programPath, input.ownProgram)) {
        return {};
    }
    const std::optional<common::XYWH> rect = win::GetWindowXYWH(candidate);
    // An unreadable rectangle does not refuse the window by itself.
    if (rect && (identity.className == L"TApplication" || rect->width < 1 || rect->height < 1)) {
        candidate = nullptr;
    }
    if (candidate != nullptr && (win::IsCoreOrEmptyFrame(candidate, identity.className) ||
                                 IsEmbedded(candidate) || !win::CanQueryProcess(candidate))) {
        candidate = nullptr;
    }
    if (identity.programPath.empty()) {
        return {};
    }
    return {candidate, identity.programPath, identity.caption, identity.className,
            rect.value_or(common::XYWH{})};
}

} // namespace velmado::commands
