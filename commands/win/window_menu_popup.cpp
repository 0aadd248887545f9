#include "commands/win/window_menu_popup.h"

#include <cstdint>
#include <string>

#include "commands/window_menu_state.h"
#include "common/text.h"
#include "common/win/files.h"
#include "common/win/icons.h"
#include "common/win/screen.h"
#include "common/win/text_tools.h"
#include "common/win/window_identity.h"
#include "rules/rule_matcher.h"
#include "rules/window_exclusion.h"

namespace velmado::commands {

namespace {

constexpr DWORD kFlashStepMs = 25;
constexpr UINT kSetTitleTimeoutMs = 500;

WindowMenuFacts TargetFacts(const WindowMenuContext& context) {
    const rules::TargetWindow& target = context.target;
    WindowMenuFacts facts;
    facts.hasTarget = target.window != nullptr;
    facts.program = target.program;
    facts.caption = target.caption;
    facts.openedByHook = context.openedByHook;
    facts.shadeOption = context.shadeOption;
    facts.version = context.version;
    facts.uacEnabled = context.uacEnabled;
    facts.rulesEnabled = context.rulesEnabled;
    facts.ruleCount = context.rules.size();
    if (!facts.hasTarget) {
        return facts;
    }
    const HWND window = target.window;
    facts.maximized = IsZoomed(window) != FALSE;
    facts.programFileExists = win::FileExistsNative(target.program);
    facts.topmost = context.topList.Contains(window) || win::IsTopmost(window);
    facts.monitorIndex = win::MonitorIndexOfWindow(window);
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    facts.matchingRule = context.engine.Func_FindItemWindow(
        target.program, target.caption, target.className, rules::WindowStyleText(style));
    if (facts.matchingRule >= 0 &&
        static_cast<std::size_t>(facts.matchingRule) < context.rules.size()) {
        facts.matchingRuleEnabled =
            context.rules[static_cast<std::size_t>(facts.matchingRule)].enabled;
    }
    context.engine.Func_FixedPosSize(window, facts.fixedKind);
    return facts;
}

win::UniqueIcon ProgramIcon(const WindowMenuContext& context) {
    const rules::TargetWindow& target = context.target;
    win::UniqueIcon icon =
        common::EqualIgnoringAsciiCase(rules::ProgramFileName(target.program), L"EXPLORER.EXE")
            ? win::ExplorerWindowIcon(target.window)
            : win::GetFileIcon(target.program);
    if (!icon && context.fallbackIcon != nullptr) {
        icon.reset(CopyIcon(context.fallbackIcon));
    }
    return icon;
}

// A hung window does not hold up the menu.
bool SetTitle(HWND window, const std::wstring& title) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()),
                               SMTO_ABORTIFHUNG, kSetTitleTimeoutMs, &result) != 0;
}

// Blanks the title twice, briefly, so that the user sees which window the menu is about. The whole
// title is kept, however long it is.
void FlashTitle(HWND window) {
    const std::wstring title = win::WindowCaption(window);
    if (title.empty()) {
        return;
    }
    for (int blink = 0; blink < 2; ++blink) {
        if (blink > 0) {
            Sleep(kFlashStepMs);
        }
        if (!SetTitle(window, L"")) {
            return;
        }
        Sleep(kFlashStepMs);
        SetTitle(window, title);
    }
}

} // namespace

void PrepareWindowMenu(ui::PopupMenu& menu, const WindowMenuArrays& arrays,
                       const WindowMenuContext& context) {
    const WindowMenuFacts facts = TargetFacts(context);
    ApplyWindowMenuFacts(menu.Items(), arrays, facts);
    if (!facts.hasTarget || facts.program.empty() || facts.caption.empty()) {
        return;
    }
    if (const ui::MenuItem* name = menu.Find(L"PPName")) {
        menu.SetImage(name->imageIndex, ProgramIcon(context));
    }
    FlashTitle(context.target.window);
}

void PPNameClick(const rules::TargetWindow& target, HWND owner, const CursorPlacement& placement) {
    if (GetKeyState(VK_SHIFT) < 0) {
        win::CopyTextToClipboard(target.caption, owner);
    } else if (GetKeyState(VK_CONTROL) < 0) {
        win::CopyTextToClipboard(target.program, owner);
    } else if (target.window != nullptr) {
        ActivateWindowCursor(target.window, placement);
    }
}

} // namespace velmado::commands
