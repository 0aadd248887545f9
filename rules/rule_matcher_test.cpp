#include "rules/rule_matcher.h"

#include <gtest/gtest.h>

namespace velmado::rules {
namespace {

constexpr wchar_t kEditor[] = L"C:\\Program Files\\Editor\\Editor.exe";

Rule MakeRule(const std::wstring& caption, const std::wstring& match, const std::wstring& className,
              const std::wstring& style = L"", const std::wstring& action = L"通常") {
    Rule rule;
    rule[Rule::Program] = kEditor;
    rule[Rule::Caption] = caption;
    rule[Rule::Match] = match;
    rule[Rule::ClassName] = className;
    rule[Rule::Action] = action;
    rule[Rule::Style] = style;
    return rule;
}

struct Window {
    std::wstring program = kEditor;
    std::wstring caption = L"memo.txt - Editor";
    std::wstring className = L"EditorFrame";
    std::wstring style = L"14CF0000";
};

bool Matches(const Rule& rule, const Window& w) {
    return RuleMatches(rule, w.program, w.caption, w.className, w.style);
}

TEST(RuleMatcher, ComparesCaptionClassStyleAndProgramAsRulesSay) {
    const Window window;
    const struct {
        const char* what;
        Rule rule;
        Window window;
        bool matches;
    } cases[] = {
        {"whole caption and class", MakeRule(L"memo.txt - Editor", L"全部", L"EditorFrame"), window,
         true},
        {"whole caption must be all of it", MakeRule(L"memo.txt", L"全部", L"EditorFrame"), window,
         false},
        {"part of the caption", MakeRule(L"memo", L"一部", L"EditorFrame"), window, true},
        {"part of the caption, wrong class", MakeRule(L"memo", L"一部", L"Other"), window, false},
        {"caption is case-sensitive", MakeRule(L"MEMO", L"一部", L""), window, false},
        {"caption only", MakeRule(L"Editor", L"一部", L""), window, true},
        {"caption only, whole", MakeRule(L"memo.txt - Editor", L"全部", L""), window, true},
        {"class only", MakeRule(L"", L"", L"EditorFrame"), window, true},
        {"class is case-sensitive", MakeRule(L"", L"", L"editorframe"), window, false},
        {"empty caption never occurs", MakeRule(L"", L"一部", L"Other"), window, false},
        {"empty caption and class: only a class-less window", MakeRule(L"", L"", L""), window,
         false},
        {"style: top byte ignored", MakeRule(L"", L"", L"EditorFrame", L"94CF0000"), window, true},
        {"style: low bits differ", MakeRule(L"", L"", L"EditorFrame", L"14CE0000"), window, false},
        {"style: hex case", MakeRule(L"", L"", L"EditorFrame", L"00cf0000"), window, true},
        {"program case-insensitive", MakeRule(L"", L"", L"EditorFrame"),
         Window{.program = L"c:\\PROGRAM FILES\\editor\\EDITOR.EXE"}, true},
        {"other program", MakeRule(L"", L"", L"EditorFrame"),
         Window{.program = L"C:\\Program Files\\Editor\\Editor2.exe"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Matches(c.rule, c.window), c.matches) << c.what;
    }
}

TEST(RuleMatcher, DisabledRulesStillMatch) {
    Rule rule = MakeRule(L"", L"", L"EditorFrame");
    rule.enabled = false;
    EXPECT_TRUE(Matches(rule, Window{}));
}

TEST(RuleMatcher, FlagsEveryMatchAndReturnsTheLowest) {
    const Window w;
    const RuleList rules = {
        MakeRule(L"", L"", L"Other"),
        MakeRule(L"memo", L"一部", L"", L"", L"[Enter]"),
        MakeRule(L"Nope", L"全部", L""),
        MakeRule(L"", L"", L"EditorFrame", L"", L"通常"),
    };
    MatchFlags flags;
    flags.fill(true);
    EXPECT_EQ(Func_FindItemWindow(rules, w.program, w.caption, w.className, w.style, flags), 1);
    EXPECT_FALSE(flags[0]);
    EXPECT_TRUE(flags[1]);
    EXPECT_FALSE(flags[2]);
    EXPECT_TRUE(flags[3]);
    EXPECT_FALSE(flags[4]) << "entries past the list are cleared";
    EXPECT_EQ(GoverningRule(rules, flags), 3) << "the lowest 通常 or 最大化 rule governs";

    EXPECT_EQ(Func_FindItemWindow(rules, w.program, L"x", L"y", w.style, flags), -1);
    EXPECT_FALSE(flags[1]);
    EXPECT_FALSE(flags[3]);
    EXPECT_EQ(GoverningRule(rules, flags), -1);
}

TEST(RuleMatcher, GoverningRuleIsTheLowestPlacingRule) {
    const RuleList rules = {
        MakeRule(L"", L"", L"C", L"", L"最小化"),
        MakeRule(L"", L"", L"C", L"", L"最大化"),
        MakeRule(L"", L"", L"C", L"", L"通常"),
    };
    MatchFlags flags{};
    flags[0] = flags[2] = true;
    EXPECT_EQ(GoverningRule(rules, flags), 2);
    flags[1] = true;
    EXPECT_EQ(GoverningRule(rules, flags), 1);
}

TEST(RuleMatcher, OnlyTheFirstThousandRulesAreTried) {
    RuleList rules(kMaxRules + 1, MakeRule(L"", L"", L"Other"));
    rules.back() = MakeRule(L"", L"", L"EditorFrame");
    MatchFlags flags;
    const Window w;
    EXPECT_EQ(Func_FindItemWindow(rules, w.program, w.caption, w.className, w.style, flags), -1);
}

TEST(RuleMatcher, StyleTextIsEightUpperCaseDigits) {
    EXPECT_EQ(WindowStyleText(0x14CF0000u), L"14CF0000");
    EXPECT_EQ(WindowStyleText(0xABu), L"000000AB");
    EXPECT_EQ(WindowStyleText(0xFFFFFFFFu), L"FFFFFFFF");
}

TEST(RuleMatcher, ShortStyleTextsCompareWhatTheyHave) {
    EXPECT_TRUE(StyleConditionHolds(L"", L"14CF0000"));
    EXPECT_FALSE(StyleConditionHolds(L"14", L"14CF0000"));
    EXPECT_FALSE(StyleConditionHolds(L"14CF", L"14CF0000"));
}

} // namespace
} // namespace velmado::rules
