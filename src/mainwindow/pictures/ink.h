#pragma once

#include <QRgb>

namespace talvex {

// The colours every picture is painted from.
namespace ink {
inline constexpr QRgb Silver = qRgb(192, 192, 192); // the sheet, the top panel and the selectors
inline constexpr QRgb Line = qRgb(0, 0, 0);         // conductors, arrowheads, frames
inline constexpr QRgb Paper = qRgb(250, 250, 250);  // inside of blocks and text
inline constexpr QRgb Symbol = qRgb(0, 0, 128);     // operators and letters
inline constexpr QRgb Accent = qRgb(200, 0, 0);     // needles, marks, curves of note
inline constexpr QRgb Plot = qRgb(0, 128, 0);       // curves in displays
inline constexpr QRgb Faint = qRgb(160, 160, 164);  // grids, disabled samples
inline constexpr QRgb Navy = qRgb(0, 0, 128);
} // namespace ink

} // namespace talvex
