#include "common/placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmado::common {
namespace {

struct PlacementCase {
    int type;
    Rect area;
    XYWH window;
    XYWH expected;
};

// The window starts at 100,50 with size 300x200 in every row.
constexpr XYWH kWindow{100, 50, 300, 200};

TEST(PlaceInAreaTest, EveryTypeOnAWorkArea) {
    const Rect a{0, 0, 1920, 1040};
    const std::vector<PlacementCase> cases = {
        {0, a, kWindow, {100, 0, 300, 1040}},   {1, a, kWindow, {0, 50, 1920, 200}},
        {2, a, kWindow, {100, 0, 300, 200}},    {3, a, kWindow, {100, 840, 300, 200}},
        {4, a, kWindow, {0, 50, 300, 200}},     {5, a, kWindow, {1620, 50, 300, 200}},
        {6, a, kWindow, {0, 0, 300, 200}},      {7, a, kWindow, {1620, 0, 300, 200}},
        {8, a, kWindow, {0, 840, 300, 200}},    {9, a, kWindow, {1620, 840, 300, 200}},
        {10, a, kWindow, {810, 420, 300, 200}}, {11, a, kWindow, {0, 0, 1920, 520}},
        {12, a, kWindow, {0, 520, 1920, 520}},  {13, a, kWindow, {0, 0, 960, 1040}},
        {14, a, kWindow, {960, 0, 960, 1040}},  {15, a, kWindow, {0, 0, 960, 520}},
        {16, a, kWindow, {960, 0, 960, 520}},   {17, a, kWindow, {0, 520, 960, 520}},
        {18, a, kWindow, {960, 520, 960, 520}},
    };
    ASSERT_EQ(cases.size(), static_cast<size_t>(kPlacementTypeCount));
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceInArea(c.type, c.area, c.window), c.expected) << "type " << c.type;
    }
}

TEST(PlaceInAreaTest, SecondMonitorOffsetsAndOddSizes) {
    // A monitor right of the primary one, with odd width and height.
    const Rect a{1280, 0, 2305, 769};
    EXPECT_EQ(PlaceInArea(10, a, kWindow), (XYWH{1642, 284, 300, 200}));
    EXPECT_EQ(PlaceInArea(14, a, kWindow), (XYWH{1792, 0, 512, 769}));
    EXPECT_EQ(PlaceInArea(18, a, kWindow), (XYWH{1792, 384, 512, 384}));
    EXPECT_EQ(PlaceInArea(9, a, kWindow), (XYWH{2005, 569, 300, 200}));
}

TEST(PlaceInAreaTest, DivisionTruncatesTowardZeroLeftOfThePrimary) {
    // A monitor at negative coordinates: (-1281 + 0 - 300) / 2 is -790 (not -791).
    const Rect a{-1281, -3, 0, 1020};
    EXPECT_EQ(PlaceInArea(10, a, kWindow), (XYWH{-790, 408, 300, 200}));
    EXPECT_EQ(PlaceInArea(14, a, kWindow), (XYWH{-640, -3, 640, 1023}));
    EXPECT_EQ(PlaceInArea(17, a, kWindow), (XYWH{-1281, 508, 640, 511}));
}

TEST(PlaceInAreaTest, UnknownTypesKeepTheWindow) {
    const Rect a{0, 0, 1920, 1040};
    for (int type : {-1, 19, 20, 30, 1000}) {
        EXPECT_EQ(PlaceInArea(type, a, kWindow), kWindow) << "type " << type;
    }
}

TEST(PlaceInAreaTest, ReversedAreaGivesPositiveSizes) {
    const Rect reversed{1920, 1040, 0, 0};
    EXPECT_EQ(PlaceInArea(0, reversed, kWindow), (XYWH{100, 1040, 300, 1040}));
    EXPECT_EQ(PlaceInArea(15, reversed, kWindow), (XYWH{1920, 1040, 960, 520}));
}

TEST(PlacementAllowedTest, BothSidesMustExceedTheCaptionHeight) {
    EXPECT_TRUE(PlacementAllowed({0, 0, 24, 24}, 23));
    EXPECT_FALSE(PlacementAllowed({0, 0, 23, 500}, 23));
    EXPECT_FALSE(PlacementAllowed({0, 0, 500, 23}, 23));
    EXPECT_FALSE(PlacementAllowed({0, 0, 0, 0}, 0));
    // A work area narrower than a caption bar: the left half is too small to apply.
    EXPECT_FALSE(PlacementAllowed(PlaceInArea(13, {0, 0, 40, 1000}, kWindow), 23));
    EXPECT_TRUE(PlacementAllowed(PlaceInArea(13, {0, 0, 48, 1000}, kWindow), 23));
}

class OffscreenTest : public ::testing::Test {
protected:
    // The two-monitor test display.
    std::vector<Rect> monitors_ = {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}};
    bool Offscreen(XYWH window) const {
        return IsRectOffscreen(window, [this](Point p) {
            for (const Rect& m : monitors_) {
                if (m.Contains(p)) {
                    return true;
                }
            }
            return false;
        });
    }
};

TEST_F(OffscreenTest, OnePointOnAMonitorIsEnough) {
    struct Case {
        XYWH window;
        bool offscreen;
        const char* what;
    };
    const std::vector<Case> cases = {
        {{100, 100, 400, 300}, false, "inside the primary"},
        {{-390, -290, 400, 300}, false, "only the bottom-right corner on screen"},
        {{1270, -290, 400, 300}, false, "only the bottom-left corner on screen"},
        {{-390, 1000, 400, 300}, false, "only the top-right corner on screen"},
        {{-200, -150, 400, 300}, false, "only the centre on screen"},
        {{1279, 1023, 1, 1}, false, "top-left on the last pixel"},
        {{-401, -301, 400, 300}, true, "bottom-right corner one pixel outside"},
        {{1280, 768, 400, 300}, true, "top-left on the exclusive corner of both monitors"},
        {{1400, 800, 400, 300}, true, "below the smaller second monitor"},
        {{10000, 10, 400, 300}, true, "far right"},
        {{-32000, -32000, 160, 24}, true, "parking position of a minimised window"},
        {{-1000, -1000, 5000, 5000}, true, "covers everything but no point is on a monitor"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Offscreen(c.window), c.offscreen) << c.what;
    }
}

TEST_F(OffscreenTest, NoMonitorsMeansOffscreen) {
    monitors_.clear();
    EXPECT_TRUE(Offscreen({0, 0, 100, 100}));
}

TEST(RescueTest, PrimaryScreenIsTheWorkAreaWidenedByTheTaskbar) {
    struct Case {
        int edge;
        Rect workArea;
        Rect taskbar;
        Rect expected;
    };
    const std::vector<Case> cases = {
        {kAppBarBottom, {0, 0, 1920, 1040}, {0, 1040, 1920, 1080}, {0, 0, 1920, 1080}},
        {kAppBarTop, {0, 40, 1920, 1080}, {0, 0, 1920, 40}, {0, 0, 1920, 1080}},
        {kAppBarLeft, {60, 0, 1920, 1080}, {0, 0, 60, 1080}, {0, 0, 1920, 1080}},
        {kAppBarRight, {0, 0, 1860, 1080}, {1860, 0, 1920, 1080}, {0, 0, 1920, 1080}},
        {kAppBarUnknown, {0, 0, 1920, 1040}, {0, 1040, 1920, 1080}, {0, 0, 1920, 1040}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrimaryScreenArea(c.workArea, c.edge, c.taskbar), c.expected)
            << "edge " << c.edge;
    }
}

TEST(RescueTest, CentresKeepingTheSizeEvenWhenLargerThanTheScreen) {
    EXPECT_EQ(CentreIn({0, 0, 1920, 1080}, 401, 301), (XYWH{759, 389, 401, 301}));
    EXPECT_EQ(CentreIn({0, 0, 1280, 1024}, 2001, 1100), (XYWH{-360, -38, 2001, 1100}));
}

} // namespace
} // namespace velmado::common
