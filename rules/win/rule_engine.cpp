#include "rules/win/rule_engine.h"

#include <algorithm>
#include <limits>

#include "common/text.h"
#include "common/win/foreground.h"
#include "common/win/os_version.h"
#include "common/win/processes.h"
#include "common/win/screen.h"
#include "common/win/shell_windows.h"
#include "common/win/window_geometry.h"
#include "common/win/window_identity.h"
#include "rules/rule_plan.h"
#include "rules/win/window_opacity.h"
#include "ui/shortcut_text.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kOneWindow[] = L"しない";

std::wstring StyleOf(HWND window) {
    return WindowStyleText(static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)));
}

// Brings the window forward and waits up to about three seconds for it to become the foreground
// window; true when it did and it takes input. The wait sleeps without handling messages: events
// that arrive meanwhile are dealt with afterwards.
bool BringForwardAndWait(HWND window) {
    win::ForceForeground(window);
    SetFocus(window);
    int counter = 30;
    HWND foreground = nullptr;
    do {
        if (!IsWindow(window) || !IsWindowVisible(window)) {
            counter = 0;
        }
        foreground = GetForegroundWindow();
        --counter;
        Sleep(100);
    } while (foreground != window && counter >= 1);
    return counter > 0 && IsWindowEnabled(window);
}

LPARAM KeyMessageParam(UINT key, bool up) {
    // Repeat count 1 and the scan code; a key-up also has the previous-state and transition bits.
    DWORD param = 1 | (MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16);
    if (up) {
        param |= 0xC0000000;
    }
    return static_cast<LPARAM>(param);
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, KeyMessageParam(key, false));
    PostMessageW(window, WM_KEYUP, key, KeyMessageParam(key, true));
}

void KeyEvent(BYTE key, DWORD flags) {
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)), flags, 0);
}

// Presses the modifiers, then the key, then releases the modifiers in reverse.
void SynthesiseShortCut(ui::ShortCut shortCut) {
    static constexpr struct {
        ui::ShortCut flag;
        BYTE key;
    } kModifiers[] = {{ui::kShortCutShift, VK_SHIFT},
                      {ui::kShortCutCtrl, VK_CONTROL},
                      {ui::kShortCutAlt, VK_MENU}};
    for (const auto& m : kModifiers) {
        if (shortCut & m.flag) {
            KeyEvent(m.key, KEYEVENTF_EXTENDEDKEY);
        }
    }
    const auto key = static_cast<BYTE>(ui::ShortCutKey(shortCut));
    KeyEvent(key, 0);
    KeyEvent(key, KEYEVENTF_KEYUP);
    for (auto m = std::rbegin(kModifiers); m != std::rend(kModifiers); ++m) {
        if (shortCut & m->flag) {
            KeyEvent(m->key, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
        }
    }
}

LONG Centre(int edge, int size) {
    const long long centre = static_cast<long long>(edge) + size / 2;
    return static_cast<LONG>(std::clamp<long long>(centre, std::numeric_limits<LONG>::min(),
                                                   std::numeric_limits<LONG>::max()));
}

BOOL CALLBACK RememberChild(HWND child, LPARAM last) {
    *reinterpret_cast<HWND*>(last) = child;
    return TRUE;
}

} // namespace

std::wstring DialogMessageText(HWND dialog) {
    HWND last = nullptr;
    EnumChildWindows(dialog, RememberChild, reinterpret_cast<LPARAM>(&last));
    // A dialog's message is its last child when that is a static text.
    const bool isStatic =
        last != nullptr && common::TrimAtNullRight(win::WindowClass(last)) == L"Static";
    return isStatic ? win::WindowCaption(last) : std::wstring();
}

int RuleEngine::Func_FindItemWindow(const std::wstring& program, const std::wstring& caption,
                                    const std::wstring& className, const std::wstring& style) {
    return rules::Func_FindItemWindow(rules_, program, caption, className, style, FWindowListNUM);
}

void RuleEngine::Proc_MoveWindow(HWND window, const std::wstring& program,
                                 const std::wstring& caption, const std::wstring& className,
                                 const common::XYWH& rect) {
    if (!IsWindowEnabled(window)) {
        return;
    }
    if (Func_FindItemWindow(program, caption, className, StyleOf(window)) < 0) {
        return;
    }
    const MatchFlags matched = FWindowListNUM;
    const std::size_t count = std::min(rules_.size(), kMaxRules);
    const std::uint64_t loads = loads_;
    for (std::size_t i = 0; i < count && loads_ == loads; ++i) {
        if (matched[i] && !Handled(window, i)) {
            // An earlier rule may have moved the window: later ones start from where it is now.
            Proc_ApplyRule(i, window, program, caption, className,
                           win::GetWindowXYWH(window).value_or(rect));
        }
    }
}

void RuleEngine::Proc_ApplyRule(std::size_t index, HWND window, const std::wstring&,
                                const std::wstring& caption, const std::wstring& className,
                                const common::XYWH& rect) {
    if (index >= rules_.size()) {
        return;
    }
    // Moving other programs' windows lets messages in (a rule file handed over, an editor
    // command) that may replace the list: work from a copy, and write back only to the same list.
    const Rule rule = rules_[index];
    const std::uint64_t loads = loads_;
    auto sameList = [&] { return loads_ == loads && index < rules_.size(); };
    bool go = rule.enabled;

    if (rule[Rule::Multiple] == kOneWindow) {
        if (go && !rule[Rule::Handle].empty() && HandleFromText(rule[Rule::Handle]) != window) {
            // The rule has its window: turn this one away for good.
            AddPair(window, index);
            go = false;
        } else if (!go && rule[Rule::Handle].empty()) {
            rules_[index][Rule::Handle] = HandleText(window);
        }
    }
    if (go && !rule[Rule::Message].empty() && className == L"#32770" &&
        !MessageConditionMet(window, rule[Rule::Message])) {
        go = false;
    }
    if (!go) {
        return;
    }

    const std::wstring action = rule[Rule::Action];
    bool acted = false;
    if (!IsIconic(window) && IsGeometryAction(action) && (action != L"全画面" || hooks.resident)) {
        acted = ApplyGeometry(index, rule, window, rect);
    }
    if (action == L"最小化") {
        if (!IsIconic(window)) {
            ShowWindow(window, SW_SHOWMINIMIZED);
        }
        acted = true;
    }
    if (action == L"隠す" && hooks.resident && hooks.hideWindow) {
        hooks.hideWindow(window, rect, className, caption);
        acted = true;
    }
    if (action == L"閉じる") {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        acted = true;
    }
    if (!IsIconic(window) && SendKeys(window, action)) {
        acted = true;
    }
    if (!IsIconic(window)) {
        if (const auto priorityClass = PriorityClassOf(action)) {
            if (common::Is2000OrLater(win::SystemVersion()) &&
                win::GetWindowPriority(window) != *priorityClass) {
                win::SetWindowPriority(window, *priorityClass);
            }
            acted = true;
        }
    }
    if (!IsIconic(window)) {
        if (const auto percent = OpacityPercentOf(action)) {
            SetWindowOpacity(window, *percent);
            if (trans_.Add(window)) {
                trans_.Save();
            }
            acted = true;
        }
    }
    if (hooks.resident) {
        if (rule[Rule::TaskBar] == L"非表示" && !(hooks.taskbarHidden && hooks.taskbarHidden()) &&
            hooks.hideTaskbar) {
            hooks.hideTaskbar();
        }
        if (rule[Rule::TopMost] == L"する") {
            MakeTopmost(window);
        }
    }
    if (acted) {
        if (hooks.resident && hooks.actionFlash) {
            hooks.actionFlash();
        }
        if (!sameList()) {
            return;
        }
        if (rule[Rule::Multiple] == kOneWindow) {
            rules_[index][Rule::Handle] = HandleText(window);
        }
        if (rule[Rule::Fixed].empty()) {
            AddPair(window, index);
        }
    }
}

bool RuleEngine::ApplyGeometry(std::size_t index, const Rule& rule, HWND window,
                               const common::XYWH& rect) {
    const std::wstring& action = rule[Rule::Action];
    const GeometryPlan plan = PlanGeometry(rule, rect);
    common::XYWH t = plan.target;
    bool acted = plan.acted;

    const HMONITOR monitor = MonitorFromPoint(
        POINT{Centre(t.left, t.width), Centre(t.top, t.height)}, MONITOR_DEFAULTTONULL);
    if (monitor == nullptr ||
        (hooks.workAreaEnabled && !hooks.workAreaEnabled(win::Screen::Get().IndexOf(monitor)))) {
        acted = false;
    }
    if (!acted) {
        if (rule[Rule::Fixed].empty()) {
            AddPair(window, index);
        }
        return false;
    }
    if (IsZoomed(window)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (action == L"最大化" && GetWindowPlacement(window, &placement)) {
            t.width = placement.rcNormalPosition.right - placement.rcNormalPosition.left;
            t.height = placement.rcNormalPosition.bottom - placement.rcNormalPosition.top;
        }
        ShowWindow(window, SW_RESTORE);
    }
    MoveWindow(window, t.left, t.top, t.width, t.height, TRUE);
    if (action == L"最大化") {
        ShowWindow(window, SW_MAXIMIZE);
    } else if (action == L"全画面") {
        const int taskbarMonitor = win::TaskbarMonitorIndex();
        if (hooks.hideTaskbar) {
            hooks.hideTaskbar();
        }
        // Full height, then full width of the whole monitor, not its work area.
        win::PlaceOnMonitor(window, 0, taskbarMonitor, true);
        win::PlaceOnMonitor(window, 1, taskbarMonitor, true);
    }
    return true;
}

bool RuleEngine::SendKeys(HWND window, const std::wstring& action) {
    UINT postedKey = 0;
    ui::ShortCut shortCut = 0;
    if (action == L"[Enter]") {
        postedKey = VK_RETURN;
    } else if (action == L"[Esc]") {
        postedKey = VK_ESCAPE;
    } else if (const auto keyText = KeyTextOf(action)) {
        shortCut = ui::TextToShortCut(*keyText);
    }
    // A key text that names no key is not worth taking the foreground for.
    if (postedKey == 0 && ui::ShortCutKey(shortCut) == 0) {
        return false;
    }
    if (!BringForwardAndWait(window)) {
        return false;
    }
    if (postedKey != 0) {
        PostKey(window, postedKey);
    } else {
        SynthesiseShortCut(shortCut);
    }
    return true;
}

void RuleEngine::MakeTopmost(HWND window) {
    if (top_.Contains(window) || win::IsTopmost(window)) {
        return;
    }
    if (BringForwardAndWait(window) && win::SetTopmost(window, true)) {
        top_.Add(window);
        top_.Save();
    }
}

bool RuleEngine::MessageConditionMet(HWND dialog, const std::wstring& condition) const {
    return MessageConditionHolds(condition, DialogMessageText(dialog));
}

bool RuleEngine::Handled(HWND window, std::size_t rule) const {
    return std::find(handled_.begin(), handled_.end(), HandledPair{window, rule}) != handled_.end();
}

bool RuleEngine::Func_FixedPosSize(HWND window, std::wstring& kind) {
    kind.clear();
    const win::WindowIdentity identity = win::GetWindowIdentity(window);
    Func_FindItemWindow(identity.programPath, identity.caption, identity.className,
                        StyleOf(window));
    const int governing = GoverningRule(rules_, FWindowListNUM);
    if (governing < 0) {
        return false;
    }
    const Rule& rule = rules_[static_cast<std::size_t>(governing)];
    kind = rule[Rule::Fixed];
    return rule.enabled;
}

void RuleEngine::Proc_ResetFlag(bool onlyTarget, const TargetWindow& target) {
    Func_FindItemWindow(target.program, target.caption, target.className, StyleOf(target.window));
    const std::size_t count = std::min(rules_.size(), kMaxRules);
    for (std::size_t i = 0; i < count; ++i) {
        if (FWindowListNUM[i] && rules_[i][Rule::Multiple] == kOneWindow) {
            rules_[i][Rule::Handle].clear();
        }
    }
    const int governing = GoverningRule(rules_, FWindowListNUM);
    if (governing < 0) {
        return;
    }
    std::erase_if(handled_, [&](const HandledPair& pair) {
        return pair.rule == static_cast<std::size_t>(governing) &&
               (!onlyTarget || pair.window == target.window);
    });
}

void RuleEngine::Proc_DeleteWindow() {
    for (std::size_t i = rules_.size(); i-- > 0;) {
        Rule& rule = rules_[i];
        if (rule[Rule::Multiple] != kOneWindow || rule[Rule::Handle].empty() ||
            IsWindow(HandleFromText(rule[Rule::Handle]))) {
            continue;
        }
        // Passes the rule on to the oldest window that met it.
        const auto first = std::find_if(handled_.begin(), handled_.end(),
                                        [i](const HandledPair& pair) { return pair.rule == i; });
        rule[Rule::Handle] = first != handled_.end() ? HandleText(first->window) : std::wstring();
    }
    // A window that this program hid keeps its pairs; one that hid itself counts as new.
    std::erase_if(handled_, [this](const HandledPair& pair) {
        return (!IsWindow(pair.window) || !IsWindowVisible(pair.window)) &&
               !HookHolds(hooks.isHiddenByProgram, pair.window) &&
               !HookHolds(hooks.isInHideLog, pair.window);
    });
}

void RuleEngine::Proc_AllDeleteWindow() {
    ++loads_;
    std::erase_if(handled_, [this](const HandledPair& pair) {
        return !HookHolds(hooks.isHiddenByProgram, pair.window);
    });
}

} // namespace velmado::rules
