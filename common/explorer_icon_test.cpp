#include "common/explorer_icon.h"

#include <gtest/gtest.h>

namespace velmado::common {
namespace {

TEST(ExplorerIconIndex, ClassRulesAndVersionRules) {
    const struct {
        unsigned major, minor;
        const wchar_t* className;
        int expected;
    } cases[] = {
        {6, 1, L"ExploreWClass", 1},  {6, 1, L"CabinetWClass", 13}, {6, 1, L"Progman", 0},
        {5, 0, L"CabinetWClass", 1},  {5, 0, L"Other", 1},          {5, 1, L"CabinetWClass", 13},
        {10, 0, L"CabinetWClass", 0}, {10, 0, L"ExploreWClass", 0}, {6, 2, L"CabinetWClass", 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExplorerIconIndex({c.major, c.minor, 0}, c.className), c.expected)
            << c.major << "." << c.minor;
    }
}

} // namespace
} // namespace velmado::common
