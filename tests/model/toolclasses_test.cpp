#include "model/modelerror.h"
#include "model/toolclasses.h"

#include <gtest/gtest.h>

using namespace talvex;

TEST(ToolClassOf, EveryPlacingButtonGivesItsPosition)
{
    for (int position = 1; position <= 22; ++position)
        EXPECT_EQ(ToolClassOf(paletteButtonAt(position)), position);
    EXPECT_EQ(ToolClassOf(PaletteButton::MarketTBtn), 15);
    EXPECT_EQ(ToolClassOf(PaletteButton::PreferTBtn), 16);
}

TEST(ToolClassOf, PointerAndAnyOtherButtonGive23)
{
    EXPECT_EQ(ToolClassOf(PaletteButton::PointerTBtn), PointerToolClass);
    EXPECT_EQ(ToolClassOf(PaletteButton::Other), PointerToolClass);
    EXPECT_THROW(paletteButtonAt(0), ModelError);
    EXPECT_THROW(paletteButtonAt(24), ModelError);
}

TEST(PalettePosition, IsTheInverseOfTheButtonAtAPosition)
{
    EXPECT_EQ(PaletteButtonCount, ToolClassCount);
    for (int position = 1; position <= PaletteButtonCount; ++position)
        EXPECT_EQ(palettePosition(paletteButtonAt(position)), position);
    EXPECT_EQ(palettePosition(PaletteButton::PointerTBtn), PaletteButtonCount);
    EXPECT_EQ(palettePosition(PaletteButton::Other), PaletteButtonCount);
}

TEST(ToolClassTable, PointerClassIsKeinElementOfSizeZero)
{
    EXPECT_EQ(ToolClassTable().templateOf(PointerToolClass), Category{"kein Element"});
}

TEST(ToolClassTable, OrientationOfTheMultiCellClasses)
{
    ToolClassTable table;
    for (int cls : {3, 6, 15, 16}) {
        EXPECT_EQ(table.templateOf(cls).orientation, Horizontal) << cls;
        EXPECT_EQ(table.templateOf(cls).orientable, 1) << cls;
        EXPECT_GT(table.templateOf(cls).width, 1) << cls;
        EXPECT_EQ(table.templateOf(cls).height, 1) << cls;
    }
    EXPECT_EQ(table.templateOf(9).orientation, Horizontal);
    EXPECT_EQ(table.templateOf(9).orientable, 0);
    EXPECT_EQ(table.templateOf(9).width, 3);
    for (int cls = 1; cls <= ToolClassCount; ++cls) {
        EXPECT_EQ(table.templateOf(cls).x, 0);
        EXPECT_EQ(table.templateOf(cls).y, 0);
        if (cls != 3 && cls != 6 && cls != 9 && cls != 15 && cls != 16) {
            EXPECT_EQ(table.templateOf(cls).orientation, NoOrientation) << cls;
        }
    }
}

TEST(ToolClassTable, NamesDifferFromHintsWhereTheyDo)
{
    ToolClassTable table;
    EXPECT_EQ(table.templateOf(4).name, "arithmetischer Mischer");
    EXPECT_EQ(table.templateOf(6).name, "Zahlenwert-Eingeber (dynamisch)");
    EXPECT_EQ(table.templateOf(16).name, "Präferenzsystem");
}

TEST(ToolClassTable, ClassOutsideIsAModelError)
{
    ToolClassTable table;
    EXPECT_THROW(table.templateOf(0), ModelError);
    EXPECT_THROW(table.templateOf(24), ModelError);
    EXPECT_THROW(table.setFirstKind(24, 1), ModelError);
}
