#include "rules/win/rule_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/win/files.h"
#include "common/win/handles.h"
#include "rules/rule_file.h"
#include "storage/win/test_folder.h"

namespace velmado::rules {
namespace {

using Lines = std::vector<std::wstring>;

std::string Utf16LE(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

common::Rect VirtualDesktop() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

Rule TakenRule() {
    Rule rule;
    rule[Rule::Program] = L"C:\\Tools\\規則.exe";
    rule[Rule::ClassName] = L"Frame";
    rule[Rule::Action] = L"最小化";
    rule[Rule::Multiple] = L"しない";
    rule[Rule::Handle] = L"65552";
    return rule;
}

class RuleStoreTest : public storage::TestFolder {
protected:
    storage::DataFiles Files() const { return storage::DataFiles::In(Path(L"")); }
};

TEST_F(RuleStoreTest, SaveWritesUtf16LEWithAMarkAndLoadReadsItBack) {
    RuleStore store(Files());
    RuleList rules{TakenRule()};
    rules[0].enabled = false;
    ASSERT_TRUE(store.Save(Path(L"Rules.ibk"), rules));
    EXPECT_TRUE(rules[0][Rule::Handle].empty());
    EXPECT_EQ(Contents(L"Rules.ibk"),
              Utf16LE(L"[List]\r\nCount=0\r\n\r\n[Window0]\r\nEnabled=0\r\n"
                      L"0=C:\\Tools\\規則.exe\r\n1=\r\n2=\r\n3=Frame\r\n4=最小化\r\n5=\r\n6=\r\n"
                      L"7=\r\n8=\r\n9=\r\n10=\r\n11=しない\r\n12=\r\n13=\r\n14=\r\n15=\r\n\r\n"));
    EXPECT_EQ(store.Recent(), Lines{Path(L"Rules.ibk")});

    const LoadedRules loaded = RuleStore::ReadRules(Path(L"Rules.ibk"));
    EXPECT_EQ(loaded.rules, rules);
    EXPECT_EQ(loaded.dropped, 0u);
}

TEST_F(RuleStoreTest, ARuleSaveKeepsTheDialogSectionAndWritesAUtf8FileBackAsUtf16LE) {
    Plant(L"Rules.ibk", "\xEF\xBB\xBF[List]\r\nCount=-1\r\n");
    ASSERT_TRUE(RuleStore::WriteDialogRect(Path(L"Rules.ibk"), {-1500, 20, 640, 480}));
    EXPECT_EQ(Contents(L"Rules.ibk"),
              Utf16LE(L"[List]\r\nCount=-1\r\n\r\n[Dialog]\r\nLeft=-1500\r\n"
                      L"Top=20\r\nWidth=640\r\nHeight=480\r\n\r\n"));

    RuleStore store(Files());
    RuleList rules{TakenRule(), TakenRule()};
    ASSERT_TRUE(store.Save(Path(L"Rules.ibk"), rules));
    EXPECT_EQ(RuleStore::ReadDialogRect(Path(L"Rules.ibk")), (common::XYWH{-1500, 20, 640, 480}));
    EXPECT_EQ(RuleStore::ReadRules(Path(L"Rules.ibk")).rules, rules);
    EXPECT_EQ(RuleStore::ReadDialogRect(Path(L"Missing.ibk")),
              (common::XYWH{-100, -100, -100, -100}));
}

TEST_F(RuleStoreTest, AHeldRuleFileStaysAsItWasAndIsNotRecorded) {
    Plant(L"Rules.ibk", Utf16LE(L"[Dialog]\r\nLeft=5\r\n"));
    const std::string before = Contents(L"Rules.ibk");
    RuleStore store(Files());
    RuleList rules{TakenRule()};
    {
        const win::UniqueFile held(CreateFileW(Path(L"Rules.ibk").c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(store.Save(Path(L"Rules.ibk"), rules));
        EXPECT_FALSE(RuleStore::WriteDialogRect(Path(L"Rules.ibk"), {1, 2, 3, 4}));
    }
    EXPECT_EQ(Contents(L"Rules.ibk"), before);
    EXPECT_TRUE(store.Recent().empty());
}

TEST_F(RuleStoreTest, LoadCreatesTheDefaultFileAndRecordsTheRuleFile) {
    RuleStore store(Files());
    EXPECT_EQ(store.DefaultRuleFile(), Path(L"Window.ibk"));
    RuleList rules{TakenRule()};
    ASSERT_TRUE(store.Save(Path(L"Rules.ibk"), rules));
    store.Recent().clear();

    const LoadedRules loaded = store.Load(Path(L"Rules.ibk"));
    EXPECT_TRUE(loaded.error.empty()) << loaded.error;
    EXPECT_EQ(loaded.rules, rules);
    EXPECT_EQ(Contents(L"Window.ibk"), "\xFF\xFE");
    EXPECT_EQ(store.Recent(), Lines{Path(L"Rules.ibk")});

    const std::string autoProfile = Contents(L"AutoProfile.ini");
    EXPECT_EQ(autoProfile, Utf16LE(L"[DesktopRect]\r\n" + DesktopKey(VirtualDesktop()) + L"=" +
                                   Path(L"Rules.ibk") + L"\r\n\r\n"));
    EXPECT_EQ(store.RuleFileForDesktop(VirtualDesktop()), Path(L"Rules.ibk"));
    EXPECT_EQ(store.RuleFileForDesktop({0, 0, 1, 1}), L"");

    // The default file, once there, is not rewritten; a missing rule file loads as no rules.
    Plant(L"Window.ibk", Utf16LE(L"[List]\r\nCount=0\r\n"));
    const LoadedRules missing = store.Load(Path(L"Missing.ibk"));
    EXPECT_TRUE(missing.rules.empty());
    EXPECT_EQ(Contents(L"Window.ibk"), Utf16LE(L"[List]\r\nCount=0\r\n"));
    EXPECT_EQ(store.Recent(), Lines{Path(L"Rules.ibk")});
    EXPECT_EQ(store.RuleFileForDesktop(VirtualDesktop()), Path(L"Missing.ibk"));
}

TEST_F(RuleStoreTest, OtherDesktopsKeepTheirEntriesAndAnEmptyPathIsNeverRecorded) {
    Plant(L"AutoProfile.ini", Utf16LE(L"[DesktopRect]\r\n0,0x3840,1080=D:\\Wide.ibk\r\n"
                                      L"[Monitor]\r\nCount2=D:\\Two.pwm\r\n")
                                  .substr(2)); // read as UTF-16LE also without a mark
    RuleStore store(Files());
    ASSERT_TRUE(store.RecordForDesktop(Path(L"Rules.ibk"), {-1920, 0, 1920, 1200}));
    ASSERT_TRUE(store.RecordForDesktop(L"", {0, 0, 3840, 1080}));
    store.AddRecent(L"");
    EXPECT_TRUE(store.Recent().empty());
    EXPECT_EQ(Contents(L"AutoProfile.ini"),
              Utf16LE(L"[DesktopRect]\r\n0,0x3840,1080=D:\\Wide.ibk\r\n-1920,0x1920,1200=" +
                      Path(L"Rules.ibk") + L"\r\n\r\n[Monitor]\r\nCount2=D:\\Two.pwm\r\n\r\n"));
}

TEST_F(RuleStoreTest, RecentListIsCleanedOnLoadingAndSavedAsUtf16LE) {
    const std::wstring home = Path(L"Home.ibk");
    const std::wstring office = Path(L"Office Layout Rules.ibk");
    Plant(L"Home.ibk", "");
    Plant(L"Office Layout Rules.ibk", "");
    const std::wstring officeShort = ShortPath(office);
    ASSERT_FALSE(officeShort.empty());
    ASSERT_NE(officeShort, office) << "no 8.3 names on this file system";

    std::wstring lines;
    for (const std::wstring& line :
         {officeShort, home, Path(L"Gone.ibk"), office, std::wstring(), home}) {
        lines += line + L"\r\n";
    }
    Plant(L"WindowMRU.ini", Utf16LE(lines));

    RuleStore store(Files());
    store.LoadRecent();
    EXPECT_EQ(store.Recent(), (Lines{home, office}));

    store.AddRecent(officeShort);
    EXPECT_EQ(store.Recent(), (Lines{office, home})) << "stored in long form, no duplicate";
    ASSERT_TRUE(store.SaveRecent());
    EXPECT_EQ(Contents(L"WindowMRU.ini"), Utf16LE(office + L"\r\n" + home + L"\r\n"));
}

TEST_F(RuleStoreTest, RecentListHoldsTenFiles) {
    std::wstring lines;
    Lines files;
    for (int i = 0; i < 12; ++i) {
        const std::wstring name = L"R" + std::to_wstring(i) + L".ibk";
        Plant(name, "");
        files.push_back(Path(name));
        lines += Path(name) + L"\r\n";
    }
    Plant(L"WindowMRU.ini", Utf16LE(lines));
    RuleStore store(Files());
    store.LoadRecent();
    EXPECT_EQ(store.Recent(), Lines(files.begin(), files.begin() + 10));

    store.AddRecent(files[11]);
    ASSERT_EQ(store.Recent().size(), 10u);
    EXPECT_EQ(store.Recent().front(), files[11]);
    EXPECT_EQ(store.Recent().back(), files[8]);
}

} // namespace
} // namespace velmado::rules
