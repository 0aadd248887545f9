#include "rules/rule_list_edits.h"

#include <set>

#include <gtest/gtest.h>

namespace velmado::rules {
namespace {

Rule ForProgram(const std::wstring& program, bool enabled) {
    Rule rule;
    rule.enabled = enabled;
    rule[Rule::Program] = program;
    return rule;
}

class RuleListEdits : public testing::Test {
protected:
    RuleList rules = {
        ForProgram(L"C:\\Tools\\Editor.exe", true),
        ForProgram(L"D:\\ツール\\viewer.EXE", false),
        ForProgram(L"C:\\Games\\old.exe", true),
        ForProgram(L"c:\\tools\\editor.exe", false),
    };
    std::vector<bool> listCheck = {true, false, true, false};

    std::vector<std::wstring> Programs() const {
        std::vector<std::wstring> programs;
        for (const Rule& rule : rules) {
            programs.push_back(rule[Rule::Program]);
        }
        return programs;
    }
    std::vector<bool> Enabled() const {
        std::vector<bool> enabled;
        for (const Rule& rule : rules) {
            enabled.push_back(rule.enabled);
        }
        return enabled;
    }
};

TEST_F(RuleListEdits, DeleteRemovesTheRuleAndItsCheck) {
    EXPECT_TRUE(DeleteRule(rules, listCheck, 1));
    EXPECT_EQ(Programs(),
              (std::vector<std::wstring>{L"C:\\Tools\\Editor.exe", L"C:\\Games\\old.exe",
                                         L"c:\\tools\\editor.exe"}));
    EXPECT_EQ(listCheck, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(DeleteRule(rules, listCheck, 3));
    EXPECT_EQ(rules.size(), 3u);
}

TEST_F(RuleListEdits, MoveSwapsWithTheNeighbourAndKeepsEachCheck) {
    const struct {
        std::size_t index;
        MoveDirection direction;
        std::optional<std::size_t> to;
    } cases[] = {
        {0, MoveDirection::Up, std::nullopt},
        {3, MoveDirection::Down, std::nullopt},
        {4, MoveDirection::Up, std::nullopt},
        {0, MoveDirection::Down, 1},
        {2, MoveDirection::Up, 1},
        {3, MoveDirection::Up, 2},
    };
    for (const auto& c : cases) {
        RuleList before = rules;
        std::vector<bool> checks = listCheck;
        EXPECT_EQ(MoveRule(before, checks, c.index, c.direction), c.to) << c.index;
        if (!c.to) {
            EXPECT_EQ(before, rules) << c.index;
            EXPECT_EQ(checks, listCheck) << c.index;
            continue;
        }
        EXPECT_EQ(before[*c.to], rules[c.index]) << c.index;
        EXPECT_EQ(before[c.index], rules[*c.to]) << c.index;
        EXPECT_EQ(checks[*c.to], listCheck[c.index]) << c.index;
        EXPECT_EQ(checks[c.index], listCheck[*c.to]) << c.index;
    }
}

TEST_F(RuleListEdits, AppendStopsAtTheLimit) {
    EXPECT_TRUE(AppendRule(rules, listCheck, ForProgram(L"new.exe", true)));
    EXPECT_EQ(rules.back()[Rule::Program], L"new.exe");
    EXPECT_EQ(listCheck, (std::vector<bool>{true, false, true, false, true}));

    rules.resize(kMaxRules);
    listCheck.resize(kMaxRules);
    EXPECT_FALSE(AppendRule(rules, listCheck, ForProgram(L"more.exe", true)));
    EXPECT_EQ(rules.size(), kMaxRules);
    EXPECT_EQ(listCheck.size(), kMaxRules);
}

TEST_F(RuleListEdits, FinderSearchesAfterTheSelectionIgnoringCase) {
    const struct {
        std::optional<std::size_t> selected;
        std::wstring text;
        std::optional<std::size_t> found;
    } cases[] = {
        {std::nullopt, L"EDITOR", 0},
        {0, L"editor", 3},
        {3, L"editor", std::nullopt}, // no wrapping past the last rule
        {std::nullopt, L"ツール\\VIEWER", 1},
        {1, L".exe", 2},
        {std::nullopt, L"notepad", std::nullopt},
        {std::nullopt, L"", std::nullopt},
        {7, L"exe", std::nullopt},
        {std::nullopt, L"C:\\Tools\\Editor.exe and more", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindProgram(rules, c.selected, c.text), c.found)
            << testing::PrintToString(c.text);
    }
}

TEST_F(RuleListEdits, FinderOfMissingProgramFiles) {
    const std::set<std::wstring> present = {L"C:\\Tools\\Editor.exe", L"C:\\Games\\old.exe"};
    const auto exists = [&present](const std::wstring& path) { return present.count(path) > 0; };
    EXPECT_EQ(FindMissingProgram(rules, std::nullopt, exists), 1u);
    EXPECT_EQ(FindMissingProgram(rules, 1, exists), 3u);
    EXPECT_EQ(FindMissingProgram(rules, 3, exists), std::nullopt);
    EXPECT_EQ(FindMissingProgram(rules, std::nullopt, [](const std::wstring&) { return true; }),
              std::nullopt);
}

TEST(RuleListEditsHistory, NewTextGoesFirstAndTheHistoryStaysBounded) {
    std::vector<std::wstring> history = {L"editor", L"viewer"};
    AddFinderHistory(history, L"games");
    AddFinderHistory(history, L"viewer"); // already there: stays where it is
    AddFinderHistory(history, L"");
    EXPECT_EQ(history, (std::vector<std::wstring>{L"games", L"editor", L"viewer"}));

    history.clear();
    for (int i = 0; i < 101; ++i) {
        AddFinderHistory(history, std::to_wstring(i));
    }
    ASSERT_EQ(history.size(), kMaxFinderHistory);
    EXPECT_EQ(history.front(), L"100");
    EXPECT_EQ(history.back(), L"1");
}

TEST(RuleListEditsHistory, CleanDropsEmptyAndRepeatedLinesAndExcess) {
    std::vector<std::wstring> history = {L"a", L"", L"b", L"a", L"B"};
    CleanFinderHistory(history);
    EXPECT_EQ(history, (std::vector<std::wstring>{L"a", L"b", L"B"}));

    history.assign(150, L"");
    for (std::size_t i = 0; i < history.size(); ++i) {
        history[i] = std::to_wstring(i);
    }
    CleanFinderHistory(history);
    ASSERT_EQ(history.size(), kMaxFinderHistory);
    EXPECT_EQ(history.back(), L"99");
}

TEST_F(RuleListEdits, CheckChangesReachTheRules) {
    EXPECT_FALSE(ApplyCheckChanges(rules, listCheck, {true, false, true, false}));

    EXPECT_TRUE(ApplyCheckChanges(rules, listCheck, {false, true, true, false}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(listCheck, Enabled());

    // Fewer checks than rules: the rest stay as they are.
    EXPECT_TRUE(ApplyCheckChanges(rules, listCheck, {true}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(RuleListEdits, AnOutOfStepCheckRecordIsRebuiltFromTheRules) {
    listCheck.clear();
    EXPECT_TRUE(ApplyCheckChanges(rules, listCheck, {true, true, true, false}));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(listCheck, Enabled());

    listCheck.assign(10, true);
    EXPECT_TRUE(DeleteRule(rules, listCheck, 0));
    EXPECT_EQ(listCheck.size(), rules.size());
}

} // namespace
} // namespace velmado::rules
