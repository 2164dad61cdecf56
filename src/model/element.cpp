#include "model/element.h"

#include "model/fatal.h"
#include "model/modelerror.h"

namespace talvex {

PixelRect pixelRectOf(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    PixelRect rect;
    rect.left = checkedMul(checkedSub(x, 1), CellSize);
    rect.top = checkedMul(checkedSub(y, 1), CellSize);
    rect.right = checkedSub(checkedAdd(rect.left, checkedMul(width, CellSize)), 1);
    rect.bottom = checkedSub(checkedAdd(rect.top, checkedMul(height, CellSize)), 1);
    return rect;
}

void InitElementRecord(Element &record, const Category &templ, std::uint16_t number)
{
    // Compute first so that an overflow leaves the record untouched.
    const PixelRect rect = pixelRectOf(templ.x, templ.y, templ.width, templ.height);
    record.head = templ;
    record.number = number;
    record.pixelLeft = rect.left;
    record.pixelTop = rect.top;
    record.pixelRight = rect.right;
    record.pixelBottom = rect.bottom;
    record.spare = 0;
}

Category sheetCategory()
{
    Category sheet;
    sheet.name = "Zeichenfläche";
    sheet.x = 1;
    sheet.y = 1;
    sheet.width = MaxColumns;
    sheet.height = MaxRows;
    return sheet;
}

void ElementTable::InitElementTable()
{
    InitElementRecord(m_sheet, sheetCategory(), 0);
    m_slots.fill(m_sheet);
    m_cursor = 0;
}

void elementTableOverflow()
{
    fatalError("Überlauf der Elemente", 3);
}

std::uint16_t ElementTable::AllocateElementNumber()
{
    const std::optional<std::uint16_t> number = nextElementNumber();
    if (!number)
        elementTableOverflow();
    m_cursor = *number;
    return *number;
}

std::optional<std::uint16_t> ElementTable::nextElementNumber() const
{
    if (m_cursor < LastElementNumber)
        return static_cast<std::uint16_t>(m_cursor + 1);

    // The last slot has been handed out: look for a free one from the start. Reaching the last
    // slot again counts as overflow, so slot 1548 is never handed out twice.
    for (std::uint16_t number = 1; number < LastElementNumber; ++number)
        if (m_slots[number].number == 0)
            return number;
    return std::nullopt;
}

const Element &ElementTable::at(int number) const
{
    checkIndex(number, 0, LastElementNumber, "Elementtabelle");
    return m_slots[static_cast<std::size_t>(number)];
}

Element &ElementTable::at(int number)
{
    checkIndex(number, 0, LastElementNumber, "Elementtabelle");
    return m_slots[static_cast<std::size_t>(number)];
}

void OccupancyGrid::ClearOccupancyGrid(int columns, int rows)
{
    checkIndex(columns, 0, MaxColumns, "Belegungsraster (Spalten)");
    checkIndex(rows, 0, MaxRows, "Belegungsraster (Zeilen)");
    for (int column = 1; column <= columns; ++column)
        for (int row = 1; row <= rows; ++row)
            m_cells[static_cast<std::size_t>(indexOf(column, row))] = 0;
}

int OccupancyGrid::indexOf(int column, int row)
{
    checkIndex(column, 1, MaxColumns, "Belegungsraster (Spalte)");
    checkIndex(row, 1, MaxRows, "Belegungsraster (Zeile)");
    return (row - 1) * MaxColumns + (column - 1);
}

std::int32_t OccupancyGrid::at(int column, int row) const
{
    return m_cells[static_cast<std::size_t>(indexOf(column, row))];
}

void OccupancyGrid::set(int column, int row, std::int32_t value)
{
    m_cells[static_cast<std::size_t>(indexOf(column, row))] = value;
}

} // namespace talvex
