// The process entry: the kind of run, a single resident instance, the hand-off and the data folder.
#include "tests/e2e/harness.h"

#include <fstream>

namespace velmado::e2e {
namespace {

class EntryTest : public E2ETest {
protected:
    static std::wstring Velmado() { return BinFolder() + L"Velmado.exe"; }

    // Starts the resident program and waits for its main window.
    Process StartResident(HWND* mainWindow = nullptr) {
        Process velmado = Process::Start(Velmado());
        const HWND main = WaitForWindow(L"TTrayForm", L"Velmado");
        EXPECT_NE(main, nullptr) << "the resident program showed no main window";
        if (mainWindow != nullptr) {
            *mainWindow = main;
        }
        return velmado;
    }
};

TEST_F(EntryTest, AnInvalidOptionIsShownWithItsArgumentsAndEndsTheProgram) {
    const struct {
        const wchar_t* arguments;
        const wchar_t* message;
    } cases[] = {
        {L"/q", L"不正なオプションです。\n/q\n\n終了します。"},
        {L"/debug /Q", L"不正なオプションです。\n/debug\n/Q\n終了します。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.arguments));
        Process velmado = Process::Start(Velmado(), c.arguments);
        const HWND box = WaitForWindow(L"#32770", L"Velmado");
        ASSERT_NE(box, nullptr) << "no message box titled Velmado appeared";
        // The static control shows the CR LF line breaks as line breaks.
        std::wstring text = StaticTexts(box);
        std::erase(text, L'\r');
        EXPECT_EQ(text, c.message);
        EXPECT_EQ(FindWindowW(L"TTrayForm", L"Velmado"), nullptr) << "no main form may exist";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(velmado.WaitExit());
    }
}

TEST_F(EntryTest, TheResidentProgramKeepsItsHiddenMainWindowAndDataFolder) {
    HWND main = nullptr;
    Process velmado = StartResident(&main);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main)) << Describe(main);
    EXPECT_TRUE(velmado.Running());
    const DWORD attributes = GetFileAttributesW(DataFolder().c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        << Utf8(DataFolder()) << " was not created";
}

TEST_F(EntryTest, ASecondStartWithoutArgumentsEndsAtOnce) {
    HWND main = nullptr;
    Process first = StartResident(&main);
    Process second = Process::Start(Velmado());
    EXPECT_TRUE(second.WaitExit());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(FindWindowW(L"TTrayForm", L"Velmado"), main) << "exactly the first main form stays";
}

TEST_F(EntryTest, ASecondStartHandsItsRuleFileToTheRunningInstance) {
    HWND main = nullptr;
    Process first = StartResident(&main);
    const std::wstring rules = ScratchFolder() + L"手渡し.IBK";
    std::ofstream(rules.c_str()) << "";
    Process second = Process::Start(Velmado(), L"\"" + rules + L"\"");
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(first.Running());
}

TEST_F(EntryTest, TheRunningInstanceIgnoresMalformedHandOffs) {
    HWND main = nullptr;
    Process velmado = StartResident(&main);
    ASSERT_NE(main, nullptr);
    // A text without its terminating NUL, a null payload, and an odd size.
    wchar_t unterminated[] = {L'C', L':', L'\\', L'x'};
    COPYDATASTRUCT hostile[] = {
        {0, sizeof(unterminated), unterminated},
        {0, 0, nullptr},
        {7, 3, unterminated},
    };
    for (COPYDATASTRUCT& data : hostile) {
        DWORD_PTR result = 1;
        EXPECT_TRUE(SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                        SMTO_ABORTIFHUNG, 5000, &result));
    }
    EXPECT_TRUE(velmado.Running());
}

} // namespace
} // namespace velmado::e2e
