#include "model/attributes.h"

#include "model/elementmodel.h"
#include "model/toolclasses.h"

#include <gtest/gtest.h>

using namespace talvex;

namespace {

using enum EditStyle;
using enum ValueEditor;
using Rows = std::vector<AttributeRow>;

Element record(std::string name, int number, int x, int y, int width, int height,
               std::uint8_t orientation, std::uint8_t orientable, std::uint16_t firstKind)
{
    Element element;
    InitElementRecord(
        element,
        Category{std::move(name), x, y, width, height, orientation, orientable, firstKind, 0},
        static_cast<std::uint16_t>(number));
    return element;
}

AttributeRow row(std::string key, std::string value, EditStyle style, bool readOnly,
                 std::string mask = {}, std::vector<std::string> pickList = {},
                 ValueEditor opens = None)
{
    return {key, value, style, readOnly, mask, pickList, opens};
}

// The element's own rows: position, orientation (with its pick list), and both cell counts.
Rows own(std::string corner, std::string orientation, std::vector<std::string> pickList, int width,
         int height)
{
    const EditStyle turn = pickList.empty() ? Plain : PickList;
    return {row("linke obere Ecke (X,Y)", std::move(corner), Plain, true),
            row("Orientierung", std::move(orientation), turn, true, {}, std::move(pickList)),
            row("Zellenzahl waagerecht", std::to_string(width), Plain, false, "90;0"),
            row("Zellenzahl senkrecht", std::to_string(height), Plain, false, "90;0")};
}

struct ShownCase
{
    const char *name;
    Element element;
    Rows rows;
    std::vector<std::string> tabs;
    std::vector<std::uint16_t> kinds;
    std::string entry;
};

ShownCase shown(const char *name, Element element, Rows rows, std::vector<std::string> tabs,
                std::vector<std::uint16_t> kinds, std::string entry)
{
    return {name, element, rows, tabs, kinds, entry};
}

using ElementShown = ::testing::TestWithParam<ShownCase>;

TEST_P(ElementShown, RowsTabsKindsAndEntry)
{
    const ShownCase &c = GetParam();
    EXPECT_EQ(elementRows(c.element.head), c.rows);
    EXPECT_EQ(cellTabNames(c.element), c.tabs);
    EXPECT_EQ(cellKinds(c.element), c.kinds);
    EXPECT_EQ(elementListEntry(c.element), c.entry);
}

const std::vector<std::string> BothWays = {"waagerecht", "senkrecht"};

INSTANTIATE_TEST_SUITE_P(
    Elements, ElementShown,
    ::testing::Values(
        shown("Sheet", record("Zeichenfläche", 0, 1, 1, 43, 36, 0, 0, 0),
              own("1,1", "waagerecht", {}, 43, 36), {}, {}, "0000 Zeichenfläche"),
        shown("OneCellWithoutOrientation", record("Weiterleiter", 12, 2, 3, 1, 1, 0, 0, 1),
              own("2,3", "", {}, 1, 1), {"Zelle"}, {1}, "0012  Weiterleiter"),
        shown("SquareHorizontal", record("Quadrat", 1, 4, 4, 2, 2, 1, 1, 88),
              own("4,4", "waagerecht", BothWays, 2, 2),
              {"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle"}, {90, 91}, "0001  Quadrat"),
        shown("SquareVertical", record("Quadrat", 1, 4, 4, 2, 2, 2, 0, 88),
              own("4,4", "senkrecht", {"waagerecht"}, 2, 2),
              {"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle"}, {90, 91}, "0001  Quadrat"),
        shown("SquareWithoutOrientation", record("Quadrat", 1, 4, 4, 2, 2, 0, 0, 88),
              own("4,4", "", {}, 2, 2), {"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle"}, {90, 91},
              "0001  Quadrat"),
        shown("MarketHorizontal", record("Markt", 7, 3, 2, 5, 1, 1, 1, 215),
              own("3,2", "waagerecht", BothWays, 5, 1),
              {"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle", "5.Zelle"}, {215, 216, 217, 218, 219},
              "0007  Markt"),
        shown("MarketTurned", record("Markt", 1548, 3, 2, 1, 5, 2, 1, 215),
              own("3,2", "senkrecht", BothWays, 1, 5),
              {"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle", "5.Zelle"}, {220, 221, 222, 223, 224},
              "1548  Markt"),
        // The shape decides over a recorded orientation that contradicts it.
        shown("FreeFunctionNotTurnable",
              record("freier Funktionswandler", 2, 1, 9, 3, 1, 2, 0, 169),
              own("1,9", "waagerecht", {"waagerecht"}, 3, 1), {"1.Zelle", "2.Zelle", "3.Zelle"},
              {169, 170, 171}, "0002  freier Funktionswandler")),
    [](const ::testing::TestParamInfo<ShownCase> &info) { return std::string(info.param.name); });

TEST(CommonRows, EachDisplayWithItsRowsAndEditor)
{
    EXPECT_EQ(dynamicInputRows(DynamicInputMaximum, DynamicInputStart),
              (Rows{row("Startwert", "0,50", Plain, false, "990,99;1;0"),
                    row("Maximalwert", "1,00", Plain, false, "990,99;1;0")}));
    EXPECT_EQ(textElementRows(),
              (Rows{row("Textzeilen", "(Zeilen)", Ellipsis, true, {}, {}, Lines)}));
    EXPECT_EQ(historyRows(), (Rows{row("Daten der Vorgeschichte", "(Tabelle)", Ellipsis, true, {},
                                       {}, DataTable)}));

    EXPECT_EQ(ellipsisEditor(textElementRows()), ValueEditor::Lines);
    EXPECT_EQ(ellipsisEditor(historyRows()), ValueEditor::DataTable);
    EXPECT_EQ(ellipsisEditor(dynamicInputRows(1, 0.5)), ValueEditor::None);
    EXPECT_EQ(ellipsisEditor({}), ValueEditor::None);
    // Only a list of exactly one row opens an editor.
    Rows two = textElementRows();
    two.push_back(historyRows().front());
    EXPECT_EQ(ellipsisEditor(two), ValueEditor::None);
}

TEST(CommonRows, PlacingAsksForThemByToolClass)
{
    for (int toolClass = 1; toolClass <= ToolClassCount; ++toolClass) {
        const CommonDisplay want = toolClass == 6    ? CommonDisplay::DynamicInput
                                   : toolClass == 7  ? CommonDisplay::History
                                   : toolClass == 22 ? CommonDisplay::TextElement
                                                     : CommonDisplay::None;
        EXPECT_EQ(commonDisplayOf(toolClass), want) << "tool class " << toolClass;
    }
}

TEST(CellRows, ThePropertiesOfTheCellsKindReadOnly)
{
    ElementModel model;
    model.BuildElementModel(42, 35);
    EXPECT_EQ(cellRows(model.kinds.kind(215)),
              (Rows{row("Preisänderungimpuls (N)", "oben", Plain, true),
                    row("Preisänderungimpuls (A)", "unten", Plain, true),
                    row("oberer Ausgang", "Zahlenwert", Plain, true),
                    row("unterer Ausgang", "Zahlenwert", Plain, true)}));
    EXPECT_EQ(cellRows(model.kinds.kind(216)),
              (Rows{row("Preisänderung (Nachfr.)", "oben", Plain, true),
                    row("Preisänderung (Angebot)", "unten", Plain, true),
                    row("oberer Eingang", "Zahlenwert", Plain, true),
                    row("unterer Eingang", "Zahlenwert", Plain, true)}));
    EXPECT_EQ(cellRows(model.kinds.kind(148)),
              (Rows{row("Eingabewert", "0,50", Plain, true),
                    row("rechter Ausgang", "Zahlenwert", Plain, true)}));
    for (int kind : {147, 149, 252})
        EXPECT_TRUE(cellRows(model.kinds.kind(kind)).empty()) << "kind " << kind;
}

} // namespace
