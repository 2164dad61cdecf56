#include "model/sheetpointer.h"

#include "model/attributes.h"
#include "model/elementmodel.h"
#include "model/values.h"

#include <algorithm>

namespace talvex {

void SheetPointer::setPictureSize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_column0 = std::min(m_column0, lastColumn0());
    m_row0 = std::min(m_row0, lastRow0());
}

int SheetPointer::lastColumn0() const
{
    return m_width > 0 ? (m_width - 1) / CellSize : 0;
}

int SheetPointer::lastRow0() const
{
    return m_height > 0 ? (m_height - 1) / CellSize : 0;
}

void SheetPointer::startAt(std::optional<std::pair<int, int>> lastPointer)
{
    m_column0 = 0;
    m_row0 = 0;
    if (lastPointer) {
        // The cell that holds the position; positions left of or above the picture hold none.
        m_column0 = std::clamp(lastPointer->first / CellSize, 0, lastColumn0());
        m_row0 = std::clamp(lastPointer->second / CellSize, 0, lastRow0());
        if (lastPointer->first < 0)
            m_column0 = 0;
        if (lastPointer->second < 0)
            m_row0 = 0;
    }
}

bool SheetPointer::move(int columns, int rows)
{
    // Steps are small; the sum of a step and a cell index cannot overflow.
    const int column0 =
        std::clamp(m_column0 + std::clamp(columns, -MaxColumns, MaxColumns), 0, lastColumn0());
    const int row0 = std::clamp(m_row0 + std::clamp(rows, -MaxRows, MaxRows), 0, lastRow0());
    const bool moved = column0 != m_column0 || row0 != m_row0;
    m_column0 = column0;
    m_row0 = row0;
    return moved;
}

std::string cellPositionText(int column, int row)
{
    return "Spalte " + std::to_string(column) + ", Zeile " + std::to_string(row);
}

std::string elementPlacementText(const Element &element)
{
    return cellPositionText(element.head.x, element.head.y) + ", " +
           std::to_string(element.head.width) + " × " + std::to_string(element.head.height) +
           " Zellen";
}

std::string pointerCellText(const ElementModel &model, int column, int row)
{
    std::string text = cellPositionText(column, row);
    if (column < 1 || column > MaxColumns || row < 1 || row > MaxRows)
        return text;
    const int covering = model.occupancy.at(column, row);
    if (covering > 0 && covering <= LastElementNumber)
        text += ", " + elementListEntry(model.elements.at(covering));
    return text;
}

std::vector<int> placedElementNumbers(const ElementTable &elements)
{
    std::vector<int> numbers;
    for (int number = 1; number <= LastElementNumber; ++number)
        if (elements.at(number).number != 0)
            numbers.push_back(number);
    return numbers;
}

} // namespace talvex
