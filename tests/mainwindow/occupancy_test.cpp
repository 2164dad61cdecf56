// Elements may not overlap: the occupancy grid through clicks on the sheet.

#include "editorfixture.h"
#include "model/elementmodel.h"
#include "testnames.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

using namespace talvex;
using talvex::test::Editor;

namespace {

// A click of the user: the tool, turned or not, and the cell under the pointer.
struct Placement
{
    PaletteButton button;
    int column;
    int row;
    bool turned = false;
};

// The cells an element covers, counted from 1.
struct Cells
{
    int column;
    int row;
    int width;
    int height;

    bool contains(int c, int r) const
    {
        return c >= column && c < column + width && r >= row && r < row + height;
    }
};

int placedCount(const ElementModel &model)
{
    int count = 0;
    for (int n = 1; n <= LastElementNumber; ++n)
        count += model.elements.at(n).number != 0 ? 1 : 0;
    return count;
}

std::vector<std::int32_t> grid(const ElementModel &model)
{
    std::vector<std::int32_t> entries;
    for (int column = 1; column <= MaxColumns; ++column)
        for (int row = 1; row <= MaxRows; ++row)
            entries.push_back(model.occupancy.at(column, row));
    return entries;
}

void place(const Editor &editor, const Placement &p)
{
    editor.place(p.button, p.column, p.row, p.turned);
}

struct OverlapCase
{
    const char *name;
    Placement first;
    Placement second;
    bool accepted;
};

class SecondElement : public ::testing::TestWithParam<OverlapCase>
{};

constexpr PaletteButton Market = PaletteButton::MarketTBtn;
constexpr PaletteButton Digital = PaletteButton::DigitalTBtn;

} // namespace

TEST_P(SecondElement, IsPlacedOnlyOnFreeCells)
{
    const OverlapCase &c = GetParam();
    Editor editor;
    place(editor, c.first);
    ASSERT_EQ(placedCount(editor.model()), 1);

    // Hidden, so that showing it again can be seen.
    editor.main->AttributeInspectClick();
    ASSERT_FALSE(editor.inspector->isVisible());
    const std::vector<std::int32_t> gridBefore = grid(editor.model());
    const QImage sheetBefore = editor.background();
    editor.click(c.second.button);
    if (c.second.turned)
        editor.main->OrientClick();
    const QString statusBefore = editor.main->statusText(0);
    editor.clickSheet(Editor::cellPixel(c.second.column, c.second.row));

    EXPECT_TRUE(editor.inspector->isVisible()) << "every left click ends by showing it";
    if (c.accepted) {
        EXPECT_EQ(placedCount(editor.model()), 2);
        EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
        EXPECT_EQ(editor.model().occupancy.at(c.second.column, c.second.row), 2);
        const std::vector<std::int32_t> gridAfter = grid(editor.model());
        for (std::size_t i = 0; i < gridBefore.size(); ++i) {
            if (gridBefore[i] != 0) {
                EXPECT_EQ(gridAfter[i], gridBefore[i]) << "entry " << i;
            }
        }
        return;
    }

    // Refused silently: nothing drawn, listed or marked, and the tool still chosen.
    EXPECT_EQ(placedCount(editor.model()), 1);
    EXPECT_EQ(grid(editor.model()), gridBefore);
    EXPECT_EQ(editor.background(), sheetBefore);
    EXPECT_EQ(editor.inspector->ComboBox->count(), 2);
    EXPECT_TRUE(editor.main->paletteButton(c.second.button)->isChecked());
    EXPECT_EQ(editor.main->statusText(0), statusBefore);

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

TEST(Occupancy, TheGridHoldsEachElementsNumberInExactlyItsCells)
{
    Editor editor;
    EXPECT_EQ(grid(editor.model()), std::vector<std::int32_t>(MaxColumns * MaxRows, 0))
        << "empty at start";

    const int lastColumn = editor.main->sheetColumns() - 1;
    const int bottomRow = editor.main->sheetRows();
    struct Placed
    {
        Placement click;
        Cells cells;
    };
    const std::vector<Placed> placed{
        {{Market, 3, 2}, {3, 2, 5, 1}},
        {{Market, 20, 5, true}, {20, 5, 1, 5}},
        {{PaletteButton::fFunctTBtn, 8, 2}, {8, 2, 3, 1}},
        {{PaletteButton::AllDistribTBtn, 1, 1, true}, {1, 1, 1, 2}},
        {{Digital, lastColumn, bottomRow}, {lastColumn, bottomRow, 1, 1}},
        {{Market, 1, bottomRow - 4, true}, {1, bottomRow - 4, 1, 5}},
    };
    for (const Placed &p : placed)
        place(editor, p.click);
    ASSERT_EQ(placedCount(editor.model()), int(placed.size()));

    for (int column = 1; column <= MaxColumns; ++column) {
        for (int row = 1; row <= MaxRows; ++row) {
            std::int32_t expected = 0;
            for (std::size_t i = 0; i < placed.size(); ++i) {
                if (placed[i].cells.contains(column, row))
                    expected = std::int32_t(i + 1);
            }
            EXPECT_EQ(editor.model().occupancy.at(column, row), expected)
                << "cell " << column << "," << row;
        }
    }
}
