#pragma once

#include "model/element.h"

#include <optional>
#include <string>
#include <vector>

namespace talvex {

class ElementModel;

// The keyboard's pointer on the sheet: it rests on cell origins inside the sheet picture and
// moves by whole cells.
class SheetPointer
{
public:
    static constexpr int BigStep = 5;

    // The picture the pointer stays in; a smaller picture pulls the pointer back into it.
    void setPictureSize(int width, int height);

    // Starts at the cell under the last pointer position over the sheet, or at cell (1, 1).
    void startAt(std::optional<std::pair<int, int>> lastPointer);

    // Moves by whole cells, clamped to the picture; returns whether the pointer moved.
    bool move(int columns, int rows);

    int x() const { return m_column0 * CellSize; }
    int y() const { return m_row0 * CellSize; }
    // Cells counted from 1, as users and the element records count them.
    int column() const { return m_column0 + 1; }
    int row() const { return m_row0 + 1; }

private:
    int lastColumn0() const;
    int lastRow0() const;

    int m_width = 0;
    int m_height = 0;
    int m_column0 = 0;
    int m_row0 = 0;
};

// "Spalte 3, Zeile 2"; cells counted from 1.
std::string cellPositionText(int column, int row);

// Where an element lies and how large it is, in cells: "Spalte 3, Zeile 2, 2 × 3 Zellen"
// (width × height).
std::string elementPlacementText(const Element &element);

// What the keyboard pointer's cell says: its position and, if an element covers it, that
// element's entry.
std::string pointerCellText(const ElementModel &model, int column, int row);

// The numbers of the elements on the sheet, in the order they were numbered.
std::vector<int> placedElementNumbers(const ElementTable &elements);

} // namespace talvex
