#include "mainwindow/palettelayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace talvex;

// Each button of the model's order once, and nothing else; the lookup gives a button its own.
TEST(PaletteTables, EveryButtonHasExactlyOneLayoutEntryAndLookupFindsIt)
{
    std::vector<PaletteButton> table;
    for (const PaletteButtonLayout &layout : paletteButtonLayouts())
        table.push_back(layout.button);
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        EXPECT_EQ(std::count(table.begin(), table.end(), button), 1) << "position " << position;
        EXPECT_EQ(paletteButtonLayout(button).button, button) << position;
    }
    EXPECT_EQ(table.size(), std::size_t(PaletteButtonCount));
    EXPECT_EQ(paletteButtonLayout(PaletteButton::Other).button, PaletteButton::PointerTBtn);
}

// The window finds its buttons by object name: two entries with one name would hide a button.
TEST(PaletteTables, ObjectNamesAndHintsAreFilledAndNamesDistinct)
{
    std::set<std::string> names;
    for (const PaletteButtonLayout &layout : paletteButtonLayouts()) {
        ASSERT_NE(layout.name, nullptr);
        ASSERT_NE(layout.hint, nullptr);
        EXPECT_NE(std::string(layout.hint), "") << layout.name;
        EXPECT_TRUE(names.insert(layout.name).second) << layout.name;
    }
}

// The bar places the gaps while it walks the buttons in order: a gap listed out of order, or
// after a button twice, would silently be dropped.
TEST(PaletteTables, SeparatorsFollowTheButtonOrder)
{
    int previous = 0;
    for (const PaletteButton button : paletteSeparatorsAfter()) {
        const int position = palettePosition(button);
        EXPECT_NE(button, PaletteButton::Other);
        EXPECT_GT(position, previous);
        previous = position;
    }
    EXPECT_LT(previous, PaletteButtonCount);
}
