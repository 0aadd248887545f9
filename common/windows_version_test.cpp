#include "common/windows_version.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmado::common {
namespace {

struct VersionRow {
    WindowsVersion v;
    const char* name;
    // 2000+, XP+, Vista+, 7+, 8+, 8.1+, 10 family, 2000, XP, 8, 8.1, 10, 11, 11 22621+
    const char* expected;
};

std::string Evaluate(const WindowsVersion& v) {
    std::string bits;
    for (bool b : {Is2000OrLater(v), IsXPOrLater(v), IsVistaOrLater(v), IsWin7OrLater(v),
                   IsWin8OrLater(v), IsWin81OrLater(v), IsWin10Family(v), IsWin2000(v), IsWinXP(v),
                   IsWin8(v), IsWin81(v), IsWin10(v), IsWin11(v), IsWin11Build22621OrLater(v)}) {
        bits += b ? '1' : '0';
    }
    return bits;
}

TEST(WindowsVersionTest, EachSystem) {
    const std::vector<VersionRow> rows = {
        {{4, 0, 1381},
         "NT 4",
         "0000000"
         "0000000"},
        {{5, 0, 2195},
         "2000",
         "1000000"
         "1000000"},
        {{5, 1, 2600},
         "XP",
         "1100000"
         "0100000"},
        {{5, 2, 3790},
         "XP x64",
         "1100000"
         "0100000"},
        {{6, 0, 6002},
         "Vista",
         "1110000"
         "0000000"},
        {{6, 1, 7601},
         "7",
         "1111000"
         "0000000"},
        {{6, 2, 9200},
         "8",
         "1111100"
         "0010000"},
        {{6, 3, 9600},
         "8.1",
         "1111110"
         "0001000"},
        {{10, 0, 19045},
         "10 22H2",
         "1111111"
         "0000100"},
        {{10, 0, 21999},
         "last 10 build",
         "1111111"
         "0000100"},
        {{10, 0, 22000},
         "11 21H2",
         "1111111"
         "0000010"},
        {{10, 0, 22620},
         "build 22620",
         "1111111"
         "0000010"},
        {{10, 0, 22621},
         "11 22H2",
         "1111111"
         "0000011"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Evaluate(row.v), row.expected) << row.name;
    }
}

TEST(WindowsVersionTest, Win10AndWin11AreNeverBothTrue) {
    for (unsigned build : {0u, 10240u, 19045u, 21999u, 22000u, 22001u, 22620u, 22621u, 26100u}) {
        const WindowsVersion v{10, 0, build};
        EXPECT_NE(IsWin10(v), IsWin11(v)) << "build " << build;
    }
    EXPECT_FALSE(IsWin10({6, 3, 9600}) || IsWin11({6, 3, 22621}));
}

} // namespace
} // namespace velmado::common
