#include "model/placing.h"

#include "model/modelerror.h"
#include "tables.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <limits>

using namespace talvex;

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

Element element(std::uint16_t number, int x, int y, int width, int height)
{
    Element record;
    InitElementRecord(record, {"Markt", x, y, width, height}, number);
    return record;
}

// --- snapping to the nearest grid line ---

using Snap = ::testing::TestWithParam<std::pair<int, int>>;

TEST_P(Snap, RoundsToTheNearestLine)
{
    const auto [pixel, line] = GetParam();
    EXPECT_EQ(snapToGrid(pixel, 0), (GridCell{line, 0}));
    EXPECT_EQ(snapToGrid(0, pixel), (GridCell{0, line}));
}

TALVEX_INSTANTIATE_NAMED(Pixels, Snap,
                         ::testing::Values(std::pair{0, 0}, std::pair{11, 0}, std::pair{12, 1},
                                           std::pair{35, 1}, std::pair{36, 2}, std::pair{1007, 42},
                                           std::pair{-12, 0}, std::pair{-13, -1},
                                           std::pair{-36, -1}, std::pair{-37, -2},
                                           std::pair{IntMax, 89478485},
                                           std::pair{IntMin, -89478485}));

// --- the placing test on an empty sheet of 42 x 35 cells ---

using PlacingBounds = ::testing::TestWithParam<test::Bound>;

TEST_P(PlacingBounds, KeepsTheLastColumnFree)
{
    const test::Bound &c = GetParam();
    const auto [width, height] = test::outline(c.button, c.turned);
    EXPECT_EQ(placementFits({c.column - 1, c.row - 1}, width, height, test::BoundsColumns,
                            test::BoundsRows, OccupancyGrid()),
              c.accepted);
}

TALVEX_INSTANTIATE_NAMED(Sheet42x35, PlacingBounds, ::testing::ValuesIn(test::PlacingBounds));

TEST(PlacingTest, NeverOverflowsNorAddressesCellsBeyondTheGrid)
{
    OccupancyGrid occupancy;
    EXPECT_TRUE(placementFits({0, 0}, 41, 35, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, 0}, 42, 1, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, 0}, 0, 1, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, 0}, 1, 0, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, 0}, -1, -1, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({IntMax, 0}, IntMax, 1, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, IntMax}, 1, IntMax, 42, 35, occupancy));
    // A caller passing a sheet larger than the grid gets a refusal, not an exception.
    EXPECT_TRUE(placementFits({42, 35}, 1, 1, 60, 60, occupancy));
    EXPECT_FALSE(placementFits({43, 0}, 1, 1, 60, 60, occupancy));
    EXPECT_FALSE(placementFits({0, 36}, 1, 1, 60, 60, occupancy));
}

TEST(PlacingTest, RefusesOccupiedCells)
{
    OccupancyGrid occupancy;
    markOccupied(occupancy, element(7, 3, 2, 5, 1)); // columns 3 to 7 of row 2

    EXPECT_FALSE(placementFits({6, 1}, 1, 1, 42, 35, occupancy));
    EXPECT_FALSE(placementFits({0, 1}, 3, 1, 42, 35, occupancy)); // last cell on column 3
    EXPECT_FALSE(placementFits({4, 0}, 1, 5, 42, 35, occupancy)); // crosses row 2
    EXPECT_TRUE(placementFits({1, 1}, 1, 1, 42, 35, occupancy));  // column 2
    EXPECT_TRUE(placementFits({7, 1}, 5, 1, 42, 35, occupancy));  // from column 8
    EXPECT_TRUE(placementFits({2, 2}, 5, 1, 42, 35, occupancy));  // row 3
}

// --- marking the cells of a placed element ---

TEST(MarkOccupied, WritesTheNumberIntoEveryCoveredCell)
{
    OccupancyGrid occupancy;
    markOccupied(occupancy, element(12, 41, 32, 2, 5)); // reaches the grid's last row
    for (int column = 40; column <= 43; ++column) {
        for (int row = 31; row <= 36; ++row) {
            const bool covered = column >= 41 && column <= 42 && row >= 32;
            EXPECT_EQ(occupancy.at(column, row), covered ? 12 : 0) << column << "," << row;
        }
    }
}

TEST(MarkOccupied, ABadRecordMarksNothing)
{
    OccupancyGrid occupancy;
    EXPECT_THROW(markOccupied(occupancy, element(3, 40, 1, 5, 1)), ModelError);
    EXPECT_THROW(markOccupied(occupancy, element(3, 0, 1, 1, 1)), ModelError);
    EXPECT_EQ(occupancy.at(40, 1), 0);
    EXPECT_EQ(occupancy.at(43, 1), 0);

    markOccupied(occupancy, element(3, 1, 1, 0, 1));
    EXPECT_EQ(occupancy.at(1, 1), 0);
}

// --- the tile layout rule ---

struct TileCase
{
    std::uint16_t firstKind;
    int width, height;
    GridCell cell;
    std::vector<TilePlacement> tiles;

    std::string caseName() const { return test::words(firstKind, width, "x", height); }
};

TileCase tiles(std::uint16_t firstKind, int width, int height, GridCell cell,
               std::vector<TilePlacement> tiles)
{
    return {firstKind, width, height, cell, tiles};
}

using TileLayout = ::testing::TestWithParam<TileCase>;

TEST_P(TileLayout, HorizontalTilesFirstThenVertical)
{
    const TileCase &c = GetParam();
    EXPECT_EQ(tileLayout(c.firstKind, c.width, c.height, c.cell), c.tiles);
    if (!c.tiles.empty()) {
        EXPECT_EQ(firstTileKind(c.firstKind, c.height), c.tiles.front().kind);
    }
}

TALVEX_INSTANTIATE_NAMED(
    Classes, TileLayout,
    ::testing::Values(
        tiles(215, 5, 1, {2, 1},
              {{215, 48, 24}, {216, 72, 24}, {217, 96, 24}, {218, 120, 24}, {219, 144, 24}}),
        tiles(215, 1, 5, {2, 1},
              {{220, 48, 24}, {221, 48, 48}, {222, 48, 72}, {223, 48, 96}, {224, 48, 120}}),
        tiles(88, 2, 1, {0, 0}, {{88, 0, 0}, {89, 24, 0}}),
        tiles(88, 1, 2, {0, 0}, {{90, 0, 0}, {91, 0, 24}}),
        tiles(147, 1, 3, {40, 34}, {{150, 960, 816}, {151, 960, 840}, {152, 960, 864}}),
        tiles(5, 1, 1, {40, 34}, {{5, 960, 816}}), tiles(5, 0, 0, {1, 1}, {}),
        tiles(5, -3, 1, {1, 1}, {})));

TEST(TileKinds, BeyondSixteenBitsIsAModelError)
{
    EXPECT_THROW(tileLayout(65535, 2, 1, {0, 0}), ModelError);
    EXPECT_THROW(firstTileKind(65534, 2), ModelError);
    EXPECT_THROW(tileLayout(1, 1, 1, {IntMax, 0}), ModelError);
}

// --- when the orientation menu is offered ---

TEST(OrientMenu, OnlyForOrientableMultiCellOutlines)
{
    EXPECT_TRUE(orientMenuOffered(2, 1, true));
    EXPECT_TRUE(orientMenuOffered(1, 5, true));
    EXPECT_FALSE(orientMenuOffered(1, 1, true));
    EXPECT_FALSE(orientMenuOffered(3, 1, false));
    EXPECT_FALSE(orientMenuOffered(0, 0, false));
    EXPECT_FALSE(orientMenuOffered(5, 1, false)) << "pointer tool after placing a market";
}

} // namespace
