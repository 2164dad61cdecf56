#pragma once

#include "pictures/tilecatalogue.h"
#include "pictures/tilepainter.h"

#include <QImage>
#include <QRgb>

namespace talvex {

// Paints one tile, or one palette icon drawn like a tile, on the given ground.
QImage paintTile(const TileDescription &tile, QRgb ground = ink::Silver);

} // namespace talvex
