#include "common/command_args.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(RemoveProgramPart, LeavesTheArguments) {
    const std::wstring program = L"C:\\Program Files\\Tool\\app.exe";
    const struct {
        std::wstring commandLine, expected;
    } cases[] = {
        {L"\"C:\\Program Files\\Tool\\app.exe\" -a", L"-a"},
        {L"C:\\Program Files\\Tool\\app.exe -a", L" -a"},
        {L"\"C:\\Program Files\\Tool\\app.exe\"", L""},
        {L"\"C:\\Program Files\\Tool\\app.exe\" ", L""},
        {L"C:\\Program Files\\Tool\\app.exe", L""},
        {L"\"c:\\program files\\tool\\APP.EXE\" -a \"b c\"", L"-a \"b c\""},
        {L"\"C:\\Program Files\\Tool\\app.exe\"  two", L" two"},
        // The program named in another form: its first token goes.
        {L"\"C:\\PROGRA~1\\Tool\\app.exe\" -a", L"-a"},
        {L"app -a", L" -a"},
        {L"app\t-a", L"\t-a"},
        {L"app", L""},
        {L"\"unclosed -a", L""},
        {L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveProgramPart(c.commandLine, program), c.expected)
            << std::string(c.commandLine.begin(), c.commandLine.end());
    }
}

TEST(RemoveProgramPart, WithoutAKnownProgramUsesTheFirstToken) {
    EXPECT_EQ(RemoveProgramPart(L"\"C:\\x y\\a.exe\" /q", L""), L"/q");
    EXPECT_EQ(RemoveProgramPart(L"a.exe /q", L""), L" /q");
}

} // namespace
} // namespace velmado::common
