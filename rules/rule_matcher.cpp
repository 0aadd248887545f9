#include "rules/rule_matcher.h"

#include <algorithm>

#include "common/text.h"

namespace velmado::rules {

namespace {

constexpr wchar_t kWholeCaption[] = L"全部";

// The style characters 3 to 8, as far as the text reaches.
std::wstring_view LowStyleDigits(const std::wstring& style) {
    return std::wstring_view(style).substr(std::min<std::size_t>(2, style.size()), 6);
}

bool CaptionMatches(const Rule& rule, const std::wstring& caption) {
    const std::wstring& wanted = rule[Rule::Caption];
    if (rule[Rule::Match] == kWholeCaption) {
        return wanted == caption;
    }
    return !wanted.empty() && caption.find(wanted) != std::wstring::npos;
}

} // namespace

std::wstring WindowStyleText(std::uint32_t style) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(8, L'0');
    for (int i = 7; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[style & 0xF];
        style >>= 4;
    }
    return text;
}

bool StyleConditionHolds(const std::wstring& ruleStyle, const std::wstring& windowStyle) {
    // Hexadecimal digits mean the same in either case.
    return ruleStyle.empty() ||
           common::EqualIgnoringAsciiCase(LowStyleDigits(ruleStyle), LowStyleDigits(windowStyle));
}

bool RuleMatches(const Rule& rule, const std::wstring& program, const std::wstring& caption,
                 const std::wstring& className, const std::wstring& style) {
    if (!StyleConditionHolds(rule[Rule::Style], style) ||
        !common::EqualIgnoringAsciiCase(rule[Rule::Program], program)) {
        return false;
    }
    const bool captionMatches = CaptionMatches(rule, caption);
    const std::wstring& wantedClass = rule[Rule::ClassName];
    return (captionMatches && wantedClass == className) ||
           (captionMatches && wantedClass.empty()) ||
           (rule[Rule::Caption].empty() && wantedClass == className);
}

int Func_FindItemWindow(const RuleList& rules, const std::wstring& program,
                        const std::wstring& caption, const std::wstring& className,
                        const std::wstring& style, MatchFlags& flags) {
    flags.fill(false);
    int first = -1;
    const std::size_t count = std::min(rules.size(), kMaxRules);
    for (std::size_t i = 0; i < count; ++i) {
        if (RuleMatches(rules[i], program, caption, className, style)) {
            flags[i] = true;
            if (first < 0) {
                first = static_cast<int>(i);
            }
        }
    }
    return first;
}

int GoverningRule(const RuleList& rules, const MatchFlags& flags) {
    const std::size_t count = std::min(rules.size(), kMaxRules);
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring& action = rules[i][Rule::Action];
        if (flags[i] && (action == L"通常" || action == L"最大化")) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace velmado::rules
