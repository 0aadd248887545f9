#include "rules/rule_registration.h"

#include <functional>

#include <gtest/gtest.h>

namespace velmado::rules {
namespace {

Registration EditorWindow() {
    Registration r;
    r.program = L"C:\\Tools\\Editor\\editor.exe";
    r.caption = L"無題 - エディタ";
    r.className = L"EditorFrame";
    r.styleText = L"14cf0000";
    r.rect = {100, 80, 800, 600};
    return r;
}

// Fields Caption … Style joined by "|", so that a table row shows the whole rule.
std::wstring Summary(const Rule& rule) {
    std::wstring text;
    for (std::size_t f = Rule::Caption; f <= Rule::Style; ++f) {
        text += (f == Rule::Caption ? L"" : L"|") + rule.fields[f];
    }
    return text;
}

TEST(RuleRegistration, BuildsTheRuleFromThePage) {
    using Edit = std::function<void(Registration&)>;
    const struct {
        const char* what;
        Edit edit;
        std::wstring expected;
    } cases[] = {
        {"normal, position and size", [](Registration&) {},
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600||||||"},
        {"maximise", [](Registration& r) { r.size = SizeChoice::Maximize; },
         L"無題 - エディタ|全部|EditorFrame|最大化|100|80|800|600||||||"},
        {"minimise", [](Registration& r) { r.size = SizeChoice::Minimize; },
         L"無題 - エディタ|全部|EditorFrame|最小化||||||||||"},
        {"hide", [](Registration& r) { r.size = SizeChoice::Hide; },
         L"無題 - エディタ|全部|EditorFrame|隠す||||||||||"},
        {"full screen",
         [](Registration& r) {
             r.size = SizeChoice::FullScreen;
             r.hideTaskbar = true;
         },
         L"無題 - エディタ|全部|EditorFrame|全画面|100|80|800|600||非表示||||"},
        {"close", [](Registration& r) { r.size = SizeChoice::Close; },
         L"無題 - エディタ|全部|EditorFrame|閉じる||||||||||"},
        {"enter", [](Registration& r) { r.size = SizeChoice::Enter; },
         L"無題 - エディタ|全部|EditorFrame|[Enter]||||||||||"},
        {"esc", [](Registration& r) { r.size = SizeChoice::Esc; },
         L"無題 - エディタ|全部|EditorFrame|[Esc]||||||||||"},
        {"key",
         [](Registration& r) {
             r.size = SizeChoice::Key;
             r.keyText = L"Ctrl+Shift+S";
         },
         L"無題 - エディタ|全部|EditorFrame|[キー]Ctrl+Shift+S||||||||||"},
        {"priority with topmost",
         [](Registration& r) {
             r.size = SizeChoice::Priority;
             r.priorityText = L"通常以上";
             r.topmost = true;
         },
         L"無題 - エディタ|全部|EditorFrame|優先度：通常以上||||||||する||"},
        {"opacity",
         [](Registration& r) {
             r.size = SizeChoice::Opacity;
             r.opacityPercent = 85;
         },
         L"無題 - エディタ|全部|EditorFrame|半透明：85%||||||||||"},
        {"opacity beyond its range",
         [](Registration& r) {
             r.size = SizeChoice::Opacity;
             r.opacityPercent = 0;
         },
         L"無題 - エディタ|全部|EditorFrame|半透明：10%||||||||||"},
        {"key without a key falls back to normal",
         [](Registration& r) { r.size = SizeChoice::Key; },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600||||||"},
        {"unknown priority level falls back to normal",
         [](Registration& r) {
             r.size = SizeChoice::Priority;
             r.priorityText = L"最高";
         },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600||||||"},
        {"partial caption only",
         [](Registration& r) {
             r.capCls = CapClsChoice::Caption;
             r.partial = true;
             r.caption = L"エディタ";
         },
         L"エディタ|一部||通常|100|80|800|600||||||"},
        {"class only ignores the partial flag",
         [](Registration& r) {
             r.capCls = CapClsChoice::Class;
             r.partial = true;
         },
         L"||EditorFrame|通常|100|80|800|600||||||"},
        {"position only", [](Registration& r) { r.posSize = PosSizeChoice::Position; },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80||||||||"},
        {"size only", [](Registration& r) { r.posSize = PosSizeChoice::Size; },
         L"無題 - エディタ|全部|EditorFrame|通常|||800|600||||||"},
        {"fixed position and size", [](Registration& r) { r.fixed = true; },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600|位置大きさ|||||"},
        {"fixed position",
         [](Registration& r) {
             r.fixed = true;
             r.posSize = PosSizeChoice::Position;
         },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|||位置|||||"},
        {"fixed size",
         [](Registration& r) {
             r.fixed = true;
             r.posSize = PosSizeChoice::Size;
         },
         L"無題 - エディタ|全部|EditorFrame|通常|||800|600|大きさ|||||"},
        {"fixed minimise",
         [](Registration& r) {
             r.fixed = true;
             r.size = SizeChoice::Minimize;
         },
         L"無題 - エディタ|全部|EditorFrame|最小化|||||位置大きさ|||||"},
        {"anchored at the right and bottom", [](Registration& r) { r.rightBottom = true; },
         L"無題 - エディタ|全部|EditorFrame|通常|(右下基準)900|(右下基準)680|800|600||||||"},
        {"anchored position only",
         [](Registration& r) {
             r.rightBottom = true;
             r.posSize = PosSizeChoice::Position;
         },
         L"無題 - エディタ|全部|EditorFrame|通常|(右下基準)900|(右下基準)680||||||||"},
        {"an anchored edge beyond the integer range is kept within it",
         [](Registration& r) {
             r.rightBottom = true;
             r.rect = {2147483000, 0, 1000, 10};
         },
         L"無題 - エディタ|全部|EditorFrame|通常|(右下基準)2147483647|(右下基準)10|1000|10||||||"},
        {"maximised window keeps its restored size",
         [](Registration& r) {
             r.size = SizeChoice::Maximize;
             r.rect = {-8, -8, 1936, 1056};
             r.restored = common::XYWH{200, 150, 1024, 700};
         },
         L"無題 - エディタ|全部|EditorFrame|最大化|-8|-8|1024|700||||||"},
        {"maximised and anchored: edges of the window, restored size",
         [](Registration& r) {
             r.size = SizeChoice::Maximize;
             r.rightBottom = true;
             r.rect = {-8, -8, 1936, 1056};
             r.restored = common::XYWH{200, 150, 1024, 700};
         },
         L"無題 - エディタ|全部|EditorFrame|最大化|(右下基準)1928|(右下基準)1048|1024|700||||||"},
        {"a maximised window registered as normal keeps its current size",
         [](Registration& r) {
             r.rect = {-8, -8, 1936, 1056};
             r.restored = common::XYWH{200, 150, 1024, 700};
         },
         L"無題 - エディタ|全部|EditorFrame|通常|-8|-8|1936|1056||||||"},
        {"options, message and style",
         [](Registration& r) {
             r.onlyOne = true;
             r.useMessage = true;
             r.messageMemo = L"保存しますか?\r\n変更は失われます";
             r.useStyle = true;
         },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600|||しない||保存しますか?{改行}"
         L"変更は失われます|14CF0000"},
        {"message and style left out when not chosen",
         [](Registration& r) { r.messageMemo = L"保存しますか?"; },
         L"無題 - エディタ|全部|EditorFrame|通常|100|80|800|600||||||"},
    };
    for (const auto& c : cases) {
        Registration r = EditorWindow();
        c.edit(r);
        const Rule rule = BuildRule(r);
        EXPECT_EQ(Summary(rule), c.expected) << c.what;
        EXPECT_EQ(rule[Rule::Action], ActionText(r)) << c.what;
        EXPECT_TRUE(rule.enabled) << c.what;
        EXPECT_EQ(rule[Rule::Program], r.program) << c.what;
        EXPECT_EQ(rule[Rule::Handle], L"") << c.what;
    }
}

TEST(RuleRegistration, ActionCategories) {
    const struct {
        std::wstring action;
        ActionCategory category;
    } cases[] = {
        {L"通常", ActionCategory::WindowState},    {L"最大化", ActionCategory::WindowState},
        {L"閉じる", ActionCategory::WindowState},  {L"[Enter]", ActionCategory::Enter},
        {L"[Esc]", ActionCategory::Esc},           {L"[キー]Enter", ActionCategory::Key},
        {L"[キー]", ActionCategory::Key},          {L"優先度：低", ActionCategory::Priority},
        {L"半透明：50%", ActionCategory::Opacity}, {L"", ActionCategory::None},
        {L"[enter]", ActionCategory::None},        {L"通常 ", ActionCategory::None},
        {L"優先度:低", ActionCategory::None}, // ASCII colon
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CategoryOf(c.action), c.category) << testing::PrintToString(c.action);
    }
}

Rule Existing(const std::wstring& program, const std::wstring& className,
              const std::wstring& action) {
    Rule rule;
    rule[Rule::Program] = program;
    rule[Rule::ClassName] = className;
    rule[Rule::Action] = action;
    return rule;
}

TEST(RuleRegistration, AsksToReplaceOnlyARuleOfTheSameCategory) {
    const std::wstring editor = L"c:\\tools\\editor\\EDITOR.EXE";
    const RuleList rules = {
        Existing(L"C:\\Other\\other.exe", L"EditorFrame", L"最小化"),
        Existing(editor, L"EditorFrame", L"[Enter]"),
        Existing(editor, L"EditorFrame", L"通常"),
        Existing(editor, L"EditorFrame", L"閉じる"),
        Existing(editor, L"OtherFrame", L"[Esc]"),
        Existing(editor, L"EditorFrame", L"半透明：80%"),
        Existing(editor, L"EditorFrame", L"ガラクタ"),
    };
    using Edit = std::function<void(Registration&)>;
    const struct {
        const char* what;
        Edit edit;
        std::optional<std::size_t> expected;
    } cases[] = {
        {"normal beside normal: the lowest of the category", [](Registration&) {}, 2},
        {"another window state", [](Registration& r) { r.size = SizeChoice::Hide; }, 2},
        {"enter beside normal and enter", [](Registration& r) { r.size = SizeChoice::Enter; }, 1},
        {"esc: the esc rule is for another class",
         [](Registration& r) { r.size = SizeChoice::Esc; }, std::nullopt},
        {"key: no key rule yet",
         [](Registration& r) {
             r.size = SizeChoice::Key;
             r.keyText = L"Enter";
         },
         std::nullopt},
        {"opacity with another percent",
         [](Registration& r) {
             r.size = SizeChoice::Opacity;
             r.opacityPercent = 30;
         },
         5},
        {"priority: none",
         [](Registration& r) {
             r.size = SizeChoice::Priority;
             r.priorityText = L"高";
         },
         std::nullopt},
        {"another program", [](Registration& r) { r.program = L"C:\\Other\\other.exe"; }, 0},
    };
    for (const auto& c : cases) {
        Registration r = EditorWindow();
        c.edit(r);
        EXPECT_EQ(RuleToReRegister(rules, r), c.expected) << c.what;
    }
}

TEST(RuleRegistration, ReRegisterLooksOnlyAtFlaggedRules) {
    const RuleList rules = {Existing(L"a.exe", L"", L"通常"), Existing(L"a.exe", L"", L"隠す")};
    MatchFlags flags{};
    flags[1] = true;
    EXPECT_EQ(RuleToReRegister(rules, flags, L"最大化"), 1u);
    EXPECT_EQ(RuleToReRegister(rules, flags, L"[Enter]"), std::nullopt);
    // Flags beyond the list are stale and ignored; an action of no category asks nothing.
    flags[5] = true;
    EXPECT_EQ(RuleToReRegister(rules, flags, L"ガラクタ"), std::nullopt);
    flags[1] = false;
    EXPECT_EQ(RuleToReRegister(rules, flags, L"通常"), std::nullopt);
}

TEST(RuleRegistration, RegisterAllowedForUsableWindowsWhileThereIsRoom) {
    EXPECT_TRUE(CanRegister(0, L"EditorFrame", {0, 0, 1, 1}));
    EXPECT_TRUE(CanRegister(kMaxRules - 1, L"EditorFrame", {-100, -100, 10, 10}));
    EXPECT_FALSE(CanRegister(kMaxRules, L"EditorFrame", {0, 0, 10, 10}));
    EXPECT_FALSE(CanRegister(0, L"TApplication", {0, 0, 10, 10}));
    EXPECT_FALSE(CanRegister(0, L"EditorFrame", {0, 0, 0, 10}));
    EXPECT_FALSE(CanRegister(0, L"EditorFrame", {0, 0, 10, -1}));
}

TEST(RuleRegistration, PositionText) {
    EXPECT_EQ(PositionText({100, 80, 800, 600}, false), L"左：100 上：80 横：800 縦：600");
    EXPECT_EQ(PositionText({100, 80, 800, 600}, true), L"右：900 下：680 横：800 縦：600");
    EXPECT_EQ(PositionText({-1920, -8, 1000, 500}, true), L"右：-920 下：492 横：1000 縦：500");
}

TEST(RuleRegistration, OpacityFromTheTwoChoices) {
    const struct {
        int tens, units, percent;
    } cases[] = {
        {0, 0, 10},  {0, 5, 15},  {4, 2, 52},  {8, 9, 99},   {9, 0, 100},
        {9, 5, 100}, {0, -1, 10}, {-1, 3, 13}, {12, 0, 100}, {2, 40, 39},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OpacityPercent(c.tens, c.units), c.percent) << c.tens << "+" << c.units;
    }
}

TEST(RuleRegistration, MemoAndMessageLineBreaks) {
    EXPECT_EQ(MemoToMessage(L"上書きしますか?\r\nはい\r\n"), L"上書きしますか?{改行}はい{改行}");
    // A lone CR or LF (pasted text) is a line break as well, as dialog texts are compared.
    EXPECT_EQ(MemoToMessage(L"a\nb\rc"), L"a{改行}b{改行}c");
    EXPECT_EQ(MemoToMessage(L""), L"");
    EXPECT_EQ(MessageToMemo(L"{改行}上書き{改行}{改行}"), L"\r\n上書き\r\n\r\n");
    EXPECT_EQ(MessageToMemo(L"{改行 と 改行}"), L"{改行 と 改行}");
    const std::wstring message = L"ファイル{改行}を{改行}保存";
    EXPECT_EQ(MemoToMessage(MessageToMemo(message)), message);
}

} // namespace
} // namespace velmado::rules
