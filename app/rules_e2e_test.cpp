// Window rules at work in the real program: the one-shot run and the resident run place, size,
// maximise and send keys to matching windows by their rules, the configuration survives in its
// file, and a rule file handed over becomes the current one.
#include "tests/e2e/harness.h"
#include "tests/e2e/rule_files.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace velmado::e2e {
namespace {

class RulesTest : public E2ETest {
protected:
    static std::wstring Velmado() { return BinFolder() + L"Velmado.exe"; }
    static std::wstring ProbePath() { return BinFolder() + L"probe.exe"; }

    Process StartResident(const std::wstring& arguments, HWND& main) {
        Process velmado = Process::Start(Velmado(), arguments);
        main = WaitForWindow(L"TTrayForm", L"Velmado");
        EXPECT_NE(main, nullptr);
        Sleep(2500); // past the first tick
        return velmado;
    }

    static void EndSession(HWND main, Process& velmado) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        EXPECT_TRUE(velmado.WaitExit(5s));
    }
};

TEST_F(RulesTest, TheOneShotRunPlacesEveryMatchingWindowAndEnds) {
    Probe normal = Probe::Start(L"--caption \"通常の窓\" --rect 10,10,200,150");
    Probe anchored = Probe::Start(L"--caption \"右下の窓\" --rect 10,10,200,150");
    Probe maximised = Probe::Start(L"--caption \"最大の窓\" --rect 10,10,200,150");
    Probe byClass = Probe::Start(L"--class ClassOnly --caption \"何でも\" --rect 10,10,200,150");
    Probe byPart = Probe::Start(L"--caption \"長い題名 - 部分一致 - 編集\" --rect 10,10,200,150");
    const std::wstring rules = WriteRuleFile(
        L"一回.ibk",
        {
            {ProbePath(), L"通常の窓", L"全部", L"", L"通常", L"100", L"80", L"420", L"300"},
            {ProbePath(), L"右下の窓", L"全部", L"", L"通常", L"(右下基準)1000", L"(右下基準)700",
             L"300", L"200"},
            {ProbePath(), L"最大の窓", L"全部", L"", L"最大化", L"150", L"120", L"500", L"350"},
            {ProbePath(), L"", L"", L"ClassOnly", L"通常", L"300", L"200", L"250", L"180"},
            {ProbePath(), L"部分一致", L"一部", L"", L"通常", L"50", L"400", L"350", L"220"},
        });
    Process velmado = Process::Start(Velmado(), L"/Q \"" + rules + L"\"");
    EXPECT_TRUE(WindowRectIs(normal.Window(), {100, 80, 420, 300}, 6s));
    EXPECT_TRUE(WindowRectIs(anchored.Window(), {700, 500, 300, 200}, 1s));
    EXPECT_TRUE(WindowRectIs(byClass.Window(), {300, 200, 250, 180}, 1s));
    EXPECT_TRUE(WindowRectIs(byPart.Window(), {50, 400, 350, 220}, 1s));
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(maximised.Window()) != FALSE; }))
        << Describe(maximised.Window()) << " was not maximised";
    const WINDOWPLACEMENT restored = maximised.Placement();
    // Placed at the rule's position and maximised; the restored size stays the window's own.
    EXPECT_EQ(restored.rcNormalPosition.left, 150);
    EXPECT_EQ(restored.rcNormalPosition.top, 120);
    EXPECT_EQ(restored.rcNormalPosition.right - restored.rcNormalPosition.left, 200);
    EXPECT_TRUE(velmado.WaitExit(5s));
}

TEST_F(RulesTest, ResidentRulesActOnceUnlessFixedAndSendKeys) {
    const std::wstring rules = WriteRuleFile(
        L"常駐.ibk",
        {
            {ProbePath(), L"一度だけ", L"全部", L"", L"通常", L"120", L"90", L"300", L"200"},
            {ProbePath(), L"固定", L"全部", L"", L"通常", L"400", L"90", L"", L"", L"位置"},
            {ProbePath(), L"キー", L"全部", L"", L"[Enter]"},
            {ProbePath(), L"キー", L"全部", L"", L"[キー]Ctrl+A"},
        });
    HWND main = nullptr;
    Process velmado = StartResident(L"\"" + rules + L"\"", main);

    Probe once = Probe::Start(L"--caption \"一度だけ\" --rect 10,10,250,160");
    EXPECT_TRUE(WindowRectIs(once.Window(), {120, 90, 300, 200}));
    SetWindowPos(once.Window(), nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    once.Raise(EVENT_SYSTEM_MOVESIZEEND);
    Sleep(1000);
    EXPECT_TRUE(WindowRectIs(once.Window(), {30, 30, 300, 200}, 0s)) << "it acted only once";

    Probe fixed = Probe::Start(L"--caption \"固定\" --rect 10,300,250,160");
    EXPECT_TRUE(WindowRectIs(fixed.Window(), {400, 90, 250, 160}));
    fixed.Foreground();
    SetWindowPos(fixed.Window(), nullptr, 60, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    fixed.Raise(EVENT_SYSTEM_MOVESIZEEND);
    EXPECT_TRUE(WindowRectIs(fixed.Window(), {400, 90, 250, 160})) << "a fixed rule moves it back";

    Probe keys = Probe::Start(L"--caption \"キー\"");
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto seen = keys.Keys();
            return std::find(seen.begin(), seen.end(), L"KEYDOWN 13") != seen.end() &&
                   std::find(seen.begin(), seen.end(), L"KEYDOWN 65") != seen.end();
        },
        8s))
        << "both key rules reach the window, in list order";
    const auto seen = keys.Keys();
    EXPECT_LT(std::find(seen.begin(), seen.end(), L"KEYDOWN 13"),
              std::find(seen.begin(), seen.end(), L"KEYDOWN 65"));
}

TEST_F(RulesTest, AOneWindowRuleTakesOnlyItsFirstWindow) {
    const std::wstring rules =
        WriteRuleFile(L"一つ.ibk", {{ProbePath(), L"一つだけ", L"全部", L"", L"通常", L"200",
                                     L"150", L"300", L"200", L"", L"しない"}});
    HWND main = nullptr;
    Process velmado = StartResident(L"\"" + rules + L"\"", main);
    Probe first = Probe::Start(L"--caption \"一つだけ\" --rect 10,10,250,160");
    EXPECT_TRUE(WindowRectIs(first.Window(), {200, 150, 300, 200}));
    Probe second = Probe::Start(L"--caption \"一つだけ\" --rect 20,400,250,160");
    Sleep(1500);
    EXPECT_TRUE(WindowRectIs(second.Window(), {20, 400, 250, 160}, 0s))
        << "the rule has its window already";
}

TEST_F(RulesTest, WinesNotepadIsPlacedByAClassOnlyRule) {
    const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe";
    const std::wstring rules = WriteRuleFile(
        L"メモ帳.ibk", {{notepad, L"", L"", L"Notepad", L"通常", L"160", L"110", L"640", L"420"}});
    HWND main = nullptr;
    Process velmado = StartResident(L"\"" + rules + L"\"", main);
    Process editor = Process::Start(notepad);
    const HWND window = WaitForWindow(
        [&](HWND w) { return ClassName(w) == L"Notepad" && IsWindowVisible(w); }, 10s);
    ASSERT_NE(window, nullptr) << "notepad showed no window";
    EXPECT_TRUE(WindowRectIs(window, {160, 110, 640, 420}));
}

TEST_F(RulesTest, TheConfigurationKeepsForeignSectionsAndIsWrittenAsUtf16) {
    CreateDirectoryW(DataFolder().substr(0, DataFolder().size() - 8).c_str(), nullptr);
    CreateDirectoryW(DataFolder().c_str(), nullptr);
    const std::wstring config = DataFolder() + L"Config.ini";
    std::ofstream(config.c_str(), std::ios::binary)
        << "\xEF\xBB\xBF[Foreign]\r\nKept=\xE6\xAE\x8B\xE3\x82\x8B\r\n\r\n[Start]\r\nDelay=1\r\n";
    HWND main = nullptr;
    Process velmado = StartResident(L"", main);
    EndSession(main, velmado);
    const std::string bytes = ReadBytes(config);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "written back as UTF-16LE";
    const std::string foreign("[\0F\0o\0r\0e\0i\0g\0n\0]\0", 18);
    const std::string kept("K\0e\0p\0t\0=\0\x8B\x6B\x8B\x30", 14);
    EXPECT_NE(bytes.find(foreign), std::string::npos) << "the foreign section survives";
    EXPECT_NE(bytes.find(kept), std::string::npos) << "with its value";
    const std::string delay("D\0e\0l\0a\0y\0=\0\x31\0", 14);
    EXPECT_NE(bytes.find(delay), std::string::npos) << "the start-up delay was read and kept";
    const std::string screenSaver("[\0S\0c\0r\0e\0e\0n\0S\0a\0v\0e\0r\0]\0", 26);
    const std::string xMouse("[\0X\0M\0o\0u\0s\0e\0]\0", 16);
    EXPECT_LT(bytes.find(screenSaver), bytes.find(xMouse)) << "sections in their order";
}

TEST_F(RulesTest, AHandedOverRuleFileBecomesTheCurrentOne) {
    HWND main = nullptr;
    Process velmado = StartResident(L"", main);
    Probe probe = Probe::Start(L"--caption \"手渡し前\" --rect 10,10,250,160");
    const std::wstring rules = WriteRuleFile(
        L"手渡し.ibk",
        {{ProbePath(), L"手渡し後", L"全部", L"", L"通常", L"333", L"222", L"", L""}});
    Process second = Process::Start(Velmado(), L"\"" + rules + L"\"");
    EXPECT_TRUE(second.WaitExit());
    probe.Foreground();
    probe.SetCaption(L"手渡し後");
    EXPECT_TRUE(WindowRectIs(probe.Window(), {333, 222, 250, 160})) << "its rules act";
    EndSession(main, velmado);
    const std::string recent = ReadBytes(DataFolder() + L"WindowMRU.ini");
    const std::wstring name = L"手渡し.ibk";
    std::string utf16(reinterpret_cast<const char*>(name.c_str()), name.size() * 2);
    const auto firstLineEnd = recent.find(std::string("\r\0\n\0", 4));
    ASSERT_NE(firstLineEnd, std::string::npos);
    EXPECT_NE(recent.substr(0, firstLineEnd).find(utf16), std::string::npos)
        << "it heads the recent rule files";
}

} // namespace
} // namespace velmado::e2e
