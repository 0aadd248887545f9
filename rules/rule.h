#pragma once
// A window rule: an enabled flag and sixteen text fields, stored and compared as text. The
// vocabulary of the fields ("通常", "最大化", "(右下基準)", "固定" kinds ...) is exact.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace velmado::rules {

struct Rule {
    enum Field : std::size_t {
        Program,   // full path of the program (compared case-insensitively)
        Caption,   // caption to match, or empty (class-only rule)
        Match,     // "全部" whole caption, "一部" part of it; empty for a class-only rule
        ClassName, // class to match, or empty (caption-only rule)
        Action, // what to do: "通常", "最大化", "[キー]Ctrl+A", "優先度：高", "半透明：80%" ...
        Left, // decimal, empty (keep), or "(右下基準)" + the right edge
        Top,  // decimal, empty (keep), or "(右下基準)" + the bottom edge
        Width,
        Height,
        Fixed,    // "位置大きさ", "位置", "大きさ" or empty
        TaskBar,  // "非表示" or empty
        Multiple, // "しない": one window per rule at a time; else empty
        TopMost,  // "する" or empty
        Message,  // text a dialog's message must contain ("{改行}" for line breaks), or empty
        Style,    // window style as 8 upper-case hex digits, or empty
        Handle,   // run time only: the window a "しない" rule has taken; saved empty
        kFieldCount
    };

    bool enabled = true;
    std::array<std::wstring, kFieldCount> fields;

    const std::wstring& operator[](Field f) const { return fields[f]; }
    std::wstring& operator[](Field f) { return fields[f]; }
    bool operator==(const Rule&) const = default;
};

// At most this many rules are held; a file with more keeps the first ones.
inline constexpr std::size_t kMaxRules = 1000;

using RuleList = std::vector<Rule>;

} // namespace velmado::rules
