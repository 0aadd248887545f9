#include "commands/title_bar_point.h"

#include <gtest/gtest.h>

using velmado::commands::TitleBarCursorPoint;
using velmado::commands::TitleBarMetrics;
using velmado::commands::TitleBarSpot;
using velmado::commands::TitleBarSpotFromSetting;
using velmado::common::Point;

TEST(TitleBarPoint, LeftCentreOrRightOfTheTitleBar) {
    const TitleBarMetrics metrics{
        .cxSize = 36, .cxBorder = 1, .cxSmIcon = 16, .cyCaption = 23, .cyBorder = 1};
    const velmado::common::Rect window{100, 50, 501, 350};
    struct Case {
        int setting;
        Point expected;
    };
    const Case cases[] = {
        {0, {100 + 18 + 2 + 16, 50 + 11 + 1}},
        {1, {100 + 200, 50 + 23}},
        {2, {501 - 18 - 2, 50 + 11 + 1}},
        {7, {100 + 18 + 2 + 16, 50 + 11 + 1}}, // a damaged setting counts as left
        {-1, {100 + 18 + 2 + 16, 50 + 11 + 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleBarCursorPoint(window, TitleBarSpotFromSetting(c.setting), metrics),
                  c.expected)
            << c.setting;
    }
}
