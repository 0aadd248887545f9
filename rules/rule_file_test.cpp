#include "rules/rule_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace velmado::rules {
namespace {

using storage::IniDocument;

Rule EditorRule() {
    Rule rule;
    rule[Rule::Program] = L"D:\\Tools\\Editor\\editor.exe";
    rule[Rule::Caption] = L"無題 - エディタ";
    rule[Rule::Match] = L"全部";
    rule[Rule::ClassName] = L"EditorFrame";
    rule[Rule::Action] = L"通常";
    rule[Rule::Left] = L"100";
    rule[Rule::Top] = L"80";
    rule[Rule::Width] = L"800";
    rule[Rule::Height] = L"600";
    return rule;
}

Rule ProgramRule(const std::wstring& program, bool enabled = true) {
    Rule rule;
    rule.enabled = enabled;
    rule[Rule::Program] = program;
    rule[Rule::Action] = L"最小化";
    return rule;
}

// The document as the next run finds it on disk.
IniDocument Reread(const IniDocument& ini) {
    return IniDocument::Parse(ini.Serialize(), storage::Encoding::Utf16LE);
}

TEST(RuleFile, FreshOneRuleFileHasTheListThenTheRuleWithEveryKeyInOrder) {
    RuleList rules{EditorRule()};
    rules[0][Rule::Handle] = L"1442";
    IniDocument ini;
    WriteRuleList(rules, ini);
    EXPECT_EQ(ini.Serialize(), L"[List]\r\nCount=0\r\n\r\n"
                               L"[Window0]\r\nEnabled=1\r\n"
                               L"0=D:\\Tools\\Editor\\editor.exe\r\n1=無題 - エディタ\r\n"
                               L"2=全部\r\n3=EditorFrame\r\n4=通常\r\n5=100\r\n6=80\r\n7=800\r\n"
                               L"8=600\r\n9=\r\n10=\r\n11=\r\n12=\r\n13=\r\n14=\r\n15=\r\n\r\n");
    EXPECT_TRUE(rules[0][Rule::Handle].empty()) << "a save forgets the window a rule has taken";

    const ReadRulesResult read = ReadRuleList(Reread(ini));
    EXPECT_EQ(read.rules, rules);
    EXPECT_EQ(read.dropped, 0u);
}

TEST(RuleFile, AnEmptyListIsWrittenAsCountMinusOneAndReadsAsNoRules) {
    RuleList none;
    IniDocument ini;
    WriteRuleList(none, ini);
    EXPECT_EQ(ini.Serialize(), L"[List]\r\nCount=-1\r\n\r\n");
    EXPECT_TRUE(ReadRuleList(Reread(ini)).rules.empty());
    EXPECT_TRUE(ReadRuleList(IniDocument{}).rules.empty()) << "a file without [List]";
}

TEST(RuleFile, ShrinkingLeavesTheOldSectionsInPlaceWithoutBringingThemBack) {
    RuleList ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back(ProgramRule(L"C:\\P" + std::to_wstring(i) + L".exe"));
    }
    IniDocument ini;
    WriteRuleList(ten, ini);
    ini = Reread(ini);

    RuleList five{ten[9], ten[8], ten[7], ten[6], ten[5]};
    five[0].enabled = false;
    WriteRuleList(five, ini);
    ini = Reread(ini);

    EXPECT_EQ(ini.ReadInteger(L"List", L"Count", 0), 4);
    for (int i = 5; i < 10; ++i) {
        const std::wstring section = L"Window" + std::to_wstring(i);
        EXPECT_EQ(ini.ReadString(section, L"0", L""), L"C:\\P" + std::to_wstring(i) + L".exe");
    }
    const std::vector<std::wstring> sections = ini.Sections();
    ASSERT_EQ(sections.size(), 11u);
    EXPECT_EQ(sections[0], L"List");
    EXPECT_EQ(sections[10], L"Window9");
    EXPECT_EQ(ReadRuleList(ini).rules, five);
}

TEST(RuleFile, OtherSectionsAndKeysSurviveARuleSave) {
    IniDocument ini;
    WriteDialogRect({40, 30, 700, 500}, ini);
    ini.WriteString(L"Window0", L"Note", L"kept");
    ini.WriteString(L"List", L"Owner", L"kept too");

    RuleList rules{EditorRule(), ProgramRule(L"C:\\b.exe", false)};
    WriteRuleList(rules, ini);
    ini = Reread(ini);

    EXPECT_EQ(ReadDialogRect(ini), (common::XYWH{40, 30, 700, 500}));
    EXPECT_EQ(ini.ReadString(L"Window0", L"Note", L""), L"kept");
    EXPECT_EQ(ini.ReadString(L"List", L"Owner", L""), L"kept too");
    EXPECT_EQ(ini.Sections(),
              (std::vector<std::wstring>{L"Dialog", L"Window0", L"List", L"Window1"}));
    EXPECT_EQ(ReadRuleList(ini).rules, rules);
}

TEST(RuleFile, DialogRectangleDefaultsToMinus100) {
    EXPECT_EQ(ReadDialogRect(IniDocument{}), (common::XYWH{-100, -100, -100, -100}));
    const IniDocument partial =
        IniDocument::Parse(L"[Dialog]\r\nLeft=12\r\nTop=x\r\nWidth=0x20\r\n");
    EXPECT_EQ(ReadDialogRect(partial), (common::XYWH{12, -100, 32, -100}));
}

TEST(RuleFile, EnabledFlagAndMissingKeysAsRead) {
    struct Case {
        const wchar_t* line; // the "Enabled" line of the section, or empty for none
        bool enabled;
    };
    const Case cases[] = {
        {L"", true},          {L"Enabled=1", true},    {L"Enabled=0", false},
        {L"Enabled=2", true}, {L"Enabled=ja", true},   {L"Enabled=", true},
        {L"Enabled", true},   {L"Enabled=0x0", false}, {L"enabled = 0", false},
    };
    for (const Case& c : cases) {
        const IniDocument ini = IniDocument::Parse(
            std::wstring(L"[List]\r\nCount=0\r\n[Window0]\r\n") + c.line + L"\r\n3=Frame\r\n");
        const ReadRulesResult read = ReadRuleList(ini);
        ASSERT_EQ(read.rules.size(), 1u) << c.line;
        EXPECT_EQ(read.rules[0].enabled, c.enabled) << c.line;
        Rule expected;
        expected.enabled = c.enabled;
        expected[Rule::ClassName] = L"Frame";
        EXPECT_EQ(read.rules[0], expected) << c.line;
    }
}

TEST(RuleFile, AHandleInTheFileBelongsToAnEarlierRunAndIsNotTaken) {
    const IniDocument ini = IniDocument::Parse(
        L"[List]\r\nCount=0\r\n[Window0]\r\n0=C:\\a.exe\r\n11=しない\r\n15=65552\r\n");
    const Rule rule = ReadRuleList(ini).rules.at(0);
    EXPECT_EQ(rule[Rule::Multiple], L"しない");
    EXPECT_TRUE(rule[Rule::Handle].empty());
}

TEST(RuleFile, CountBeyondTheCapacityKeepsTheFirstRulesAndReportsTheRest) {
    struct Case {
        int count;           // "Count" in the file
        int sections;        // "Window" sections actually present
        std::size_t rules;   // rules read
        std::size_t dropped; // reported as dropped
    };
    const Case cases[] = {
        {1004, 1005, 1000, 5}, {999, 1000, 1000, 0},
        {1000, 1001, 1000, 1}, {2147483647, 0, 1000, 2147482648u},
        {-1, 3, 0, 0},         {-2147483647 - 1, 3, 0, 0},
    };
    for (const Case& c : cases) {
        IniDocument ini;
        ini.WriteInteger(L"List", L"Count", c.count);
        for (int i = 0; i < c.sections; ++i) {
            ini.WriteString(L"Window" + std::to_wstring(i), L"0",
                            L"C:\\P" + std::to_wstring(i) + L".exe");
        }
        const ReadRulesResult read = ReadRuleList(ini);
        EXPECT_EQ(read.rules.size(), c.rules) << c.count;
        EXPECT_EQ(read.dropped, c.dropped) << c.count;
        if (c.sections >= 1000 && !read.rules.empty()) {
            EXPECT_EQ(read.rules.front()[Rule::Program], L"C:\\P0.exe");
            EXPECT_EQ(read.rules.back()[Rule::Program], L"C:\\P999.exe");
        }
    }
    EXPECT_TRUE(ReadRuleList(IniDocument::Parse(L"[List]\r\nCount=many\r\n")).rules.empty());
}

TEST(RuleFile, ValuesLoseLeadingAndTrailingBlanksOnTheWayBack) {
    Rule rule = EditorRule();
    rule[Rule::Caption] = L"  無題 - エディタ \t";
    RuleList rules{rule};
    IniDocument ini;
    WriteRuleList(rules, ini);
    EXPECT_EQ(ReadRuleList(Reread(ini)).rules.at(0)[Rule::Caption], L"無題 - エディタ");
}

// Covered when a rule in the list has the same program (any case) and, if it names one, the
// same class: enough to see which rules the import asks about and in which order.
struct FakeMatcher {
    const RuleList& rules;
    std::vector<std::wstring> asked;
    bool operator()(const std::wstring& program, const std::wstring& caption,
                    const std::wstring& className, const std::wstring& style) {
        asked.push_back(program + L"|" + caption + L"|" + className + L"|" + style);
        return std::any_of(rules.begin(), rules.end(), [&](const Rule& r) {
            return Upper(r[Rule::Program]) == Upper(program) &&
                   (r[Rule::ClassName].empty() || r[Rule::ClassName] == className);
        });
    }
    static std::wstring Upper(std::wstring text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; });
        return text;
    }
};

TEST(RuleFile, ImportAppendsOnlyRulesThatNoRuleCoversYet) {
    RuleList rules{ProgramRule(L"C:\\A.exe")};
    Rule styled = EditorRule();
    styled[Rule::Style] = L"94C80000";
    styled.enabled = false;
    const RuleList incoming{ProgramRule(L"c:\\a.EXE"), styled, ProgramRule(L"C:\\B.exe"),
                            ProgramRule(L"C:\\B.exe", false)};
    FakeMatcher matcher{rules, {}};
    const ImportResult result = ImportRules(incoming, rules, std::ref(matcher));

    EXPECT_EQ(result.appended, 2u);
    EXPECT_EQ(result.refused, 0u);
    EXPECT_EQ(rules, (RuleList{ProgramRule(L"C:\\A.exe"), styled, ProgramRule(L"C:\\B.exe")}))
        << "the second B rule is covered by the first one appended";
    EXPECT_EQ(matcher.asked[1],
              L"D:\\Tools\\Editor\\editor.exe|無題 - エディタ|EditorFrame|94C80000");

    // A file imported into itself adds nothing.
    const RuleList same = rules;
    EXPECT_EQ(ImportRules(same, rules, std::ref(matcher)).appended, 0u);
    EXPECT_EQ(rules, same);
}

TEST(RuleFile, ImportStopsAtTheCapacity) {
    RuleList rules;
    for (std::size_t i = 0; i + 1 < kMaxRules; ++i) {
        rules.push_back(ProgramRule(L"C:\\Old" + std::to_wstring(i) + L".exe"));
    }
    const RuleList incoming{ProgramRule(L"C:\\Old0.exe"), ProgramRule(L"C:\\New1.exe"),
                            ProgramRule(L"C:\\New2.exe"), ProgramRule(L"C:\\New3.exe")};
    FakeMatcher matcher{rules, {}};
    const ImportResult result = ImportRules(incoming, rules, std::ref(matcher));
    EXPECT_EQ(result.appended, 1u);
    EXPECT_EQ(result.refused, 2u);
    ASSERT_EQ(rules.size(), kMaxRules);
    EXPECT_EQ(rules.back()[Rule::Program], L"C:\\New1.exe");
}

TEST(RuleFile, DesktopKeyIsLeftTopByRightBottom) {
    EXPECT_EQ(DesktopKey({0, 0, 3840, 1080}), L"0,0x3840,1080");
    EXPECT_EQ(DesktopKey({-1920, 0, 1920, 1200}), L"-1920,0x1920,1200");
    EXPECT_EQ(DesktopKey({0, -1080, 1920, 1080}), L"0,-1080x1920,1080");
}

// A file system of a few files, each known by its long path and optionally by a short alias.
struct FakeFiles {
    std::map<std::wstring, std::wstring> stored; // upper-cased name -> long form
    static std::wstring Upper(const std::wstring& text) { return FakeMatcher::Upper(text); }
    common::MruFileSystem System() const {
        return {[this](const std::wstring& p) { return stored.count(Upper(p)) > 0; },
                [this](const std::wstring& p) {
                    const auto it = stored.find(Upper(p));
                    return it == stored.end() ? p : it->second;
                },
                [](const std::wstring& a, const std::wstring& b) { return Upper(a) == Upper(b); }};
    }
};

TEST(RuleFile, RecentRuleFilesAreCleanedFromTheLastEntryToTheFirst) {
    FakeFiles files;
    files.stored = {{L"C:\\RULES\\HOME.IBK", L"C:\\Rules\\Home.ibk"},
                    {L"C:\\RULES\\OFFICE LAYOUT.IBK", L"C:\\Rules\\Office Layout.ibk"},
                    {L"C:\\RULES\\OFFICE~1.IBK", L"C:\\Rules\\Office Layout.ibk"},
                    {L"C:\\RULES\\TRAVEL.IBK", L"C:\\Rules\\Travel.ibk"}};
    struct Case {
        const char* name;
        std::vector<std::wstring> items;
        std::vector<std::wstring> kept;
    };
    const Case cases[] = {
        {"all fine",
         {L"C:\\Rules\\Home.ibk", L"C:\\Rules\\Travel.ibk"},
         {L"C:\\Rules\\Home.ibk", L"C:\\Rules\\Travel.ibk"}},
        {"missing file",
         {L"C:\\Rules\\Gone.ibk", L"C:\\Rules\\Home.ibk"},
         {L"C:\\Rules\\Home.ibk"}},
        {"short form alone",
         {L"C:\\Rules\\OFFICE~1.IBK", L"C:\\Rules\\Home.ibk"},
         {L"C:\\Rules\\Home.ibk"}},
        {"short form before its long form",
         {L"C:\\Rules\\OFFICE~1.IBK", L"C:\\Rules\\Office Layout.ibk"},
         {L"C:\\Rules\\Office Layout.ibk"}},
        {"later duplicate in other case",
         {L"C:\\Rules\\Home.ibk", L"C:\\Rules\\Travel.ibk", L"c:\\rules\\home.ibk"},
         {L"C:\\Rules\\Home.ibk", L"C:\\Rules\\Travel.ibk"}},
        {"empty lines", {L"", L"C:\\Rules\\Home.ibk", L""}, {L"C:\\Rules\\Home.ibk"}},
        {"empty list", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> items = c.items;
        CleanRecentRuleFiles(items, files.System());
        EXPECT_EQ(items, c.kept) << c.name;
    }
}

} // namespace
} // namespace velmado::rules
