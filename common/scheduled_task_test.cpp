#include "common/scheduled_task.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(ScheduledTask, BuildsTheThreeArgumentTexts) {
    const struct {
        std::wstring program, parameters, create;
    } cases[] = {
        {L"C:\\Tools\\app.exe", L"",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\Tools\\app.exe'\" /SC ONCE /ST 00:00 /IT /RL "
         L"LIMITED /F"},
        {L"C:\\Program Files\\app.exe", L"-a b",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\Program Files\\app.exe' -a b\" /SC ONCE /ST "
         L"00:00 /IT /RL LIMITED /F"},
        {L"C:\\Bob's\\app.exe", L"",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\Bob''s\\app.exe'\" /SC ONCE /ST 00:00 /IT /RL "
         L"LIMITED /F"},
        // Double quotes in the parameters are escaped, backslashes before them doubled.
        {L"C:\\a.exe", L"\"C:\\My Files\\x.txt\"",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\a.exe' \\\"C:\\My Files\\x.txt\\\"\" /SC ONCE "
         L"/ST 00:00 /IT /RL LIMITED /F"},
        {L"C:\\a.exe", L"\"C:\\dir\\\\\" -x",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\a.exe' \\\"C:\\dir\\\\\\\\\\\" -x\" /SC ONCE "
         L"/ST 00:00 /IT /RL LIMITED /F"},
        // Trailing backslashes would escape the closing quote.
        {L"C:\\a.exe", L"C:\\dir\\",
         L"/create /TN \"Velmado_Temp\" /TR \"'C:\\a.exe' C:\\dir\\\\\" /SC ONCE /ST 00:00 /IT /RL "
         L"LIMITED /F"},
    };
    for (const auto& c : cases) {
        const auto arguments = ScheduledTaskArgumentsFor(L"Velmado_Temp", c.program, c.parameters);
        ASSERT_TRUE(arguments.has_value());
        EXPECT_EQ(arguments->create, c.create);
        EXPECT_EQ(arguments->run, L"/run /tn \"Velmado_Temp\"");
        EXPECT_EQ(arguments->remove, L"/delete /f /tn \"Velmado_Temp\"");
    }
}

TEST(ScheduledTask, RefusesNamesThatCannotBeQuoted) {
    EXPECT_FALSE(ScheduledTaskArgumentsFor(L"", L"C:\\a.exe", L""));
    EXPECT_FALSE(ScheduledTaskArgumentsFor(L"Velmado_Temp", L"", L""));
    EXPECT_FALSE(ScheduledTaskArgumentsFor(L"T\" /RU SYSTEM \"", L"C:\\a.exe", L""));
    EXPECT_FALSE(
        ScheduledTaskArgumentsFor(L"Velmado_Temp", L"C:\\a.exe\" /RL HIGHEST /TN \"x", L""));
    EXPECT_FALSE(
        ScheduledTaskArgumentsFor(L"Velmado_Temp", L"C:\\a.exe", std::wstring(L"a\0b", 3)));
}

} // namespace
} // namespace velmado::common
