#pragma once
// The rule engine: applies the matching rules of the rule list to a window and remembers which
// rule has dealt with which window, so that a rule acts once per window unless it fixes the
// window's position or size.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "rules/rule.h"
#include "rules/rule_matcher.h"
#include "rules/win/window_state_lists.h"

namespace velmado::rules {

// What the engine needs from the main form and the other forms; an empty hook counts as
// false / nothing to do unless noted.
struct RuleEngineHooks {
    // False for the one-shot run ("/Q"): no hiding, full screen, taskbar, topmost or flash.
    bool resident = true;
    // The window is in one of the hidden-window lists of this program.
    std::function<bool(HWND)> isHiddenByProgram;
    // The window is in the hide log.
    std::function<bool(HWND)> isInHideLog;
    // Hides the window into the hidden-window list (rectangle, class, caption).
    std::function<void(HWND, const common::XYWH&, const std::wstring& className,
                       const std::wstring& caption)>
        hideWindow;
    // The taskbar is hidden by this program (the main form's FTaskBar).
    std::function<bool()> taskbarHidden;
    // Sets FTaskBar and hides the taskbar.
    std::function<void()> hideTaskbar;
    // Flashes the tray icon with the rule icon and plays the rule sound.
    std::function<void()> actionFlash;
    // The work-area switch of a monitor index (-1: a monitor outside the model); empty = on.
    std::function<bool(int monitorIndex)> workAreaEnabled;
};

// A rule has dealt with a window.
struct HandledPair {
    HWND window = nullptr;
    std::size_t rule = 0;
    bool operator==(const HandledPair&) const = default;
};

// The target window of the window commands (MTargetWin, MTargetExe, MTargetCap, MTargetClass,
// MTargetRect). Program, caption and class may be known while the window is null: the candidate
// was identified and then refused.
struct TargetWindow {
    HWND window = nullptr;
    std::wstring program;
    std::wstring caption;
    std::wstring className;
    common::XYWH rect; // left, top, width, height when it was chosen
};

// A dialog's message: the text of its last child when that is a static text, else empty.
std::wstring DialogMessageText(HWND dialog);

class RuleEngine {
public:
    RuleEngine(RuleList& rules, WindowStateList& topmostList, WindowStateList& translucentList)
        : rules_(rules), top_(topmostList), trans_(translucentList) {}
    RuleEngine(const RuleEngine&) = delete;
    RuleEngine& operator=(const RuleEngine&) = delete;

    RuleEngineHooks hooks;

    // Every matching rule, written by each match.
    MatchFlags FWindowListNUM{};

    // The matcher over the engine's rule list; `style` as 8 hexadecimal digits.
    int Func_FindItemWindow(const std::wstring& program, const std::wstring& caption,
                            const std::wstring& className, const std::wstring& style);
    // Applies every matching rule that has not dealt with the window yet, in list order. A
    // disabled window (behind a modal dialog) waits for a later pass.
    void Proc_MoveWindow(HWND window, const std::wstring& program, const std::wstring& caption,
                         const std::wstring& className, const common::XYWH& rect);
    // Applies one rule to one window.
    void Proc_ApplyRule(std::size_t index, HWND window, const std::wstring& program,
                        const std::wstring& caption, const std::wstring& className,
                        const common::XYWH& rect);
    // The fixing kind of the window's governing rule ("位置大きさ", "位置", "大きさ" or empty);
    // the result is that rule's enabled flag, false without one.
    bool Func_FixedPosSize(HWND window, std::wstring& kind);
    // Frees the target's "しない" rules and forgets what its governing rule did: for the target
    // only, or for every window.
    void Proc_ResetFlag(bool onlyTarget, const TargetWindow& target);
    // Drops the pairs of vanished windows and passes a "しない" rule on when its window closed.
    void Proc_DeleteWindow();
    // Forgets every pair except those of windows this program keeps hidden; called whenever a
    // rule list is loaded.
    void Proc_AllDeleteWindow();

    const std::vector<HandledPair>& ListViewHandle() const { return handled_; }

private:
    bool Handled(HWND window, std::size_t rule) const;
    void AddPair(HWND window, std::size_t rule) { handled_.push_back({window, rule}); }
    bool MessageConditionMet(HWND dialog, const std::wstring& condition) const;
    // Position and size; true when the rule acted.
    bool ApplyGeometry(std::size_t index, const Rule& rule, HWND window, const common::XYWH& rect);
    bool SendKeys(HWND window, const std::wstring& action);
    void MakeTopmost(HWND window);
    bool HookHolds(const std::function<bool(HWND)>& hook, HWND window) const {
        return hook && hook(window);
    }

    RuleList& rules_;
    WindowStateList& top_;
    WindowStateList& trans_;
    std::vector<HandledPair> handled_;
    // Counts the loads of a rule list (each forgets the handled windows), so that a rule applied
    // while messages came in does not write into a list that has replaced its own.
    std::uint64_t loads_ = 0;
};

} // namespace velmado::rules
