#include "model/placing.h"

#include "model/elementmodel.h"
#include "model/modelerror.h"
#include "model/palette.h"

#include <cstdint>
#include <limits>

namespace talvex {

namespace {

// Rounds a pixel position to the nearest grid line. Floor division, so that a position left of
// or above the sheet gives a negative cell that the placing test refuses.
int nearestGridLine(int pixel)
{
    const std::int64_t shifted = std::int64_t{pixel} + CellSize / 2;
    const std::int64_t line =
        shifted >= 0 ? shifted / CellSize : -((-shifted + CellSize - 1) / CellSize);
    return static_cast<int>(line);
}

std::uint16_t kindAt(std::uint16_t firstKind, std::int64_t offset)
{
    const std::int64_t kind = firstKind + offset;
    checkIndex(kind, 0, std::numeric_limits<std::uint16_t>::max(), "Elementarten");
    return static_cast<std::uint16_t>(kind);
}

// Throws ModelError unless every cell of head's rectangle lies on the occupancy grid.
void checkOccupiable(const Category &head)
{
    const std::int64_t lastColumn = std::int64_t{head.x} + head.width - 1;
    const std::int64_t lastRow = std::int64_t{head.y} + head.height - 1;
    checkIndex(head.x, 1, MaxColumns, "Belegungsraster (Spalte)");
    checkIndex(lastColumn, 1, MaxColumns, "Belegungsraster (Spalte)");
    checkIndex(head.y, 1, MaxRows, "Belegungsraster (Zeile)");
    checkIndex(lastRow, 1, MaxRows, "Belegungsraster (Zeile)");
}

} // namespace

GridCell snapToGrid(int x, int y)
{
    return {nearestGridLine(x), nearestGridLine(y)};
}

bool placementFits(GridCell cell, int width, int height, int columns, int rows,
                   const OccupancyGrid &occupancy)
{
    if (width <= 0 || height <= 0 || cell.col0 < 0 || cell.row0 < 0)
        return false;

    // Last covered column and row, counted from 1. The rightmost sheet column stays free, and
    // nothing may reach beyond the occupancy grid, whatever sheet size the caller passes.
    const std::int64_t lastColumn = std::int64_t{cell.col0} + width;
    const std::int64_t lastRow = std::int64_t{cell.row0} + height;
    if (lastColumn + 1 > columns || lastRow > rows)
        return false;
    if (lastColumn > MaxColumns || lastRow > MaxRows)
        return false;

    for (int column = cell.col0 + 1; column <= lastColumn; ++column)
        for (int row = cell.row0 + 1; row <= lastRow; ++row)
            if (occupancy.at(column, row) != 0)
                return false;
    return true;
}

std::vector<TilePlacement> tileLayout(std::uint16_t firstKind, int width, int height,
                                      const GridCell cell)
{
    std::vector<TilePlacement> tiles;
    const std::int32_t left = checkedMul(cell.col0, CellSize);
    const std::int32_t top = checkedMul(cell.row0, CellSize);
    if (height < 2) {
        for (int i = 0; i < width; ++i) {
            const std::int32_t px = checkedAdd(left, checkedMul(i, CellSize));
            tiles.push_back({kindAt(firstKind, i), px, top});
        }
    } else {
        // The vertical tiles follow the horizontal ones in the kind catalogue.
        for (int j = 0; j < height; ++j) {
            const std::int32_t py = checkedAdd(top, checkedMul(j, CellSize));
            tiles.push_back({kindAt(firstKind, std::int64_t{height} + j), left, py});
        }
    }
    return tiles;
}

std::uint16_t firstTileKind(std::uint16_t firstKind, int height)
{
    return height < 2 ? firstKind : kindAt(firstKind, height);
}

bool orientMenuOffered(int outlineWidth, int outlineHeight, bool orientable)
{
    return (outlineWidth > 1 || outlineHeight > 1) && orientable;
}

void markOccupied(OccupancyGrid &occupancy, const Element &element)
{
    const Category &head = element.head;
    if (head.width <= 0 || head.height <= 0)
        return;
    // Check the whole rectangle first so that a bad record marks no cell at all.
    checkOccupiable(head);
    const std::int64_t lastColumn = std::int64_t{head.x} + head.width - 1;
    const std::int64_t lastRow = std::int64_t{head.y} + head.height - 1;
    for (int column = head.x; column <= lastColumn; ++column)
        for (int row = head.y; row <= lastRow; ++row)
            occupancy.set(column, row, element.number);
}

std::optional<PlacedElement> placeElementAt(ElementModel &model, PaletteState &palette,
                                            GridCell cell, int columns, int rows)
{
    const int width = palette.outlineWidth();
    const int height = palette.outlineHeight();
    if (!placementFits(cell, width, height, columns, rows, model.occupancy))
        return std::nullopt;

    PlacedElement placed;
    placed.category = palette.chosenCategory();
    placed.category.x = cell.col0 + 1;
    placed.category.y = cell.row0 + 1;
    // A trial record computes the pixel rectangle, which is where an overflow would show.
    Element record;
    InitElementRecord(record, placed.category, 0);
    placed.tiles = tileLayout(placed.category.firstKind, width, height, cell);
    // Every tile's kind must be in the catalogue, the cell picture's included.
    for (const TilePlacement &tile : placed.tiles)
        model.kinds.kind(tile.kind);
    placed.firstTile = firstTileKind(placed.category.firstKind, height);
    // The record takes the category's size, the placing test the outline's; both are equal
    // while a placing tool is chosen, but the cells to mark are checked on their own.
    if (placed.category.width > 0 && placed.category.height > 0)
        checkOccupiable(placed.category);
    if (!model.elements.nextElementNumber())
        elementTableOverflow();

    // Nothing below can fail.
    placed.number = model.elements.AllocateElementNumber();
    Element &slot = model.elements.at(placed.number);
    InitElementRecord(slot, placed.category, placed.number);
    markOccupied(model.occupancy, slot);
    palette.chosenCategory().x = placed.category.x;
    palette.chosenCategory().y = placed.category.y;
    return placed;
}

} // namespace talvex
