#include "launcher/launch_request.h"

#include <gtest/gtest.h>

#include <vector>

using velmado::launcher::MainProgramPath;
using velmado::launcher::ParameterString;

TEST(LaunchRequest, MainProgramSitsBesideTheLauncher) {
    const struct {
        const wchar_t* launcher;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Program Files\\Velmado\\Velmado_Admin.exe",
         L"C:\\Program Files\\Velmado\\Velmado.exe"},
        {L"D:Velmado_Admin.exe", L"D:Velmado.exe"},
        {L"Velmado_Admin.exe", L"Velmado.exe"},
        {L"\\\\server\\share\\a.b\\Velmado_Admin.exe", L"\\\\server\\share\\a.b\\Velmado.exe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MainProgramPath(c.launcher), c.expected) << c.launcher;
    }
}

TEST(LaunchRequest, EveryArgumentIsQuotedAndFollowedByABlank) {
    EXPECT_EQ(ParameterString({}), L"");
    const std::vector<std::wstring> one{L"/Q"};
    EXPECT_EQ(ParameterString(one), L"\"/Q\" ");
    const std::vector<std::wstring> two{L"/Q", L"C:\\My Rules\\規則.ibk"};
    EXPECT_EQ(ParameterString(two), L"\"/Q\" \"C:\\My Rules\\規則.ibk\" ");
    // A double quote inside an argument is wrapped as it is, without escaping.
    const std::vector<std::wstring> quoted{L"a\"b"};
    EXPECT_EQ(ParameterString(quoted), L"\"a\"b\" ");
}
