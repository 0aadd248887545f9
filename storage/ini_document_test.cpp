#include "storage/ini_document.h"

#include "storage/latin1_code_page.h"

#include <gtest/gtest.h>

#include <random>

namespace velmado::storage {
namespace {

using Names = std::vector<std::wstring>;

TEST(IniDocument, LinesAreTrimmedSplitAtTheFirstEqualsAndCommentsSkipped) {
    const IniDocument ini = IniDocument::Parse(L"orphan=before any section\r\n"
                                               L"[  Window  ]\r\n"
                                               L"  \t Enable \t=\t 1 \t \r\n"
                                               L"; Enable=0\r\n"
                                               L"\r\n"
                                               L"   \r\n"
                                               L"Path=C:\\a=b.exe\r\n"
                                               L"Empty=\r\n"
                                               L"Bare key\r\n"
                                               L" ;Later=not a comment? yes it is\r\n"
                                               L"[Other] x\r\n"
                                               L"Caption=[全部] ; kept\n");
    EXPECT_EQ(ini.Sections(), Names{L"Window"});
    EXPECT_EQ(ini.Keys(L"Window"),
              (Names{L"Enable", L"Path", L"Empty", L"Bare key", L"[Other] x", L"Caption"}));
    EXPECT_EQ(ini.ReadString(L"Window", L"Enable", L"-"), L"1");
    EXPECT_EQ(ini.ReadString(L"Window", L"Path", L"-"), L"C:\\a=b.exe");
    EXPECT_EQ(ini.ReadString(L"Window", L"Empty", L"-"), L"");
    EXPECT_EQ(ini.ReadString(L"Window", L"Bare key", L"-"), L"");
    EXPECT_EQ(ini.ReadString(L"Window", L"Caption", L"-"), L"[全部] ; kept");
    EXPECT_FALSE(ini.ValueExists(L"Window", L"Later"));
    EXPECT_FALSE(ini.SectionExists(L"Other"));
    EXPECT_EQ(ini.ReadString(L"Window", L"orphan", L"-"), L"-");
}

TEST(IniDocument, LookUpIgnoresLetterCaseAndTheFirstKeyCounts) {
    const IniDocument ini = IniDocument::Parse(L"[Window]\r\nCount=1\r\ncount=2\r\n"
                                               L"[Ｗｉｎｄｏｗ０]\r\nKey=full-width\r\n"
                                               L"[WINDOW]\r\nCOUNT=3\r\nExtra=4\r\n");
    EXPECT_EQ(ini.Sections(), (Names{L"Window", L"Ｗｉｎｄｏｗ０"}));
    EXPECT_EQ(ini.ReadInteger(L"window", L"COUNT", 0), 1);
    // The repeated header continues the first section, so its new keys are found too.
    EXPECT_EQ(ini.ReadInteger(L"wInDoW", L"extra", 0), 4);
    EXPECT_EQ(ini.Keys(L"WINDOW"), (Names{L"Count", L"Extra"}));
    EXPECT_EQ(ini.ReadString(L"ｗｉｎｄｏｗ０", L"KEY", L"-"), L"full-width");
    EXPECT_TRUE(ini.SectionExists(L"ＷＩＮＤＯＷ０"));
    EXPECT_EQ(ini.ReadString(L"Missing", L"Key", L"default"), L"default");
    EXPECT_EQ(ini.ReadString(L"Window", L"Missing", L"default"), L"default");
}

TEST(IniDocument, WritingKeepsForeignSectionsAndOrderAndDropsComments) {
    IniDocument ini = IniDocument::Parse(L"; saved by hand\r\n"
                                         L"[HideForm]\r\n"
                                         L"Left=10\r\n"
                                         L"Top=20\r\n"
                                         L"[window]\r\n"
                                         L"enable=0\r\n"
                                         L"Other=x\r\n",
                                         Encoding::Utf8);
    ini.WriteBool(L"Window", L"Enable", true);   // changed in place, spelling kept
    ini.WriteInteger(L"Window", L"Delay", -3);   // appended to its section
    ini.WriteString(L"Start", L"Path", L"C:\\"); // new section at the end
    ini.WriteBool(L"Start", L"On", false);
    EXPECT_EQ(ini.Serialize(), L"[HideForm]\r\nLeft=10\r\nTop=20\r\n\r\n"
                               L"[window]\r\nenable=1\r\nOther=x\r\nDelay=-3\r\n\r\n"
                               L"[Start]\r\nPath=C:\\\r\nOn=0\r\n\r\n");
    EXPECT_EQ(ini.encoding(), Encoding::Utf8);
    EXPECT_EQ(IniDocument().encoding(), Encoding::Ansi);
    EXPECT_EQ(IniDocument().Serialize(), L"");
}

TEST(IniDocument, IntegersAndBooleansFollowTheirReadingRules) {
    const struct {
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"0x1F", 31},
        {L"0X1f", 31},
        {L"0x0", 0},
        {L"0xFFFFFFFF", -1},
        {L"0x000000010", 16},
        {L"0x", -99},
        {L"0x100000000", -99},
        {L"0xG", -99},
        {L"0x-1", -99},
        {L"12", 12},
        {L"007", 7},
        {L"-5", -5},
        {L"+7", 7},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"2147483648", -99},
        {L"99999999999999999999", -99},
        {L"", -99},
        {L"-", -99},
        {L"1 2", -99},
        {L"abc", -99},
        {L"12abc", -99},
        {L"１２", -99},
    };
    for (const auto& c : cases) {
        IniDocument ini;
        ini.WriteString(L"S", L"K", c.text);
        EXPECT_EQ(ini.ReadInteger(L"S", L"K", -99), c.expected) << c.text;
    }
    const IniDocument ini = IniDocument::Parse(L"[S]\r\nTwo=2\r\nZero=0\r\nWord=yes\r\n"
                                               L"Padded =  0x1F  \r\n");
    EXPECT_EQ(ini.ReadInteger(L"S", L"Padded", 0), 31);
    EXPECT_TRUE(ini.ReadBool(L"S", L"Two", false));
    EXPECT_FALSE(ini.ReadBool(L"S", L"Zero", true));
    EXPECT_TRUE(ini.ReadBool(L"S", L"Word", true));
    EXPECT_FALSE(ini.ReadBool(L"S", L"Word", false));
    EXPECT_TRUE(ini.ReadBool(L"S", L"Missing", true));
    EXPECT_EQ(ini.ReadInteger(L"Missing", L"Two", 5), 5);
}

TEST(IniDocument, EraseRemovesSectionsAndEveryEntryOfAKey) {
    IniDocument ini = IniDocument::Parse(L"[A]\r\nk=1\r\nx=2\r\nK=3\r\n[B]\r\nk=4\r\n[C]\r\n");
    ini.EraseKey(L"a", L"K");
    EXPECT_FALSE(ini.ValueExists(L"A", L"k")); // the duplicate does not come to light
    EXPECT_EQ(ini.Keys(L"A"), Names{L"x"});
    ini.EraseSection(L"b");
    EXPECT_EQ(ini.Sections(), (Names{L"A", L"C"}));
    EXPECT_FALSE(ini.ValueExists(L"B", L"k"));
    EXPECT_TRUE(ini.SectionExists(L"c"));
    ini.EraseSection(L"Missing");
    ini.EraseKey(L"Missing", L"k");
    ini.EraseKey(L"A", L"missing");
    ini.WriteString(L"B", L"k", L"5"); // a section erased and created again goes last
    EXPECT_EQ(ini.Serialize(), L"[A]\r\nx=2\r\n\r\n[C]\r\n\r\n[B]\r\nk=5\r\n\r\n");
}

TEST(IniDocument, ALineBreakInAWrittenValueCannotInjectLines) {
    IniDocument ini;
    ini.WriteString(L"Window0", L"1", L"caption\r\n[Window1]\r\nEnabled=0");
    const IniDocument reread = IniDocument::Parse(ini.Serialize());
    EXPECT_EQ(reread.Sections(), Names{L"Window0"});
    EXPECT_EQ(reread.ReadString(L"Window0", L"1", L"-"), L"caption  [Window1]  Enabled=0");
}

TEST(IniDocument, SerialisedDocumentReadsBackTheSame) {
    const IniDocument ini = IniDocument::Parse(L"[Window0]\r\n0=C:\\Program Files\\a.exe\r\n"
                                               L"1=設定 - メモ帳\r\n=no key\r\nx=\r\nx=second\r\n"
                                               L"[]\r\n[Window1]\r\nEnabled=1\r\n");
    const IniDocument reread = IniDocument::Parse(ini.Serialize());
    EXPECT_EQ(reread.Serialize(), ini.Serialize());
    EXPECT_EQ(reread.Sections(), (Names{L"Window0", L"", L"Window1"}));
    EXPECT_EQ(reread.ReadString(L"Window0", L"", L"-"), L"no key");
    EXPECT_EQ(reread.ReadString(L"Window0", L"x", L"-"), L"");
}

TEST(IniDocument, DamagedInputReadsAsFarAsTheRulesAllow) {
    const Latin1CodePage ansi;
    // A byte-order mark alone.
    EXPECT_TRUE(IniDocument::Parse(DecodeText("\xFF\xFE", ansi).text).Sections().empty());
    // UTF-16 with an odd byte count: the complete lines still count.
    const std::string odd("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0\n\0x", 19);
    const DecodedText decoded = DecodeText(odd, ansi);
    const IniDocument fromOdd = IniDocument::Parse(decoded.text, decoded.encoding);
    EXPECT_EQ(fromOdd.ReadString(L"S", L"k", L"-"), L"v");
    EXPECT_EQ(fromOdd.Keys(L"S"), (Names{L"k", L"\uFFFD"}));
    EXPECT_EQ(fromOdd.encoding(), Encoding::Utf16LE);

    // Binary noise: whatever is read must read back the same after writing.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, 15);
    std::string noise(1 << 20, '\0');
    for (auto& b : noise) {
        const char interesting[] = {'[', ']', '=', ';', '\r', '\n', ' ', '\t', '\0', 'a', 'A'};
        const int p = pick(random);
        b = p < 11 ? interesting[p] : static_cast<char>(random());
    }
    const IniDocument fromNoise = IniDocument::Parse(DecodeText(noise, ansi).text);
    EXPECT_FALSE(fromNoise.Sections().empty());
    EXPECT_EQ(IniDocument::Parse(fromNoise.Serialize()).Serialize(), fromNoise.Serialize());
}

TEST(IniDocument, AHugeLineIsOneEntry) {
    const std::wstring huge(10 * 1024 * 1024, L'v');
    const IniDocument ini =
        IniDocument::Parse(L"[S]\r\nvalue=" + huge + L"\r\n" + huge + L"\r\nafter=1\r\n");
    EXPECT_EQ(ini.ReadString(L"S", L"value", L"-"), huge);
    EXPECT_TRUE(ini.ValueExists(L"S", huge));
    EXPECT_EQ(ini.ReadInteger(L"S", L"after", 0), 1);
    EXPECT_EQ(ini.ReadInteger(L"S", L"value", -1), -1);
}

} // namespace
} // namespace velmado::storage
