#include "model/attributes.h"

#include "model/kinds.h"
#include "model/modelerror.h"
#include "model/placing.h"
#include "model/toolclasses.h"
#include "model/values.h"

namespace talvex {

namespace {

const std::string IntegerMask = "90;0";
const std::string DecimalMask = "990,99;1;0";

AttributeRow plainRow(std::string key, std::string value)
{
    AttributeRow row;
    row.key = std::move(key);
    row.value = std::move(value);
    return row;
}

AttributeRow readOnlyRow(std::string key, std::string value)
{
    AttributeRow row = plainRow(std::move(key), std::move(value));
    row.readOnly = true;
    return row;
}

AttributeRow maskedRow(std::string key, std::string value, const std::string &mask)
{
    AttributeRow row = plainRow(std::move(key), std::move(value));
    row.mask = mask;
    return row;
}

AttributeRow editorRow(std::string key, std::string marker, ValueEditor editor)
{
    AttributeRow row = readOnlyRow(std::move(key), std::move(marker));
    row.editStyle = EditStyle::Ellipsis;
    row.opens = editor;
    return row;
}

} // namespace

std::string elementListEntry(const Element &record)
{
    return FormatElementNumber(record.number) + (record.number == 0 ? " " : "  ") +
           record.head.name;
}

std::string orientationText(const Category &head)
{
    if (head.height < head.width)
        return "waagerecht";
    if (head.width < head.height)
        return "senkrecht";
    switch (head.orientation) {
    case Horizontal:
        return "waagerecht";
    case Vertical:
        return "senkrecht";
    default:
        return {};
    }
}

std::vector<AttributeRow> elementRows(const Category &head)
{
    AttributeRow orientation = readOnlyRow("Orientierung", orientationText(head));
    if (head.orientation != NoOrientation) {
        orientation.editStyle = EditStyle::PickList;
        orientation.pickList = {"waagerecht"};
        if (head.orientable)
            orientation.pickList.emplace_back("senkrecht");
    }
    return {
        readOnlyRow("linke obere Ecke (X,Y)",
                    std::to_string(head.x) + "," + std::to_string(head.y)),
        std::move(orientation),
        maskedRow("Zellenzahl waagerecht", std::to_string(head.width), IntegerMask),
        maskedRow("Zellenzahl senkrecht", std::to_string(head.height), IntegerMask),
    };
}

CommonDisplay commonDisplayOf(int toolClass)
{
    switch (toolClass) {
    case ToolClassOf(PaletteButton::DynInputTBtn):
        return CommonDisplay::DynamicInput;
    case ToolClassOf(PaletteButton::TextTBtn):
        return CommonDisplay::TextElement;
    case ToolClassOf(PaletteButton::HistoryTBtn):
        return CommonDisplay::History;
    default:
        return CommonDisplay::None;
    }
}

std::vector<AttributeRow> dynamicInputRows(double maximum, double start)
{
    return {maskedRow("Startwert", FormatDecimal(start), DecimalMask),
            maskedRow("Maximalwert", FormatDecimal(maximum), DecimalMask)};
}

std::vector<AttributeRow> textElementRows()
{
    return {editorRow("Textzeilen", "(Zeilen)", ValueEditor::Lines)};
}

std::vector<AttributeRow> historyRows()
{
    return {editorRow("Daten der Vorgeschichte", "(Tabelle)", ValueEditor::DataTable)};
}

ValueEditor ellipsisEditor(const std::vector<AttributeRow> &commonRows)
{
    return commonRows.size() == 1 ? commonRows.front().opens : ValueEditor::None;
}

std::vector<std::string> cellTabNames(const Element &record)
{
    if (record.number == 0)
        return {};
    const std::int32_t cells = checkedMul(record.head.width, record.head.height);
    if (cells == 1)
        return {"Zelle"};
    std::vector<std::string> names;
    for (std::int32_t k = 1; k <= cells; ++k)
        names.push_back(std::to_string(k) + ".Zelle");
    return names;
}

std::vector<std::uint16_t> cellKinds(const Element &record)
{
    if (record.number == 0 || record.head.firstKind == 0)
        return {};
    std::vector<std::uint16_t> kinds;
    for (const TilePlacement &tile :
         tileLayout(record.head.firstKind, record.head.width, record.head.height, GridCell{}))
        kinds.push_back(tile.kind);
    return kinds;
}

std::vector<AttributeRow> cellRows(const Default &kind)
{
    std::vector<AttributeRow> rows;
    rows.reserve(kind.props.size());
    for (const CellPropType &property : kind.props)
        rows.push_back(readOnlyRow(property.name, property.value));
    return rows;
}

} // namespace talvex
