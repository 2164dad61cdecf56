#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace talvex {

inline constexpr std::int32_t CellSize = 24;
inline constexpr std::int32_t MaxColumns = 43;
inline constexpr std::int32_t MaxRows = 36;
inline constexpr int ElementSlotCount = 1549; // element numbers 0 to 1548
inline constexpr int LastElementNumber = ElementSlotCount - 1;

enum : std::uint8_t
{
    NoOrientation = 0,
    Horizontal = 1,
    Vertical = 2
};

// Template of a tool class and head of every element record.
struct Category
{
    std::string name;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t orientation = NoOrientation;
    std::uint8_t orientable = 0;
    std::uint16_t firstKind = 0;
    std::uint16_t lastKind = 0;

    bool operator==(const Category &) const = default;
};

// The pixels an element covers on the sheet, all bounds inclusive.
struct PixelRect
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const PixelRect &) const = default;
};

// Pixel rectangle of the cells (x, y) to (x + width - 1, y + height - 1), cells counted from 1.
PixelRect pixelRectOf(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

// One slot of the element table.
struct Element
{
    Category head;
    std::uint16_t number = 0;
    std::int32_t pixelLeft = 0;
    std::int32_t pixelTop = 0;
    std::int32_t pixelRight = 0;
    std::int32_t pixelBottom = 0;
    std::int32_t spare = 0;

    PixelRect pixelRect() const { return {pixelLeft, pixelTop, pixelRight, pixelBottom}; }
    bool operator==(const Element &) const = default;
};

// Fills record from the template: head, number, pixel rectangle, spare 0.
void InitElementRecord(Element &record, const Category &templ, std::uint16_t number);

// Ends the process with "Überlauf der Elemente" (exit code 3): no element number is left.
[[noreturn]] void elementTableOverflow();

// The template of the drawing sheet, "Zeichenfläche", 43 x 36 cells at 1, 1.
Category sheetCategory();

// The fixed table of element slots; slot 0 is the sheet, every free slot holds a copy of it.
class ElementTable
{
public:
    // Builds the sheet record and copies it into every slot; resets the allocation cursor.
    void InitElementTable();

    // Returns the number for a new element; ends the process with "Überlauf der Elemente"
    // (exit code 3) when no slot is left.
    std::uint16_t AllocateElementNumber();

    // The number AllocateElementNumber would hand out next, without handing it out; nullopt
    // when the table is full.
    std::optional<std::uint16_t> nextElementNumber() const;

    // Checked access by element number 0 to 1548; throws ModelError otherwise.
    const Element &at(int number) const;
    Element &at(int number);

    const Element &sheetRecord() const { return m_sheet; }
    std::uint16_t allocationCursor() const { return m_cursor; }

private:
    std::array<Element, ElementSlotCount> m_slots{};
    Element m_sheet{};
    std::uint16_t m_cursor = 0;
};

// One entry per cell of the largest sheet; 0 = free, otherwise the covering element's number.
class OccupancyGrid
{
public:
    void ClearOccupancyGrid(int columns, int rows);

    // Checked access by column 1 to 43 and row 1 to 36; throws ModelError otherwise.
    std::int32_t at(int column, int row) const;
    void set(int column, int row, std::int32_t value);

private:
    static int indexOf(int column, int row);
    std::array<std::int32_t, MaxColumns * MaxRows> m_cells{};
};

} // namespace talvex
