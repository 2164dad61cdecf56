#include "model/palette.h"

#include "model/modelerror.h"
#include "tables.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <string>

using namespace talvex;
using B = PaletteButton;

namespace {

// The only pressed button, or Other when none or several are pressed.
B pressedButton(const PaletteState &palette)
{
    B found = B::Other;
    int count = 0;
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        if (palette.isPressed(paletteButtonAt(position))) {
            found = paletteButtonAt(position);
            ++count;
        }
    }
    return count == 1 ? found : B::Other;
}

const char *const KindHints[] = {"Leiterart: Zahlenwerte", "Leiterart: Verteilungen",
                                 "Leiterart: Entscheidungen"};

class Palette : public ::testing::Test
{
protected:
    std::pair<int, int> outline() const
    {
        return {palette.outlineWidth(), palette.outlineHeight()};
    }

    // The pointer tool after a placing tool ended: "kein Element", nothing preselected.
    void expectPointerTool() const
    {
        EXPECT_EQ(pressedButton(palette), B::PointerTBtn);
        EXPECT_EQ(palette.chosenToolClass(), PointerToolClass);
        EXPECT_EQ(palette.chosenCategory().name, "kein Element");
        EXPECT_EQ(palette.statusText(), "kein Element vorgewählt");
    }

    ToolClassTable table;
    PaletteState palette{table};
};

// --- per conductor kind: status texts and outlines, enabled states and hints ---

class ConductorKind : public Palette, public ::testing::WithParamInterface<int>
{};

TEST_P(ConductorKind, EachEnabledToolPreselectsItsClass)
{
    const int kind = GetParam();
    for (const test::Tool &tool : test::Tools) {
        if (!tool.classNames[kind])
            continue;
        SCOPED_TRACE(tool.name);
        palette.chooseConductorKind(kind);
        ASSERT_TRUE(palette.ChooseTool(tool.button));
        EXPECT_EQ(palette.statusText(), test::statusText(tool.button, kind));
        EXPECT_EQ(pressedButton(palette), tool.button);
        EXPECT_EQ(palette.chosenToolClass(), ToolClassOf(tool.button));
        EXPECT_EQ(palette.chosenCategory(), table.templateOf(ToolClassOf(tool.button)));
        EXPECT_EQ(outline(), std::pair(tool.width, tool.height));
        EXPECT_FALSE(palette.pointerToolActive());
    }
}

TEST_P(ConductorKind, SetsEnabledStatesAndHints)
{
    const int kind = GetParam();
    palette.chooseConductorKind(kind);
    EXPECT_EQ(palette.conductorKind(), kind);
    EXPECT_TRUE(palette.isEnabled(B::PointerTBtn));
    for (const test::Tool &tool : test::Tools)
        EXPECT_EQ(palette.isEnabled(tool.button), tool.classNames[kind] != nullptr) << tool.name;
    for (int selector = 0; selector < 3; ++selector) {
        EXPECT_EQ(palette.selectorHint(selector),
                  selector == kind ? KindHints[kind] : "Leiterart auswählen")
            << selector;
    }
}

// A disabled button delivers no click.
TEST_P(ConductorKind, ADisabledButtonChangesNothing)
{
    const int kind = GetParam();
    for (const test::Tool &tool : test::Tools) {
        if (tool.classNames[kind])
            continue;
        SCOPED_TRACE(tool.name);
        palette.chooseConductorKind(kind);
        ASSERT_TRUE(palette.ChooseTool(B::MarketTBtn));
        const Category before = palette.chosenCategory();

        EXPECT_FALSE(palette.ChooseTool(tool.button));
        EXPECT_EQ(pressedButton(palette), B::MarketTBtn);
        EXPECT_EQ(palette.chosenCategory(), before);
        EXPECT_EQ(palette.statusText(), "Markt vorgewählt");
        EXPECT_EQ(palette.outlineWidth(), 5);
    }
}

TALVEX_INSTANTIATE_NAMED(Kinds, ConductorKind, ::testing::Range(0, 3));

// --- the state table, transition by transition ---

TEST_F(Palette, StartState)
{
    EXPECT_EQ(pressedButton(palette), B::PointerTBtn);
    EXPECT_TRUE(palette.pointerToolActive());
    EXPECT_EQ(palette.chosenToolClass(), 0);
    EXPECT_EQ(palette.chosenCategory(), table.templateOf(PointerToolClass));
    EXPECT_EQ(outline(), std::pair(0, 0));
    EXPECT_EQ(palette.conductorKind(), Distributions);
    EXPECT_FALSE(palette.isEnabled(B::DynInputTBtn));
    EXPECT_TRUE(palette.isEnabled(B::AllDistribTBtn));
    EXPECT_EQ(palette.statusText(), "kein Element vorgewählt");
    EXPECT_EQ(palette.selectorHint(1), "Leiterart: Verteilungen");
}

TEST_F(Palette, PointerClickInStartStateDeliversButChangesNothing)
{
    EXPECT_TRUE(palette.ChooseTool(B::PointerTBtn));
    EXPECT_EQ(palette.chosenToolClass(), 0);
    EXPECT_EQ(pressedButton(palette), B::PointerTBtn);
}

TEST_F(Palette, PointerClickEndsAPlacingTool)
{
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_TRUE(palette.ChooseTool(B::PointerTBtn));
    expectPointerTool();
    EXPECT_EQ(outline(), std::pair(0, 0));
}

TEST_F(Palette, ConductorKindEndsAPlacingToolAndReleasesADisabledButton)
{
    palette.chooseConductorKind(NumericValues);
    palette.ChooseTool(B::DynInputTBtn);
    palette.chooseConductorKind(Distributions);
    EXPECT_FALSE(palette.isPressed(B::DynInputTBtn));
    EXPECT_FALSE(palette.isEnabled(B::DynInputTBtn));
    expectPointerTool();
    EXPECT_EQ(palette.outlineWidth(), 0);
}

TEST_F(Palette, SameConductorKindStillEndsThePlacingTool)
{
    palette.ChooseTool(B::AllConnectTBtn);
    palette.chooseConductorKind(Distributions);
    EXPECT_TRUE(palette.pointerToolActive());
    EXPECT_EQ(palette.statusText(), "kein Element vorgewählt");
}

TEST_F(Palette, ConductorKindUnderThePointerToolKeepsTheToolState)
{
    palette.chooseConductorKind(Decisions);
    EXPECT_EQ(palette.chosenToolClass(), 0);
    EXPECT_EQ(palette.statusText(), "kein Element vorgewählt");

    // The status text names the kind that was chosen when the tool was chosen.
    palette.ChooseTool(B::AllConnectTBtn);
    palette.chooseConductorKind(NumericValues);
    palette.ChooseTool(B::AllConnectTBtn);
    EXPECT_EQ(palette.statusText(), "Zahlenwert-Weiterleiter vorgewählt");
}

TEST_F(Palette, ChoosingAnotherToolStartsFromItsTemplate)
{
    palette.ChooseTool(B::DigitalTBtn);
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_EQ(pressedButton(palette), B::MarketTBtn);
    palette.ChooseTool(B::DigitalTBtn);
    EXPECT_EQ(pressedButton(palette), B::DigitalTBtn);
    EXPECT_EQ(palette.statusText(), "Digital-Anzeiger vorgewählt");
    EXPECT_EQ(palette.outlineWidth(), 1);
}

TEST_F(Palette, TurningSwapsAndClickingThePressedButtonKeepsIt)
{
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_TRUE(palette.OrientClick());
    EXPECT_EQ(palette.chosenCategory().orientation, Vertical);
    EXPECT_EQ(std::pair(palette.chosenCategory().width, palette.chosenCategory().height),
              std::pair(1, 5));
    EXPECT_EQ(outline(), std::pair(1, 5));
    EXPECT_EQ(pressedButton(palette), B::MarketTBtn);

    EXPECT_TRUE(palette.ChooseTool(B::MarketTBtn));
    EXPECT_EQ(palette.outlineHeight(), 5);
    EXPECT_EQ(palette.chosenCategory().height, 5);

    palette.ChooseTool(B::PointerTBtn);
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_EQ(outline(), std::pair(5, 1));
    EXPECT_EQ(table.templateOf(15).width, 5);
}

TEST_F(Palette, TurningTwiceRestoresTheHorizontalForm)
{
    palette.ChooseTool(B::PreferTBtn);
    palette.OrientClick();
    palette.OrientClick();
    EXPECT_EQ(palette.chosenCategory(), table.templateOf(16));
    EXPECT_EQ(outline(), std::pair(5, 1));
}

TEST_F(Palette, TurningANonOrientableCategoryOnlyResetsTheOutline)
{
    palette.ChooseTool(B::fFunctTBtn);
    EXPECT_FALSE(palette.OrientClick());
    EXPECT_EQ(palette.chosenCategory(), table.templateOf(9));
    EXPECT_EQ(palette.outlineWidth(), 3);

    palette.ChooseTool(B::MarketTBtn);
    palette.returnToPointerTool();
    EXPECT_FALSE(palette.OrientClick());
    EXPECT_EQ(outline(), std::pair(0, 0));
}

TEST_F(Palette, ReturnAfterPlacingKeepsTheOutline)
{
    palette.ChooseTool(B::MarketTBtn);
    palette.OrientClick();
    palette.returnToPointerTool();
    expectPointerTool();
    EXPECT_EQ(outline(), std::pair(1, 5));

    // The placing tool is consumed: the same button now starts afresh.
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_EQ(palette.outlineWidth(), 5);
}

TEST_F(Palette, CategoryTakesKindRangesSetAfterConstruction)
{
    table.setFirstKind(15, 215);
    table.setLastKind(15, 224);
    palette.ChooseTool(B::MarketTBtn);
    EXPECT_EQ(palette.chosenCategory().firstKind, 215);
    EXPECT_EQ(palette.chosenCategory().lastKind, 224);
}

TEST_F(Palette, ButtonsAndKindsOutsideTheRangesAreModelErrors)
{
    EXPECT_THROW(palette.ChooseTool(B::Other), ModelError);
    EXPECT_THROW(palette.isPressed(static_cast<B>(0)), ModelError);
    EXPECT_THROW(palette.chooseConductorKind(3), ModelError);
    EXPECT_THROW(palette.chooseConductorKind(-1), ModelError);
    EXPECT_THROW(palette.selectorHint(3), ModelError);
    EXPECT_EQ(palette.conductorKind(), Distributions);
    EXPECT_EQ(pressedButton(palette), B::PointerTBtn);
}

// --- LowerFirstLetter ---

using Lowered = std::pair<std::string, std::string>;

using LowerFirst = ::testing::TestWithParam<Lowered>;

TEST_P(LowerFirst, LowersOnlyTheFirstCharacter)
{
    EXPECT_EQ(LowerFirstLetter(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(Texts, LowerFirst,
                         ::testing::Values(Lowered{"Weiterleiter", "weiterleiter"},
                                           Lowered{"Eingeber (statisch)", "eingeber (statisch)"},
                                           Lowered{"", ""}, Lowered{"Z", "z"}, Lowered{"AB", "aB"},
                                           Lowered{"Äpfel", "äpfel"}, Lowered{"Öl", "öl"},
                                           Lowered{"Ü", "ü"}, Lowered{"Éclair", "Éclair"},
                                           Lowered{"äÄ", "äÄ"}, Lowered{"@A", "@A"},
                                           Lowered{"[", "["}, Lowered{"\xC3", "\xC3"}));

} // namespace
