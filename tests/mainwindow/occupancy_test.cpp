// Elements may not overlap: the occupancy grid through clicks on the sheet.

#include "mainwindowtest.h"
#include "testnames.h"

#include <cstdint>
#include <vector>

using namespace talvex;
using namespace talvex::test;

namespace {

// A click of the user: the tool, turned or not, and the cell under the pointer.
struct Placement
{
    PaletteButton button;
    int column;
    int row;
    bool turned = false;
};

std::vector<std::int32_t> grid(const ElementModel &model)
{
    std::vector<std::int32_t> entries;
    for (int column = 1; column <= MaxColumns; ++column)
        for (int row = 1; row <= MaxRows; ++row)
            entries.push_back(model.occupancy.at(column, row));
    return entries;
}

struct OverlapCase
{
    const char *name;
    Placement first;
    Placement second;
    bool accepted;
};

class SecondElement : public EditorTest, public ::testing::WithParamInterface<OverlapCase>
{};

using Occupancy = EditorTest;

constexpr PaletteButton Market = B::MarketTBtn;
constexpr PaletteButton Digital = B::DigitalTBtn;

} // namespace

TEST_P(SecondElement, IsPlacedOnlyOnFreeCells)
{
    const OverlapCase &c = GetParam();
    editor.place(c.first.button, c.first.column, c.first.row, c.first.turned);
    ASSERT_EQ(placedCount(editor.model()), 1);

    // Hidden, so that showing it again can be seen.
    main.AttributeInspectClick();
    ASSERT_FALSE(inspector.isVisible());
    const std::vector<std::int32_t> gridBefore = grid(editor.model());
    const QImage sheetBefore = editor.background();
    editor.click(c.second.button);
    if (c.second.turned)
        main.OrientClick();
    const QString statusBefore = main.statusText(0);
    editor.clickSheet(Editor::cellPixel(c.second.column, c.second.row));

    EXPECT_TRUE(inspector.isVisible()) << "every left click ends by showing it";
    if (c.accepted) {
        EXPECT_EQ(placedCount(editor.model()), 2);
        EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
        EXPECT_EQ(editor.model().occupancy.at(c.second.column, c.second.row), 2);
        const std::vector<std::int32_t> gridAfter = grid(editor.model());
        for (std::size_t i = 0; i < gridBefore.size(); ++i)
            EXPECT_TRUE(gridBefore[i] == 0 || gridAfter[i] == gridBefore[i])
                << "entry " << i << " was " << gridBefore[i] << ", is " << gridAfter[i];
        return;
    }

    // Refused silently: nothing drawn, listed or marked, and the tool still chosen.
    EXPECT_EQ(placedCount(editor.model()), 1);
    EXPECT_EQ(grid(editor.model()), gridBefore);
    EXPECT_EQ(editor.background(), sheetBefore);
    EXPECT_EQ(inspector.ComboBox->count(), 2);
    EXPECT_TRUE(button(c.second.button)->isChecked());
    EXPECT_EQ(main.statusText(0), statusBefore);

    // The user tries another place with the same tool.
    editor.clickSheet(Editor::cellPixel(c.second.column, 20));
    EXPECT_EQ(placedCount(editor.model()), 2);
}

TALVEX_INSTANTIATE_NAMED(
    Overlaps, SecondElement,
    ::testing::Values(
        OverlapCase{"SameCell", {Digital, 10, 10}, {Digital, 10, 10}, false},
        OverlapCase{"InsideAMarket", {Market, 10, 10}, {Digital, 12, 10}, false},
        OverlapCase{"OnTheLastCell", {Market, 10, 10}, {Market, 14, 10}, false},
        OverlapCase{"OnTheFirstCell", {Market, 10, 10}, {Market, 6, 10}, false},
        OverlapCase{"OverASingleCell", {Digital, 12, 10}, {Market, 10, 10}, false},
        OverlapCase{"VerticalCrossing", {Market, 10, 10}, {Market, 12, 8, true}, false},
        OverlapCase{"HorizontalCrossing", {Market, 12, 8, true}, {Market, 10, 10}, false},
        OverlapCase{"VerticalEndOnLastCell", {Market, 10, 10}, {Market, 14, 6, true}, false}));

TALVEX_INSTANTIATE_NAMED(
    Neighbours, SecondElement,
    ::testing::Values(
        OverlapCase{"Left", {Market, 10, 10}, {Digital, 9, 10}, true},
        OverlapCase{"Right", {Market, 10, 10}, {Digital, 15, 10}, true},
        OverlapCase{"Above", {Market, 10, 10}, {Digital, 12, 9}, true},
        OverlapCase{"Below", {Market, 10, 10}, {Digital, 12, 11}, true},
        OverlapCase{"AboveLeft", {Market, 10, 10}, {Digital, 9, 9}, true},
        OverlapCase{"BelowRight", {Market, 10, 10}, {Digital, 15, 11}, true},
        OverlapCase{"MarketEndToEnd", {Market, 10, 10}, {Market, 15, 10}, true},
        OverlapCase{"VerticalEndsAbove", {Market, 10, 10}, {Market, 14, 5, true}, true},
        OverlapCase{"VerticalBesideEnd", {Market, 10, 10}, {Market, 15, 6, true}, true}));

TEST_F(Occupancy, TheGridHoldsEachElementsNumberInExactlyItsCells)
{
    EXPECT_EQ(grid(editor.model()), std::vector<std::int32_t>(MaxColumns * MaxRows, 0))
        << "empty at start";

    const int lastColumn = main.sheetColumns() - 1;
    const int bottomRow = main.sheetRows();
    const std::vector<Placement> placed{{Market, 3, 2},
                                        {Market, 20, 5, true},
                                        {B::fFunctTBtn, 8, 2},
                                        {B::AllDistribTBtn, 1, 1, true},
                                        {Digital, lastColumn, bottomRow},
                                        {Market, 1, bottomRow - 4, true}};
    for (const Placement &p : placed)
        editor.place(p.button, p.column, p.row, p.turned);
    ASSERT_EQ(placedCount(editor.model()), int(placed.size()));

    // Each element covers its outline from the clicked cell on, as the tool table gives it.
    for (int column = 1; column <= MaxColumns; ++column) {
        for (int row = 1; row <= MaxRows; ++row) {
            std::int32_t expected = 0;
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const Placement &p = placed[i];
                const auto [width, height] = outline(p.button, p.turned);
                if (column >= p.column && column < p.column + width && row >= p.row &&
                    row < p.row + height)
                    expected = std::int32_t(i + 1);
            }
            EXPECT_EQ(editor.model().occupancy.at(column, row), expected)
                << "cell " << column << "," << row;
        }
    }
}
