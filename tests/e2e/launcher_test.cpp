// The elevation launcher starts Velmado beside it with its own arguments re-quoted, or reports
// that it could not.
#include "tests/e2e/harness.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace velmado::e2e {
namespace {

class LauncherTest : public E2ETest {
protected:
    std::wstring Launcher(bool withMainProgram) {
        const std::wstring folder = ScratchFolder() + L"インストール先 folder\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(CopyFileW((BinFolder() + L"Velmado_Admin.exe").c_str(),
                              (folder + L"Velmado_Admin.exe").c_str(), FALSE));
        if (withMainProgram) {
            EXPECT_TRUE(CopyFileW((BinFolder() + L"recorder.exe").c_str(),
                                  (folder + L"Velmado.exe").c_str(), FALSE));
        }
        folder_ = folder;
        return folder + L"Velmado_Admin.exe";
    }

    // The command line the stand-in Velmado.exe was started with.
    std::wstring RecordedCommandLine() const {
        const std::wstring file = folder_ + L"commandline.txt";
        std::string text;
        WaitUntil(
            [&] {
                std::ifstream in(file.c_str(), std::ios::binary);
                std::ostringstream content;
                content << in.rdbuf();
                text = content.str();
                return !text.empty() && text.back() == '\n';
            },
            10s);
        const int size =
            MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            size);
        if (!wide.empty()) {
            wide.pop_back();
        }
        return wide;
    }

    std::wstring folder_;
};

std::vector<std::wstring> SplitLikeTheSystem(const std::wstring& commandLine) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(commandLine.c_str(), &count);
    std::vector<std::wstring> arguments(argv + 1, argv + count);
    LocalFree(argv);
    return arguments;
}

TEST_F(LauncherTest, StartsTheProgramBesideItWithEachArgumentRequoted) {
    const struct {
        const wchar_t* launcherArguments;
        std::vector<std::wstring> arrive;
    } cases[] = {
        {L"", {}},
        {L"/Q", {L"/Q"}},
        {L"/Q \"C:\\My Rules\\規則 一覧.ibk\"", {L"/Q", L"C:\\My Rules\\規則 一覧.ibk"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.launcherArguments));
        const std::wstring launcher = Launcher(true);
        DeleteFileW((folder_ + L"commandline.txt").c_str());
        Process admin = Process::Start(launcher, c.launcherArguments);
        EXPECT_TRUE(admin.WaitExit());
        const std::wstring recorded = RecordedCommandLine();
        EXPECT_EQ(SplitLikeTheSystem(recorded), c.arrive) << Utf8(recorded);
    }
}

TEST_F(LauncherTest, PassesAnInnerDoubleQuoteUnescaped) {
    // The launcher receives the argument a"b and wraps it as it is: "a"b" followed by a blank.
    Process admin = Process::Start(Launcher(true), L"a\\\"b");
    EXPECT_TRUE(admin.WaitExit());
    const std::wstring recorded = RecordedCommandLine();
    EXPECT_NE(recorded.find(L"Velmado.exe\" \"a\"b\""), std::wstring::npos) << Utf8(recorded);
}

TEST_F(LauncherTest, ReportsAFailedStartWhenTheProgramIsMissing) {
    Process admin = Process::Start(Launcher(false), L"/Q");
    const HWND box = WaitForWindow(L"#32770", L"Velmado(管理者)");
    ASSERT_NE(box, nullptr) << "no failure message box appeared";
    EXPECT_EQ(StaticTexts(box), L"起動に失敗しました");
    EXPECT_TRUE(admin.Running()) << "the launcher must wait for the message box to be closed";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(admin.WaitExit());
}

} // namespace
} // namespace velmado::e2e
