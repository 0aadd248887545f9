#include "rules/rule_plan.h"

#include <gtest/gtest.h>

namespace velmado::rules {
namespace {

Rule Placing(const std::wstring& action, const std::wstring& left, const std::wstring& top,
             const std::wstring& width, const std::wstring& height) {
    Rule rule;
    rule[Rule::Action] = action;
    rule[Rule::Left] = left;
    rule[Rule::Top] = top;
    rule[Rule::Width] = width;
    rule[Rule::Height] = height;
    return rule;
}

TEST(RulePlan, PlacesAndSizesByTheFields) {
    const common::XYWH current{100, 100, 400, 300};
    const struct {
        const char* what;
        Rule rule;
        common::XYWH target;
        bool acted;
    } cases[] = {
        {"all four", Placing(L"通常", L"10", L"20", L"500", L"600"), {10, 20, 500, 600}, true},
        {"position only", Placing(L"通常", L"10", L"20", L"", L""), {10, 20, 400, 300}, true},
        {"size only", Placing(L"通常", L"", L"", L"640", L"480"), {100, 100, 640, 480}, true},
        {"nothing to change", Placing(L"通常", L"100", L"100", L"400", L"300"), current, false},
        {"all empty", Placing(L"通常", L"", L"", L"", L""), current, false},
        {"anchored: right 1900 with width 400",
         Placing(L"通常", L"(右下基準)1900", L"(右下基準)1000", L"400", L""),
         {1500, 700, 400, 300},
         true},
        {"anchored edges after the new size",
         Placing(L"通常", L"(右下基準)1000", L"(右下基準)800", L"200", L"100"),
         {800, 700, 200, 100},
         true},
        {"anchored, already there",
         Placing(L"通常", L"(右下基準)500", L"(右下基準)400", L"400", L"300"), current, false},
        {"anchored bottom given without its marker",
         Placing(L"通常", L"(右下基準)500", L"450", L"", L""),
         {100, 150, 400, 300},
         true},
        {"edges beyond the integer range are clamped",
         Placing(L"通常", L"(右下基準)-2147483648", L"", L"400", L""),
         {-2147483647 - 1, 100, 400, 300},
         true},
        {"not a number counts as 0",
         Placing(L"通常", L"abc", L"", L"", L""),
         {0, 100, 400, 300},
         true},
        {"maximise keeps the size", Placing(L"最大化", L"100", L"100", L"800", L"600"), current,
         true},
        {"maximise moves", Placing(L"最大化", L"0", L"0", L"800", L"600"), {0, 0, 400, 300}, true},
        {"full screen keeps the size", Placing(L"全画面", L"100", L"100", L"1", L"1"), current,
         true},
    };
    for (const auto& c : cases) {
        const GeometryPlan plan = PlanGeometry(c.rule, current);
        EXPECT_EQ(plan.target, c.target) << c.what;
        EXPECT_EQ(plan.acted, c.acted) << c.what;
    }
}

TEST(RulePlan, TellsTheGeometryActions) {
    EXPECT_TRUE(IsGeometryAction(L"通常"));
    EXPECT_TRUE(IsGeometryAction(L"最大化"));
    EXPECT_TRUE(IsGeometryAction(L"全画面"));
    EXPECT_FALSE(IsGeometryAction(L"最小化"));
    EXPECT_FALSE(IsGeometryAction(L"[Enter]"));
}

TEST(RulePlan, ReadsPriorityLevels) {
    const struct {
        const wchar_t* action;
        std::optional<std::uint32_t> priorityClass;
    } cases[] = {
        {L"優先度：通常", 0x20},       {L"優先度：低", 0x40},         {L"優先度：高", 0x80},
        {L"優先度：通常以下", 0x4000}, {L"優先度：通常以上", 0x8000}, {L"優先度：最高", 0x20},
        {L"優先度：", std::nullopt},   {L"通常", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PriorityClassOf(c.action), c.priorityClass);
    }
}

TEST(RulePlan, ReadsOpacityPercents) {
    EXPECT_EQ(OpacityPercentOf(L"半透明：50%"), 50);
    EXPECT_EQ(OpacityPercentOf(L"半透明：100%"), 100);
    EXPECT_EQ(OpacityPercentOf(L"半透明：80"), 8) << "the last character is taken for the %";
    EXPECT_EQ(OpacityPercentOf(L"半透明：x%"), 0);
    EXPECT_EQ(OpacityPercentOf(L"半透明："), std::nullopt);
    EXPECT_EQ(OpacityPercentOf(L"最小化"), std::nullopt);
}

TEST(RulePlan, ReadsKeyTextAfterTheMarker) {
    EXPECT_EQ(KeyTextOf(L"[キー]Ctrl+A"), L"Ctrl+A");
    EXPECT_EQ(KeyTextOf(L"[キー]"), std::nullopt);
    EXPECT_EQ(KeyTextOf(L"[Enter]"), std::nullopt);
}

TEST(RulePlan, MessageConditionsSeeLineBreaksAsMarkers) {
    EXPECT_EQ(NormaliseMessageText(L"a\r\nb\rc\nd\r\r\n\n\re"),
              L"a{改行}b{改行}c{改行}d{改行}{改行}{改行}{改行}e");
    EXPECT_TRUE(MessageConditionHolds(L"保存しますか？{改行}変更", L"保存しますか？\r\n変更は"));
    EXPECT_FALSE(MessageConditionHolds(L"保存しますか？{改行}変更", L"保存しますか？ 変更は"));
    EXPECT_FALSE(MessageConditionHolds(L"保存", L""));
}

} // namespace
} // namespace velmado::rules
