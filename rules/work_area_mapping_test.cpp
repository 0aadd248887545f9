#include "rules/work_area_mapping.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace velmado::rules {
namespace {

using common::Rect;
using common::XYWH;

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
    const std::vector<std::pair<double, int>> cases = {
        {2.5, 2},
        {3.5, 4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.0, 0},
        {7.0, 7},
        {2.5000001, 3},
        {1e12, std::numeric_limits<int>::max()},
        {-1e12, std::numeric_limits<int>::min()},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    }
}

struct MappingCase {
    const char* name;
    XYWH window;
    Rect source;
    Rect destination;
    XYWH expected;
};

TEST(MapBetweenWorkAreasTest, FormulasOnBothHalvesAndRounding) {
    const Rect full{0, 0, 1920, 1080};
    const Rect half{0, 0, 960, 540};
    const std::vector<MappingCase> cases = {
        // Same area: nothing changes, on either side of the half line.
        {"identity left", {100, 50, 400, 300}, full, full, {100, 50, 400, 300}},
        {"identity right", {1500, 700, 400, 300}, full, full, {1500, 700, 400, 300}},
        // Halving: left/top distances and sizes scale by one half.
        {"half left", {100, 50, 400, 300}, full, half, {50, 25, 200, 150}},
        // Right half: the distance to the right edge scales, the width does not enter x'.
        // right gap 1920-400-1500 = 20 -> 10; x' = 960-10-400 = 550.
        // bottom gap 1080-300-700 = 80 -> 40; y' = 540-40-300 = 200.
        {"half right", {1500, 700, 400, 300}, full, half, {550, 200, 200, 150}},
        // Odd values give exact halves: 5 -> 2.5 -> 2, 7 -> 3.5 -> 4, 1 -> 0.5 -> 0.
        {"halves to even", {5, 7, 7, 5}, full, half, {2, 4, 4, 2}},
        {"halves 1 and 3", {1, 3, 3, 1}, full, half, {0, 2, 2, 0}},
        // The half line itself belongs to the right-hand rule: 960 is not < 960.
        {"on the half line", {960, 540, 100, 100}, full, half, {430, 220, 50, 50}},
        {"just left of the half line", {959, 539, 100, 100}, full, half, {480, 270, 50, 50}},
        // Onto a second monitor at an offset, larger area.
        {"to a wider monitor",
         {100, 100, 800, 600},
         {0, 0, 1000, 800},
         {1000, 0, 3000, 1600},
         {1200, 200, 1600, 1200}},
    };
    for (const auto& c : cases) {
        const auto mapped = MapBetweenWorkAreas(c.window, c.source, c.destination);
        ASSERT_TRUE(mapped.has_value()) << c.name;
        EXPECT_EQ(*mapped, c.expected) << c.name;
    }
}

TEST(MapBetweenWorkAreasTest, NegativeCoordinates) {
    // A monitor left of and above the primary one.
    const Rect left{-1920, -200, 0, 880};
    const Rect primary{0, 0, 1920, 1080};
    EXPECT_EQ(MapBetweenWorkAreas({-1820, -150, 400, 300}, left, primary),
              (XYWH{100, 50, 400, 300}));
    EXPECT_EQ(MapBetweenWorkAreas({100, 50, 400, 300}, primary, left),
              (XYWH{-1820, -150, 400, 300}));
    // A window hanging off the left edge keeps its distance as an absolute value: it lands
    // inside the destination by as much as it stood out of the source.
    EXPECT_EQ(MapBetweenWorkAreas({-50, 10, 400, 300}, primary, {1920, 0, 3840, 1080}),
              (XYWH{1970, 10, 400, 300}));
}

TEST(MapBetweenWorkAreasTest, SourceWithoutExtentLeavesTheWindowAlone) {
    const Rect destination{0, 0, 1920, 1080};
    EXPECT_FALSE(MapBetweenWorkAreas({10, 10, 100, 100}, {0, 0, 0, 1080}, destination));
    EXPECT_FALSE(MapBetweenWorkAreas({10, 10, 100, 100}, {0, 0, 1920, 0}, destination));
    EXPECT_FALSE(MapBetweenWorkAreas({10, 10, 100, 100}, {100, 0, 0, 1080}, destination));
}

} // namespace
} // namespace velmado::rules
