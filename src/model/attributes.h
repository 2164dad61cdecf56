#pragma once

#include "model/element.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talvex {

struct Default;

// How a row's value is edited.
enum class EditStyle : std::uint8_t
{
    Plain,
    PickList,
    Ellipsis // a "..." button that opens a value editor
};

// The modal editor an ellipsis row opens.
enum class ValueEditor : std::uint8_t
{
    None,
    Lines,
    DataTable
};

// One row of the inspector's key/value lists: what it shows and how it may be edited.
struct AttributeRow
{
    std::string key;
    std::string value;
    EditStyle editStyle = EditStyle::Plain;
    bool readOnly = false;
    std::string mask; // in the editor's notation: "90;0", "990,99;1;0"; empty for none
    std::vector<std::string> pickList;
    ValueEditor opens = ValueEditor::None;

    bool operator==(const AttributeRow &) const = default;
};

// The element list's entry of a record: the number in four digits, then the name; one blank
// for the sheet's entry, two for a placed element's ("0000 Zeichenfläche", "0001  Markt").
std::string elementListEntry(const Element &record);

// The word the orientation row shows: the shape decides (wider is "waagerecht", taller is
// "senkrecht"); a square shape shows the recorded orientation, none an empty value.
std::string orientationText(const Category &head);

// The element's own four rows: top-left corner, orientation, cells across, cells down.
std::vector<AttributeRow> elementRows(const Category &head);

// The cell-spanning display that placing an element of a tool class asks for.
enum class CommonDisplay : std::uint8_t
{
    None,
    DynamicInput,
    TextElement,
    History
};

CommonDisplay commonDisplayOf(int toolClass);

// The values a newly placed dynamic input starts with.
inline constexpr double DynamicInputMaximum = 1.0;
inline constexpr double DynamicInputStart = 0.5;

// The cell-spanning rows of each display.
std::vector<AttributeRow> dynamicInputRows(double maximum, double start);
std::vector<AttributeRow> textElementRows();
std::vector<AttributeRow> historyRows();

// What the cell-spanning list's ellipsis button opens: the editor of its row when the list
// holds exactly that one row, nothing otherwise.
ValueEditor ellipsisEditor(const std::vector<AttributeRow> &commonRows);

// One tab per cell of a placed element ("Zelle" for a single cell, "1.Zelle", "2.Zelle" ...
// otherwise); none for the sheet and unused slots.
std::vector<std::string> cellTabNames(const Element &record);

// The kind drawn in each cell, in the order of the tabs; empty where no kind draws the element.
std::vector<std::uint16_t> cellKinds(const Element &record);

// A cell's properties with their default values, all read-only.
std::vector<AttributeRow> cellRows(const Default &kind);

} // namespace talvex
