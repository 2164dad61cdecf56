#include "model/elementmodel.h"
#include "model/fatal.h"
#include "model/modelerror.h"
#include "model/palette.h"
#include "model/placing.h"
#include "tables.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace talvex;
using B = PaletteButton;

namespace {

// The sheet of the fixed window width: the last column stays free, the bottom row may be covered.
constexpr int Columns = test::BoundsColumns;
constexpr int Rows = test::BoundsRows;

// A copy of everything placing may change in the model.
struct Snapshot
{
    ElementTable elements;
    OccupancyGrid occupancy;
};

void expectUnchanged(const ElementModel &model, const Snapshot &before)
{
    EXPECT_EQ(model.elements.allocationCursor(), before.elements.allocationCursor());
    for (int n = 0; n <= LastElementNumber; ++n)
        ASSERT_EQ(model.elements.at(n), before.elements.at(n)) << "slot " << n;
    for (int column = 1; column <= MaxColumns; ++column)
        for (int row = 1; row <= MaxRows; ++row)
            ASSERT_EQ(model.occupancy.at(column, row), before.occupancy.at(column, row))
                << column << "," << row;
}

// Hands out numbers and fills their slots without placing, up to a full table; skip is handed
// out but left free.
void fillTable(ElementTable &table, int skip = 0)
{
    const Category head{"Weiterleiter", 1, 1, 1, 1};
    while (table.allocationCursor() < LastElementNumber) {
        const std::uint16_t n = table.AllocateElementNumber();
        if (n != skip)
            InitElementRecord(table.at(n), head, n);
    }
}

class Placing : public ::testing::Test
{
protected:
    Placing() { model->BuildElementModel(Columns, Rows); }

    // The palette with button chosen, turned upright when vertical.
    PaletteState choose(B button, bool vertical = false)
    {
        PaletteState palette(model->toolClasses);
        if (button == B::DynInputTBtn)
            palette.chooseConductorKind(NumericValues);
        palette.ChooseTool(button);
        if (vertical)
            palette.OrientClick();
        return palette;
    }

    std::optional<PlacedElement> place(B button, bool vertical, GridCell cell)
    {
        PaletteState palette = choose(button, vertical);
        return placeElementAt(*model, palette, cell, Columns, Rows);
    }

    Snapshot snapshot() const { return {model->elements, model->occupancy}; }

    // Cells covered by number, counted from 1, as a flat list for comparison.
    std::vector<std::pair<int, int>> cellsOf(int number) const
    {
        std::vector<std::pair<int, int>> cells;
        for (int row = 1; row <= MaxRows; ++row)
            for (int column = 1; column <= MaxColumns; ++column)
                if (model->occupancy.at(column, row) == number)
                    cells.emplace_back(column, row);
        return cells;
    }

    std::unique_ptr<ElementModel> model = std::make_unique<ElementModel>();
};

// --- a placement that succeeds ---

std::string cellCaseName(B button, bool vertical, GridCell cell)
{
    return test::words(test::buttonName(button), vertical ? "turned" : "", cell.col0, cell.row0);
}

struct PlacedCase
{
    B button;
    bool vertical;
    GridCell cell;
    std::uint8_t orientation;
    PixelRect rect;

    std::string caseName() const { return cellCaseName(button, vertical, cell); }
};

class Placed : public Placing, public ::testing::WithParamInterface<PlacedCase>
{};

TEST_P(Placed, FillsNumberRecordOccupancyAndTiles)
{
    const PlacedCase &c = GetParam();
    PaletteState palette = choose(c.button, c.vertical);
    const Category templ = palette.chosenCategory();

    const std::optional<PlacedElement> placed =
        placeElementAt(*model, palette, c.cell, Columns, Rows);
    ASSERT_TRUE(placed);

    EXPECT_EQ(placed->number, 1);
    EXPECT_EQ(model->elements.allocationCursor(), 1);

    const Element &record = model->elements.at(1);
    EXPECT_EQ(record.number, 1);
    EXPECT_EQ(record.head, placed->category);
    EXPECT_EQ(record.head.name, templ.name);
    EXPECT_EQ(std::pair(record.head.x, record.head.y), std::pair(c.cell.col0 + 1, c.cell.row0 + 1));
    EXPECT_EQ(record.head.orientation, c.orientation);
    EXPECT_EQ(record.head.firstKind, templ.firstKind);
    EXPECT_EQ(record.pixelRect(), c.rect);
    EXPECT_EQ(record.spare, 0);
    // The tiles follow the tile layout rule (TileLayout) for the record's size.
    const std::vector<TilePlacement> tiles =
        tileLayout(templ.firstKind, record.head.width, record.head.height, c.cell);
    EXPECT_EQ(placed->tiles, tiles);
    EXPECT_EQ(placed->firstTile, tiles.front().kind);
    EXPECT_EQ(model->elements.at(2), model->elements.sheetRecord()) << "only one slot is filled";

    // Exactly the covered cells carry the number, in reading order.
    std::vector<std::pair<int, int>> expected;
    for (int row = record.head.y; row < record.head.y + record.head.height; ++row)
        for (int column = record.head.x; column < record.head.x + record.head.width; ++column)
            expected.emplace_back(column, row);
    EXPECT_EQ(cellsOf(1), expected);
    EXPECT_EQ(cellsOf(0).size(), std::size_t{MaxColumns * MaxRows} - expected.size());

    // The chosen category keeps the cell of the element placed last.
    EXPECT_EQ(std::pair(palette.chosenCategory().x, palette.chosenCategory().y),
              std::pair(record.head.x, record.head.y));
}

TALVEX_INSTANTIATE_NAMED(
    Categories, Placed,
    ::testing::Values(
        // A "Markt" at column 3, row 2; upright it uses the vertical tiles from top to bottom.
        PlacedCase{B::MarketTBtn, false, {2, 1}, Horizontal, {48, 24, 167, 47}},
        PlacedCase{B::MarketTBtn, true, {2, 1}, Vertical, {48, 24, 71, 143}},
        // Right edge: columns 37 to 41, column 42 stays free.
        PlacedCase{B::MarketTBtn, false, {36, 0}, Horizontal, {864, 0, 983, 23}},
        // Bottom edge: rows 31 to 35, the last row included.
        PlacedCase{B::MarketTBtn, true, {0, 30}, Vertical, {0, 720, 23, 839}},
        PlacedCase{B::AllDistribTBtn, false, {0, 0}, Horizontal, {0, 0, 47, 23}},
        // The bottom-right usable corner.
        PlacedCase{B::AllDistribTBtn, true, {40, 33}, Vertical, {960, 792, 983, 839}},
        PlacedCase{B::DynInputTBtn, true, {5, 5}, Vertical, {120, 120, 143, 191}},
        // Not orientable: the orientation change leaves it horizontal.
        PlacedCase{B::fFunctTBtn, true, {0, 34}, Horizontal, {0, 816, 71, 839}}));

TEST_F(Placing, ASingleCellShowsItsOnlyTile)
{
    const std::optional<PlacedElement> placed = place(B::TextTBtn, false, {40, 34});
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->category.name, "Text-Element");
    ASSERT_EQ(placed->tiles.size(), 1u);
    EXPECT_EQ(model->kinds.kind(placed->firstTile).tile, "Text1Img");
    EXPECT_EQ(placed->tiles.front(),
              (TilePlacement{placed->firstTile, 40 * CellSize, 34 * CellSize}));
    EXPECT_EQ(model->elements.at(1).pixelRect(), (PixelRect{960, 816, 983, 839}));
    EXPECT_EQ(cellsOf(1), (std::vector<std::pair<int, int>>{{41, 35}}));
}

TEST_F(Placing, NumbersFollowOneAnother)
{
    for (int n = 1; n <= 3; ++n) {
        const std::optional<PlacedElement> placed = place(B::TextTBtn, false, {n, 0});
        ASSERT_TRUE(placed);
        EXPECT_EQ(placed->number, n);
        EXPECT_EQ(model->occupancy.at(n + 1, 1), n);
    }
}

// --- the sheet's edges: refusals change nothing ---

class AtTheEdge : public Placing, public ::testing::WithParamInterface<test::Bound>
{};

TEST_P(AtTheEdge, PlacesOnlyInsideTheSheet)
{
    const test::Bound &c = GetParam();
    const Snapshot before = snapshot();
    PaletteState palette = choose(c.button, c.turned);
    const Category chosen = palette.chosenCategory();

    const GridCell cell{c.column - 1, c.row - 1};
    const std::optional<PlacedElement> placed =
        placeElementAt(*model, palette, cell, Columns, Rows);
    ASSERT_EQ(placed.has_value(), c.accepted);
    if (placed) {
        EXPECT_EQ(std::pair(placed->category.x, placed->category.y), std::pair(c.column, c.row));
        return;
    }
    expectUnchanged(*model, before);
    EXPECT_EQ(palette.chosenCategory(), chosen);

    // The number was not consumed.
    const std::optional<PlacedElement> next = place(B::TextTBtn, false, {0, 0});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->number, 1);
}

TALVEX_INSTANTIATE_NAMED(Sheet42x35, AtTheEdge, ::testing::ValuesIn(test::PlacingBounds));

// --- occupied cells, next to a "Markt" in columns 3 to 7 of row 2 ---

struct NeighbourCase
{
    B button;
    bool vertical;
    GridCell cell;
    bool placed;

    std::string caseName() const { return cellCaseName(button, vertical, cell); }
};

class Neighbour : public Placing, public ::testing::WithParamInterface<NeighbourCase>
{};

TEST_P(Neighbour, RefusesOverlapAndAcceptsTheCellsBeside)
{
    const NeighbourCase &c = GetParam();
    ASSERT_TRUE(place(B::MarketTBtn, false, {2, 1}));
    const Snapshot before = snapshot();
    const std::vector<std::pair<int, int>> market = cellsOf(1);

    const std::optional<PlacedElement> placed = place(c.button, c.vertical, c.cell);
    ASSERT_EQ(placed.has_value(), c.placed);
    EXPECT_EQ(cellsOf(1), market) << "the first element keeps its cells";
    if (placed) {
        EXPECT_EQ(placed->number, 2);
        EXPECT_EQ(model->occupancy.at(c.cell.col0 + 1, c.cell.row0 + 1), 2);
    } else {
        expectUnchanged(*model, before);
    }
}

TALVEX_INSTANTIATE_NAMED(
    Market, Neighbour,
    ::testing::Values(NeighbourCase{B::TextTBtn, false, {2, 1}, false},       // its first cell
                      NeighbourCase{B::TextTBtn, false, {6, 1}, false},       // its last cell
                      NeighbourCase{B::AllDistribTBtn, false, {1, 1}, false}, // reaches column 3
                      NeighbourCase{B::MarketTBtn, true, {4, 0}, false},      // crosses row 2
                      NeighbourCase{B::MarketTBtn, false, {6, 1}, false},
                      NeighbourCase{B::TextTBtn, false, {1, 1}, true},    // column 2
                      NeighbourCase{B::TextTBtn, false, {7, 1}, true},    // column 8
                      NeighbourCase{B::MarketTBtn, false, {2, 0}, true},  // row 1 above
                      NeighbourCase{B::MarketTBtn, true, {4, 2}, true})); // rows 3 to 7 below

// --- failures after the placing test ---

TEST(PlacingFailure, AKindMissingFromTheCatalogueChangesNothing)
{
    // Without registered kinds the "Markt" class has first kind 0, which the catalogue refuses.
    auto model = std::make_unique<ElementModel>();
    model->buildWith(Columns, Rows, [](KindRegistrar &) {});
    PaletteState palette(model->toolClasses);
    palette.ChooseTool(B::MarketTBtn);
    const Snapshot before{model->elements, model->occupancy};

    EXPECT_THROW(placeElementAt(*model, palette, {2, 1}, Columns, Rows), ModelError);
    expectUnchanged(*model, before);
    EXPECT_EQ(palette.chosenCategory().x, 0);
    EXPECT_EQ(model->elements.nextElementNumber(), 1);
}

TEST_F(Placing, OnAFullTableTheSheetEdgeStillRefusesQuietly)
{
    fillTable(model->elements);
    const Snapshot before = snapshot();
    EXPECT_FALSE(place(B::TextTBtn, false, {41, 0}));
    expectUnchanged(*model, before);
}

TEST_F(Placing, AfterTheLastSlotAFreeSlotIsPlacedInto)
{
    fillTable(model->elements, 100);
    const std::optional<PlacedElement> placed = place(B::TextTBtn, false, {0, 0});
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->number, 100);
    EXPECT_EQ(model->elements.at(100).number, 100);
    EXPECT_EQ(model->occupancy.at(1, 1), 100);
}

using PlacingDeathTest = Placing;

TEST_F(PlacingDeathTest, AFullTableEndsBeforeAnythingIsPlaced)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [this] {
        fillTable(model->elements);
        PaletteState palette = choose(B::TextTBtn);
        // The handler reports what the model holds at the moment the process ends.
        setFatalHandler([&](const std::string &text, int code) {
            std::fprintf(stderr, "%s %d: cell %d, cursor %d, chosen x %d\n", text.c_str(), code,
                         model->occupancy.at(5, 3), model->elements.allocationCursor(),
                         palette.chosenCategory().x);
        });
        placeElementAt(*model, palette, {4, 2}, Columns, Rows);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(3),
                "^Überlauf der Elemente 3: cell 0, cursor 1548, chosen x 0\n$");
}

} // namespace
