#pragma once

#include <QRgb>

namespace talvex {

// The colours every picture is painted from.
namespace ink {
inline constexpr QRgb Silver = qRgb(192, 192, 192); // the sheet, the top panel and the selectors
inline constexpr QRgb Line = qRgb(0, 0, 0);         // conductors, arrowheads, frames
inline constexpr QRgb Paper = qRgb(250, 250, 250);  // inside of blocks and text
inline constexpr QRgb Navy = qRgb(0, 0, 128);       // the logo's and the about box's ground
inline constexpr QRgb Symbol = Navy;                // operators and letters
inline constexpr QRgb Accent = qRgb(200, 0, 0);     // needles, marks, curves of note
inline constexpr QRgb Plot = qRgb(0, 128, 0);       // curves in displays
inline constexpr QRgb Faint = qRgb(160, 160, 164);  // grids, disabled samples
inline constexpr QRgb Lime = qRgb(0, 255, 0);       // the about box's web address
inline constexpr QRgb Teal = qRgb(0, 128, 128);     // the desktop ground behind the logo
} // namespace ink

} // namespace talvex
