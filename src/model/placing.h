#pragma once

#include "model/element.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace talvex {

class ElementModel;
class PaletteState;

// Top-left cell of an element, counted from 0, nearest to a pointer position in pixels.
struct GridCell
{
    int col0 = 0;
    int row0 = 0;
    bool operator==(const GridCell &) const = default;
};

GridCell snapToGrid(int x, int y);

// Whether an element of width x height cells fits with its top-left cell at cell: the rightmost
// sheet column is never covered, the bottom row may be, and no covered cell may be occupied.
bool placementFits(GridCell cell, int width, int height, int columns, int rows,
                   const OccupancyGrid &occupancy);

// One tile of an element: the kind that draws it and its top-left pixel.
struct TilePlacement
{
    std::uint16_t kind = 0;
    int px = 0;
    int py = 0;
    bool operator==(const TilePlacement &) const = default;
};

// The tile layout rule: kinds F .. F + W - 1 from left to right when H < 2, kinds
// F + H .. F + 2H - 1 from top to bottom otherwise.
std::vector<TilePlacement> tileLayout(std::uint16_t firstKind, int width, int height,
                                      GridCell cell);

// The kind of the first tile (the picture shown in the inspector after placing).
std::uint16_t firstTileKind(std::uint16_t firstKind, int height);

// Whether a right click offers the orientation menu.
bool orientMenuOffered(int outlineWidth, int outlineHeight, bool orientable);

// Marks every cell that the element covers with its number.
void markOccupied(OccupancyGrid &occupancy, const Element &element);

// What the window draws and lists for an element just placed.
struct PlacedElement
{
    std::uint16_t number = 0;
    Category category;                // the record's head, cell position included
    std::vector<TilePlacement> tiles; // drawn in this order
    std::uint16_t firstTile = 0;      // the kind shown in the inspector's cell picture
};

// Places an element of the palette's chosen category with its top-left cell at cell on a sheet
// of columns x rows cells. Returns nullopt, changing nothing, when the placing test refuses.
// Everything else that can fail is checked before the first change too: a ModelError or the
// end of the process on a full element table leave no half-placed element. Then it allocates
// the number, fills the record, marks the covered cells and writes the cell position into the
// chosen category.
std::optional<PlacedElement> placeElementAt(ElementModel &model, PaletteState &palette,
                                            GridCell cell, int columns, int rows);

} // namespace talvex
