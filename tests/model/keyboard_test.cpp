#include "model/attributes.h"
#include "model/elementmodel.h"
#include "model/focusorder.h"
#include "model/palette.h"
#include "model/placing.h"
#include "model/sheetpointer.h"

#include <gtest/gtest.h>

#include <climits>

using namespace talvex;

namespace {

// --- the keyboard pointer on the sheet picture (994 x 835: 42 x 35 cell origins) ---

SheetPointer pointerOnSheet()
{
    SheetPointer pointer;
    pointer.setPictureSize(994, 835);
    pointer.startAt(std::nullopt);
    return pointer;
}

TEST(SheetPointer, StartsAtTheFirstCellOrUnderTheLastMousePosition)
{
    SheetPointer pointer = pointerOnSheet();
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(1, 1));
    EXPECT_EQ(std::pair(pointer.x(), pointer.y()), std::pair(0, 0));

    // The cell that holds the position, not the nearest grid line.
    pointer.startAt(std::pair(47, 23));
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(2, 1));
    pointer.startAt(std::pair(48, 24));
    EXPECT_EQ(std::pair(pointer.x(), pointer.y()), std::pair(48, 24));
    // Positions off the picture are pulled into it.
    pointer.startAt(std::pair(-5, 5000));
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(1, 35));
    pointer.startAt(std::pair(INT_MAX, INT_MIN));
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(42, 1));
}

TEST(SheetPointer, MovesByCellsAndStaysInThePicture)
{
    SheetPointer pointer = pointerOnSheet();
    EXPECT_TRUE(pointer.move(2, 1));
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(3, 2));
    EXPECT_TRUE(pointer.move(-SheetPointer::BigStep, 0));
    EXPECT_EQ(pointer.column(), 1);
    EXPECT_FALSE(pointer.move(-1, 0)) << "already at the left edge";
    EXPECT_TRUE(pointer.move(100, 100));
    // The last origin inside 994 x 835 is (984, 816): column 42, row 35.
    EXPECT_EQ(std::pair(pointer.x(), pointer.y()), std::pair(984, 816));
    EXPECT_FALSE(pointer.move(INT_MAX, INT_MAX));
    EXPECT_TRUE(pointer.move(INT_MIN, INT_MIN));
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(1, 1));

    // A smaller picture takes the pointer with it; an empty one keeps it at the first cell.
    pointer.move(41, 34);
    pointer.setPictureSize(240, 240);
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(10, 10));
    pointer.setPictureSize(0, -3);
    EXPECT_EQ(std::pair(pointer.column(), pointer.row()), std::pair(1, 1));
    EXPECT_FALSE(pointer.move(1, 1));
}

// --- what the sheet tells assistive technology ---

TEST(SheetTexts, PositionsEntriesAndTheCoveringElement)
{
    ElementModel model;
    model.BuildElementModel(42, 35);
    EXPECT_EQ(cellPositionText(3, 2), "Spalte 3, Zeile 2");
    EXPECT_TRUE(placedElementNumbers(model.elements).empty());

    PaletteState palette(model.toolClasses);
    palette.ChooseTool(PaletteButton::MarketTBtn);
    palette.OrientClick();
    const std::optional<PlacedElement> placed =
        placeElementAt(model, palette, GridCell{2, 1}, 42, 35);
    ASSERT_TRUE(placed);
    const Element &market = model.elements.at(placed->number);
    EXPECT_EQ(elementListEntry(market), "0001  Markt");
    EXPECT_EQ(elementPlacementText(market), "Spalte 3, Zeile 2, 1 × 5 Zellen");
    EXPECT_EQ(placedElementNumbers(model.elements), std::vector<int>{1});

    EXPECT_EQ(pointerCellText(model, 3, 6), "Spalte 3, Zeile 6, 0001  Markt");
    EXPECT_EQ(pointerCellText(model, 3, 7), "Spalte 3, Zeile 7");
    EXPECT_EQ(pointerCellText(model, 4, 2), "Spalte 4, Zeile 2");
    // Outside the grid a cell has only its position.
    EXPECT_EQ(pointerCellText(model, 0, 99), "Spalte 0, Zeile 99");
}

// --- moving along a row of controls, some disabled ---

TEST(FocusOrder, StepsPassDisabledControls)
{
    const std::vector<bool> enabled = {false, true, false, true, true, false};
    EXPECT_EQ(stepToEnabled(enabled, 1, 1, false), 3);
    EXPECT_EQ(stepToEnabled(enabled, 4, 1, false), 4) << "the end stops a row";
    EXPECT_EQ(stepToEnabled(enabled, 1, -1, false), 1);
    EXPECT_EQ(stepToEnabled(enabled, 4, 1, true), 1) << "a group goes round";
    EXPECT_EQ(stepToEnabled(enabled, 1, -1, true), 4);
    EXPECT_EQ(firstEnabled(enabled), 1);
    EXPECT_EQ(lastEnabled(enabled), 4);
    EXPECT_EQ(stepToEnabled({false, false}, 0, 1, true), -1);
    EXPECT_EQ(stepToEnabled({}, 0, -1, false), -1);
    EXPECT_EQ(firstEnabled({false}), -1);
}

TEST(FocusOrder, F6CyclesTheAreasAndPassesAHiddenInspector)
{
    using A = FocusArea;
    EXPECT_EQ(nextFocusArea(std::nullopt, true, true), A::Palette);
    EXPECT_EQ(nextFocusArea(std::nullopt, false, true), A::Inspector);
    EXPECT_EQ(nextFocusArea(std::nullopt, false, false), A::Sheet);
    EXPECT_EQ(nextFocusArea(A::Palette, true, true), A::ConductorKinds);
    EXPECT_EQ(nextFocusArea(A::Sheet, true, true), A::Inspector);
    EXPECT_EQ(nextFocusArea(A::Sheet, true, false), A::Palette);
    EXPECT_EQ(nextFocusArea(A::Inspector, true, true), A::Palette);
    EXPECT_EQ(nextFocusArea(A::Palette, false, true), A::Inspector);
    EXPECT_EQ(nextFocusArea(A::Palette, false, false), A::Sheet);
    // Focus still in a hidden inspector counts as no area.
    EXPECT_EQ(nextFocusArea(A::Inspector, true, false), A::Palette);
}

TEST(ConductorKinds, NamedForTheirRadioButtons)
{
    EXPECT_EQ(conductorKindName(NumericValues), "Zahlenwerte");
    EXPECT_EQ(conductorKindName(Distributions), "Verteilungen");
    EXPECT_EQ(conductorKindName(Decisions), "Entscheidungen");
    EXPECT_ANY_THROW(conductorKindName(3));
    EXPECT_ANY_THROW(conductorKindName(-1));
}

} // namespace
