#include "app/startup_options.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace velmado::app {
namespace {

const std::set<std::wstring> kExisting{L"C:\\rules\\a.ibk", L"C:\\rules\\B.IBK", L"C:\\p\\work.pwm",
                                       L"C:\\notes.txt"};
bool Exists(const std::wstring& path) {
    return kExisting.contains(path);
}

TEST(CommandLine, IsCheckedExactlyAndOnlyTheExtensionIgnoresCase) {
    const std::optional<std::wstring> none;
    const struct {
        std::vector<std::wstring> args;
        bool valid;
        std::optional<std::wstring> ruleFile;
    } cases[] = {
        {{}, true, none},
        {{L"/Q"}, true, none},
        {{L"/debug"}, true, none},
        {{L"C:\\rules\\a.ibk"}, true, L"C:\\rules\\a.ibk"},
        {{L"C:\\rules\\B.IBK"}, true, L"C:\\rules\\B.IBK"},
        {{L"C:\\p\\work.pwm"}, true, L""},
        {{L"/Q", L"C:\\rules\\a.ibk"}, true, L"C:\\rules\\a.ibk"},
        {{L"/q"}, false, none},
        {{L"/DEBUG"}, false, none},
        {{L"/debug", L"C:\\rules\\a.ibk"}, false, none},
        {{L"C:\\notes.txt"}, false, none},
        {{L"C:\\rules\\missing.ibk"}, false, none},
        {{L"/Q", L"C:\\rules\\missing.ibk"}, false, none},
        {{L"/Q", L"C:\\p\\work.pwm"}, false, none},
        {{L"C:\\rules\\a.ibk", L"/Q"}, false, none},
        {{L"/Q", L"C:\\rules\\a.ibk", L"x"}, false, none},
    };
    for (const auto& c : cases) {
        const CommandLineCheck check = CheckCommandLine(c.args, Exists);
        const std::wstring first = c.args.empty() ? L"(none)" : c.args[0];
        EXPECT_EQ(check.valid, c.valid)
            << c.args.size() << " arguments, first " << std::string(first.begin(), first.end());
        if (c.valid) {
            EXPECT_EQ(check.ruleFile, c.ruleFile);
        }
    }
}

TEST(CommandLine, RunModesCompareArgumentOneInFull) {
    const std::vector<std::wstring> q{L"/Q", L"C:\\rules\\a.ibk"};
    const std::vector<std::wstring> lower{L"/q"};
    const std::vector<std::wstring> debug{L"/debug"};
    EXPECT_TRUE(IsNonResident(q));
    EXPECT_FALSE(IsNonResident(lower));
    EXPECT_FALSE(IsNonResident({}));
    EXPECT_TRUE(IsDebug(debug));
    EXPECT_FALSE(IsDebug(q));
}

TEST(CommandLine, FileArgumentIsAnExistingRuleFileOrProfile) {
    const std::vector<std::wstring> ibk{L"C:\\rules\\B.IBK"};
    const std::vector<std::wstring> pwm{L"C:\\p\\work.pwm"};
    const std::vector<std::wstring> txt{L"C:\\notes.txt"};
    const std::vector<std::wstring> missing{L"C:\\rules\\missing.ibk"};
    EXPECT_EQ(FileArgument(ibk, Exists), L"C:\\rules\\B.IBK");
    EXPECT_EQ(FileArgument(pwm, Exists), L"C:\\p\\work.pwm");
    EXPECT_EQ(FileArgument(txt, Exists), L"");
    EXPECT_EQ(FileArgument(missing, Exists), L"");
    EXPECT_EQ(FileArgument({}, Exists), L"");
}

TEST(CommandLine, ExtensionIsTakenFromTheFileNameOnly) {
    EXPECT_EQ(LowerExtension(L"C:\\a.b\\rules.IbK"), L".ibk");
    EXPECT_EQ(LowerExtension(L"C:\\a.ibk\\rules"), L"");
    EXPECT_EQ(LowerExtension(L"rules."), L".");
    EXPECT_EQ(LowerExtension(L"archive.tar.PWM"), L".pwm");
}

TEST(CommandLine, InvalidOptionMessageHasFourLines) {
    const std::vector<std::wstring> one{L"/q"};
    EXPECT_EQ(InvalidOptionMessage(one), L"不正なオプションです。\r\n/q\r\n\r\n終了します。");
    const std::vector<std::wstring> three{L"a", L"b c", L"d"};
    EXPECT_EQ(InvalidOptionMessage(three), L"不正なオプションです。\r\na\r\nb c\r\n終了します。");
}

} // namespace
} // namespace velmado::app
