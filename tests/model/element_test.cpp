#include "model/element.h"
#include "model/fatal.h"
#include "model/modelerror.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <limits>

using namespace talvex;

namespace {

Category category(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    return {"Markt", x, y, w, h};
}

// Allocates and fills slots the way placing does; skip is handed out but left free.
void placeElements(ElementTable &table, int count, int skip = 0)
{
    for (int i = 0; i < count; ++i) {
        const std::uint16_t n = table.AllocateElementNumber();
        if (n != skip)
            InitElementRecord(table.at(n), category(1, 1, 1, 1), n);
    }
}

// A table as the model starts it.
struct InitTable : ElementTable
{
    InitTable() { InitElementTable(); }
};

struct PixelRectCase
{
    std::int32_t x, y, w, h;
    PixelRect expected;

    std::string caseName() const { return test::words(x, y, w, "x", h); }
};

using PixelRectTest = ::testing::TestWithParam<PixelRectCase>;

} // namespace

TEST_P(PixelRectTest, FollowsTheCells)
{
    const PixelRectCase &c = GetParam();
    EXPECT_EQ(pixelRectOf(c.x, c.y, c.w, c.h), c.expected);

    Element record;
    InitElementRecord(record, category(c.x, c.y, c.w, c.h), 9);
    EXPECT_EQ(record.pixelRect(), c.expected);
}

TALVEX_INSTANTIATE_NAMED(Cells, PixelRectTest,
                         ::testing::Values(PixelRectCase{3, 2, 5, 1, {48, 24, 167, 47}},
                                           PixelRectCase{1, 1, 1, 1, {0, 0, 23, 23}},
                                           PixelRectCase{1, 1, 43, 36, {0, 0, 1031, 863}},
                                           PixelRectCase{3, 2, 1, 5, {48, 24, 71, 143}}));

TEST(PixelRect, OverflowIsAModelError)
{
    const auto big = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(pixelRectOf(big, 1, 1, 1), ModelError);
    EXPECT_THROW(pixelRectOf(1, 1, big, 1), ModelError);
    EXPECT_THROW(pixelRectOf(1, std::numeric_limits<std::int32_t>::min(), 1, 1), ModelError);
}

TEST(InitElementRecord, CopiesTheHeadAndLeavesNoSharedText)
{
    Category templ{"Markt", 3, 2, 5, 1, Horizontal, 1, 215, 224};
    Element record;
    record.spare = 77;
    InitElementRecord(record, templ, 7);

    EXPECT_EQ(record.head, templ);
    EXPECT_EQ(record.number, 7);
    EXPECT_EQ(record.spare, 0);

    templ.name[0] = 'X';
    EXPECT_EQ(record.head.name, "Markt");
}

TEST(InitElementRecord, OverflowLeavesTheRecordUntouched)
{
    Element record;
    InitElementRecord(record, category(1, 1, 1, 1), 4);
    const Element before = record;
    EXPECT_THROW(
        InitElementRecord(record, category(std::numeric_limits<std::int32_t>::max(), 1, 1, 1), 5),
        ModelError);
    EXPECT_EQ(record, before);
}

TEST(ElementTable, EverySlotHoldsTheSheetAfterInit)
{
    InitTable table;
    for (int n : {0, 1, 774, LastElementNumber}) {
        const Element &slot = table.at(n);
        EXPECT_EQ(slot.head, (Category{"Zeichenfläche", 1, 1, 43, 36})) << n;
        EXPECT_EQ(slot.number, 0);
        EXPECT_EQ(slot.pixelRect(), (PixelRect{0, 0, 1031, 863}));
        EXPECT_EQ(slot.spare, 0);
    }
    EXPECT_EQ(table.sheetRecord(), table.at(0));
}

TEST(ElementTable, AccessOutsideTheTableIsAModelError)
{
    InitTable table;
    EXPECT_THROW(table.at(-1), ModelError);
    EXPECT_THROW(table.at(ElementSlotCount), ModelError);
    EXPECT_NO_THROW(table.at(LastElementNumber));
}

TEST(ElementTable, AllocatesInOrderUpToTheLastSlot)
{
    InitTable table;
    EXPECT_EQ(table.AllocateElementNumber(), 1);
    EXPECT_EQ(table.AllocateElementNumber(), 2);
    EXPECT_EQ(table.AllocateElementNumber(), 3);

    InitTable full;
    placeElements(full, LastElementNumber - 1);
    EXPECT_EQ(full.AllocateElementNumber(), LastElementNumber);
}

TEST(ElementTable, ReinitRestartsTheCursor)
{
    InitTable table;
    placeElements(table, 5);
    table.InitElementTable();
    EXPECT_EQ(table.AllocateElementNumber(), 1);
    EXPECT_EQ(table.at(5).number, 0);
}

TEST(ElementTable, AfterTheLastSlotAFreeSlotIsReused)
{
    // A slot that was handed out but never filled counts as free on the second round.
    InitTable table;
    placeElements(table, LastElementNumber, 100);
    EXPECT_EQ(table.AllocateElementNumber(), 100);
}

TEST(ElementTableDeathTest, TheAllocationAfterAFullTableEndsWithExitCode3)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto fillAndOverflow = [] {
        InitTable table;
        placeElements(table, LastElementNumber);
        table.AllocateElementNumber();
    };
    EXPECT_EXIT(fillAndOverflow(), ::testing::ExitedWithCode(3), "^Überlauf der Elemente\n$");
}

TEST(FatalDeathTest, AnInstalledHandlerSeesTextAndCodeBeforeTheExit)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        setFatalHandler([](const std::string &text, int code) {
            std::fprintf(stderr, "handler:%s:%d\n", text.c_str(), code);
        });
        fatalError("Test", 5);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(5), "handler:Test:5");
}

TEST(OccupancyGrid, ClearsOnlyTheGivenColumnsAndRows)
{
    OccupancyGrid grid;
    grid.set(1, 1, 4);
    grid.set(42, 35, 5);
    grid.set(43, 36, 6);
    grid.ClearOccupancyGrid(42, 35);
    EXPECT_EQ(grid.at(1, 1), 0);
    EXPECT_EQ(grid.at(42, 35), 0);
    EXPECT_EQ(grid.at(43, 36), 6);
}

TEST(OccupancyGrid, CellsOutsideTheGridAreModelErrors)
{
    OccupancyGrid grid;
    EXPECT_THROW(grid.at(0, 1), ModelError);
    EXPECT_THROW(grid.at(44, 1), ModelError);
    EXPECT_THROW(grid.set(1, 37, 1), ModelError);
    EXPECT_THROW(grid.ClearOccupancyGrid(44, 36), ModelError);
    EXPECT_THROW(grid.ClearOccupancyGrid(43, -1), ModelError);
    EXPECT_NO_THROW(grid.ClearOccupancyGrid(43, 36));
    EXPECT_EQ(grid.at(43, 36), 0);
}
