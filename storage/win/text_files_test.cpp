#include "storage/win/text_files.h"

#include "common/win/handles.h"
#include "storage/win/ansi_code_page.h"
#include "storage/win/test_folder.h"

#include <gtest/gtest.h>

namespace velmado::storage {
namespace {

using Lines = std::vector<std::wstring>;
using TextFiles = TestFolder;

std::string Utf16LE(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

TEST_F(TextFiles, Utf8ConfigIsReadAndWrittenBackAsUtf16LE) {
    Plant(L"Config.ini",
          "\xEF\xBB\xBF[Window]\r\nEnable=0\r\n[Other]\r\nName=\xE8\xA6\x8F\xE5\x89\x87\r\n");
    IniDocument ini = LoadIniFile(Path(L"Config.ini"));
    EXPECT_EQ(ini.encoding(), Encoding::Utf8);
    EXPECT_FALSE(ini.ReadBool(L"Window", L"Enable", true));
    ini.WriteInteger(L"Start", L"Delay", 3);
    ASSERT_TRUE(SaveIniFile(ini, Path(L"Config.ini"), Encoding::Utf16LE));
    EXPECT_EQ(Contents(L"Config.ini"),
              Utf16LE(L"[Window]\r\nEnable=0\r\n\r\n[Other]\r\nName=規則\r\n\r\n"
                      L"[Start]\r\nDelay=3\r\n\r\n"));
    EXPECT_EQ(LoadIniFile(Path(L"Config.ini")).encoding(), Encoding::Utf16LE);
}

TEST_F(TextFiles, SavingInTheEncodingFoundKeepsIt) {
    Plant(L"Icon.ini", "\xEF\xBB\xBF[Default]\r\nCount=0\r\n");
    IniDocument icons = LoadIniFile(Path(L"Icon.ini"));
    icons.WriteInteger(L"Default", L"Count", 1);
    ASSERT_TRUE(SaveIniFile(icons, Path(L"Icon.ini")));
    EXPECT_EQ(Contents(L"Icon.ini"), "\xEF\xBB\xBF[Default]\r\nCount=1\r\n\r\n");

    // A new WorkArea.ini is ANSI, and stays so on the next save.
    IniDocument area = LoadIniFile(Path(L"WorkArea.ini"));
    EXPECT_TRUE(area.Sections().empty());
    area.WriteBool(L"Monitor0", L"Enabled", true);
    ASSERT_TRUE(SaveIniFile(area, Path(L"WorkArea.ini")));
    EXPECT_EQ(Contents(L"WorkArea.ini"), "[Monitor0]\r\nEnabled=1\r\n\r\n");
    area = LoadIniFile(Path(L"WorkArea.ini"));
    EXPECT_EQ(area.encoding(), Encoding::Ansi);
    area.WriteInteger(L"Monitor0", L"Top", 10);
    ASSERT_TRUE(SaveIniFile(area, Path(L"WorkArea.ini")));
    EXPECT_EQ(Contents(L"WorkArea.ini"), "[Monitor0]\r\nEnabled=1\r\nTop=10\r\n\r\n");
}

TEST_F(TextFiles, OwnersThatNameUtf16LEReadFilesWithoutAMark) {
    std::string unmarked = Utf16LE(L"[DesktopRect]\r\n0,0x1920,1080=C:\\規則.ibk\r\n");
    unmarked.erase(0, 2);
    Plant(L"AutoProfile.ini", unmarked);
    const IniDocument ini = LoadIniFile(Path(L"AutoProfile.ini"), Encoding::Utf16LE);
    EXPECT_EQ(ini.ReadString(L"DesktopRect", L"0,0x1920,1080", L""), L"C:\\規則.ibk");
    EXPECT_EQ(LoadIniFile(Path(L"Missing.pwm"), Encoding::Utf16LE).encoding(), Encoding::Utf16LE);
}

TEST_F(TextFiles, JapaneseTextRoundTripsThroughCodePage932) {
    if (GetACP() != 932) {
        GTEST_SKIP() << "needs the Japanese ANSI code page, found " << GetACP();
    }
    IniDocument ini;
    ini.WriteString(L"Default", L"Capion0", L"ごみ箱・メモ帳");
    ASSERT_TRUE(SaveIniFile(ini, Path(L"Icon.ini")));
    EXPECT_EQ(Contents(L"Icon.ini"), "[Default]\r\nCapion0=\x82\xB2\x82\xDD\x94\xA0\x81\x45"
                                     "\x83\x81\x83\x82\x92\xA0\r\n\r\n");
    const IniDocument reread = LoadIniFile(Path(L"Icon.ini"));
    EXPECT_EQ(reread.encoding(), Encoding::Ansi);
    EXPECT_EQ(reread.ReadString(L"Default", L"Capion0", L""), L"ごみ箱・メモ帳");
}

TEST_F(TextFiles, AnAnsiFileBecomesUtf16LERatherThanLoseCharacters) {
    // Hangul and the euro sign are not in code page 932 (nor U+0100 in 1252).
    IniDocument ini;
    ini.WriteString(L"Default", L"Capion0", L"휴지통 \u20AC \u0100");
    ASSERT_TRUE(SaveIniFile(ini, Path(L"Icon.ini")));
    EXPECT_EQ(Contents(L"Icon.ini").substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(LoadIniFile(Path(L"Icon.ini")).ReadString(L"Default", L"Capion0", L""),
              L"휴지통 \u20AC \u0100");
    EXPECT_FALSE(SystemAnsiCodePage().ToNarrow(L"\u0100").lossless);
    EXPECT_TRUE(SystemAnsiCodePage().ToNarrow(L"abc").lossless);
}

TEST_F(TextFiles, ListsAreWrittenInTheirEncodingAndReadBack) {
    const Lines mru{L"C:\\規則\\a.ibk", L"", L" b "};
    ASSERT_TRUE(SaveListToFile(mru, Path(L"WindowMRU.ini"), Encoding::Utf16LE));
    EXPECT_EQ(Contents(L"WindowMRU.ini"), Utf16LE(L"C:\\規則\\a.ibk\r\n\r\n b \r\n"));
    EXPECT_EQ(LoadListFromFile(Path(L"WindowMRU.ini")), mru);

    const Lines handles{L"65552", L"131844"};
    ASSERT_TRUE(SaveListToFile(handles, Path(L"Top.log"), Encoding::Ansi));
    EXPECT_EQ(Contents(L"Top.log"), "65552\r\n131844\r\n");
    EXPECT_EQ(LoadListFromFile(Path(L"Top.log")), handles);

    ASSERT_TRUE(SaveListToFile(Lines{}, Path(L"Hide.log"), Encoding::Ansi));
    EXPECT_EQ(Contents(L"Hide.log"), "");
    EXPECT_TRUE(LoadListFromFile(Path(L"Hide.log")).empty());
    EXPECT_TRUE(LoadListFromFile(Path(L"Missing.log")).empty());

    Plant(L"Snap.ini", "\xEF\xBB\xBF"
                       "a\nb\rc");
    EXPECT_EQ(LoadListFromFile(Path(L"Snap.ini")), (Lines{L"a", L"b", L"c"}));
}

TEST_F(TextFiles, AListInUseIsNotWritten) {
    Plant(L"Trans.log", "1\r\n");
    {
        const win::UniqueFile holder(CreateFileW(Path(L"Trans.log").c_str(), GENERIC_READ, 0,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                 nullptr));
        ASSERT_TRUE(holder);
        const FileStatus status = SaveListToFile(Lines{L"2"}, Path(L"Trans.log"), Encoding::Ansi);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.result, FileResult::InUse);
    }
    EXPECT_EQ(Contents(L"Trans.log"), "1\r\n");
    EXPECT_EQ(FileNames(), Lines{L"Trans.log"});
}

} // namespace
} // namespace velmado::storage
