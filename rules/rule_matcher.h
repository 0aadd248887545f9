#pragma once
// Which rules of the list match a window: by program, caption, class and style.
#include <array>
#include <cstdint>
#include <string>

#include "rules/rule.h"

namespace velmado::rules {

// Entry i is true when rule i matches the window last asked about.
using MatchFlags = std::array<bool, kMaxRules>;

// A window style as rules store it: 8 upper-case hexadecimal digits.
std::wstring WindowStyleText(std::uint32_t style);

// The rule's style condition: empty, or equal to the window's style in characters 3 to 8 (the
// low 24 bits), since the top byte holds state (visible, minimised, disabled ...).
bool StyleConditionHolds(const std::wstring& ruleStyle, const std::wstring& windowStyle);

// Whether one rule matches the window (its enabled flag plays no part).
bool RuleMatches(const Rule& rule, const std::wstring& program, const std::wstring& caption,
                 const std::wstring& className, const std::wstring& style);

// Flags every matching rule (at most kMaxRules) and returns the lowest index, or -1.
int Func_FindItemWindow(const RuleList& rules, const std::wstring& program,
                        const std::wstring& caption, const std::wstring& className,
                        const std::wstring& style, MatchFlags& flags);

// The governing rule among the flagged ones: the lowest whose action is "通常" or "最大化";
// -1 when there is none.
int GoverningRule(const RuleList& rules, const MatchFlags& flags);

} // namespace velmado::rules
