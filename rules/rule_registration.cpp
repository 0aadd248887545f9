#include "rules/rule_registration.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "rules/rule_plan.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kLineBreak[] = L"{改行}";

constexpr std::array<const wchar_t*, 5> kPriorityLevels = {L"通常", L"低", L"高", L"通常以下",
                                                           L"通常以上"};

bool IsPriorityLevel(const std::wstring& level) {
    return std::find(kPriorityLevels.begin(), kPriorityLevels.end(), level) !=
           kPriorityLevels.end();
}

// A key or priority choice without its value falls back to "通常", as the page does.
SizeChoice EffectiveChoice(const Registration& r) {
    if ((r.size == SizeChoice::Key && r.keyText.empty()) ||
        (r.size == SizeChoice::Priority && !IsPriorityLevel(r.priorityText))) {
        return SizeChoice::Normal;
    }
    return r.size;
}

// Window coordinates come from other programs and may sit near the int range; an edge beyond it
// is stored as the nearest value that reads back as a number.
std::wstring Sum(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return std::to_wstring(std::clamp<long long>(sum, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max()));
}

std::wstring UpperHex(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'f') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return text;
}

void SetPosition(Rule& rule, const Registration& r, bool position, bool size) {
    const common::XYWH& w = r.rect;
    if (position) {
        rule[Rule::Left] =
            r.rightBottom ? kAnchorMarker + Sum(w.left, w.width) : std::to_wstring(w.left);
        rule[Rule::Top] =
            r.rightBottom ? kAnchorMarker + Sum(w.top, w.height) : std::to_wstring(w.top);
    }
    if (size) {
        // A maximised window is stored with the size it returns to.
        const bool restoredSize = EffectiveChoice(r) == SizeChoice::Maximize && r.restored;
        const common::XYWH& s = restoredSize ? *r.restored : w;
        rule[Rule::Width] = std::to_wstring(s.width);
        rule[Rule::Height] = std::to_wstring(s.height);
    }
}

} // namespace

std::wstring ActionText(const Registration& r) {
    switch (EffectiveChoice(r)) {
    case SizeChoice::Normal:
        break;
    case SizeChoice::Maximize:
        return L"最大化";
    case SizeChoice::Minimize:
        return L"最小化";
    case SizeChoice::Hide:
        return L"隠す";
    case SizeChoice::FullScreen:
        return L"全画面";
    case SizeChoice::Close:
        return L"閉じる";
    case SizeChoice::Enter:
        return L"[Enter]";
    case SizeChoice::Esc:
        return L"[Esc]";
    case SizeChoice::Key:
        return kKeyMarker + r.keyText;
    case SizeChoice::Priority:
        return kPriorityMarker + r.priorityText;
    case SizeChoice::Opacity:
        return kOpacityMarker + std::to_wstring(std::clamp(r.opacityPercent, 10, 100)) + L"%";
    }
    return L"通常";
}

Rule BuildRule(const Registration& r) {
    Rule rule;
    rule.enabled = true;
    rule[Rule::Program] = r.program;
    if (r.capCls != CapClsChoice::Class) {
        rule[Rule::Caption] = r.caption;
        rule[Rule::Match] = r.partial ? L"一部" : L"全部";
    }
    if (r.capCls != CapClsChoice::Caption) {
        rule[Rule::ClassName] = r.className;
    }
    rule[Rule::Action] = ActionText(r);
    switch (EffectiveChoice(r)) {
    case SizeChoice::Normal:
        SetPosition(rule, r, r.posSize != PosSizeChoice::Size,
                    r.posSize != PosSizeChoice::Position);
        break;
    case SizeChoice::Maximize:
    case SizeChoice::FullScreen:
        SetPosition(rule, r, true, true);
        break;
    default:
        break;
    }
    if (r.fixed) {
        static constexpr const wchar_t* kFixed[] = {L"位置大きさ", L"位置", L"大きさ"};
        rule[Rule::Fixed] = kFixed[static_cast<std::size_t>(r.posSize)];
    }
    rule[Rule::TaskBar] = r.hideTaskbar ? L"非表示" : L"";
    rule[Rule::Multiple] = r.onlyOne ? L"しない" : L"";
    rule[Rule::TopMost] = r.topmost ? L"する" : L"";
    rule[Rule::Message] = r.useMessage ? MemoToMessage(r.messageMemo) : L"";
    rule[Rule::Style] = r.useStyle ? UpperHex(r.styleText) : L"";
    return rule;
}

ActionCategory CategoryOf(const std::wstring& action) {
    static constexpr const wchar_t* kStates[] = {L"通常", L"最大化", L"最小化",
                                                 L"隠す", L"全画面", L"閉じる"};
    if (std::find(std::begin(kStates), std::end(kStates), action) != std::end(kStates)) {
        return ActionCategory::WindowState;
    }
    if (action == L"[Enter]") {
        return ActionCategory::Enter;
    }
    if (action == L"[Esc]") {
        return ActionCategory::Esc;
    }
    if (action.find(kKeyMarker) != std::wstring::npos) {
        return ActionCategory::Key;
    }
    if (action.find(kPriorityMarker) != std::wstring::npos) {
        return ActionCategory::Priority;
    }
    if (action.find(kOpacityMarker) != std::wstring::npos) {
        return ActionCategory::Opacity;
    }
    return ActionCategory::None;
}

std::optional<std::size_t> RuleToReRegister(const RuleList& rules, const MatchFlags& flags,
                                            const std::wstring& newAction) {
    const ActionCategory category = CategoryOf(newAction);
    if (category == ActionCategory::None) {
        return std::nullopt;
    }
    const std::size_t count = std::min(rules.size(), flags.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (flags[i] && CategoryOf(rules[i][Rule::Action]) == category) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> RuleToReRegister(const RuleList& rules, const Registration& r) {
    MatchFlags flags{};
    Func_FindItemWindow(rules, r.program, r.caption, r.className, r.styleText, flags);
    return RuleToReRegister(rules, flags, ActionText(r));
}

bool CanRegister(std::size_t ruleCount, const std::wstring& className, const common::XYWH& rect) {
    return ruleCount < kMaxRules && className != L"TApplication" && rect.width > 0 &&
           rect.height > 0;
}

std::wstring PositionText(const common::XYWH& rect, bool rightBottom) {
    const std::wstring size =
        L" 横：" + std::to_wstring(rect.width) + L" 縦：" + std::to_wstring(rect.height);
    if (rightBottom) {
        return L"右：" + Sum(rect.left, rect.width) + L" 下：" + Sum(rect.top, rect.height) + size;
    }
    return L"左：" + std::to_wstring(rect.left) + L" 上：" + std::to_wstring(rect.top) + size;
}

int OpacityPercent(int tensIndex, int unitsIndex) {
    const int percent = 10 * std::clamp(tensIndex, 0, 9) + std::clamp(unitsIndex, 0, 9) + 10;
    return std::min(percent, 100);
}

std::wstring MemoToMessage(const std::wstring& memo) {
    return NormaliseMessageText(memo);
}

std::wstring MessageToMemo(const std::wstring& message) {
    const std::wstring_view marker = kLineBreak;
    std::wstring memo;
    memo.reserve(message.size());
    std::size_t from = 0;
    for (std::size_t at = message.find(marker); at != std::wstring::npos;
         at = message.find(marker, from)) {
        memo.append(message, from, at - from);
        memo += L"\r\n";
        from = at + marker.size();
    }
    memo.append(message, from);
    return memo;
}

} // namespace velmado::rules
