#pragma once

#include "model/toolclasses.h"

#include <span>

namespace talvex {

// Object name and hint of one palette button; its place on the bar is the model's order.
struct PaletteButtonLayout
{
    PaletteButton button;
    const char *name;
    const char *hint;
};

// One entry for each palette button, in no particular order.
std::span<const PaletteButtonLayout> paletteButtonLayouts();

// The entry of a placing button or the pointer; Other stands for the pointer.
const PaletteButtonLayout &paletteButtonLayout(PaletteButton button);

// The buttons followed by a gap on the bar, left to right; the last gap has no line.
std::span<const PaletteButton> paletteSeparatorsAfter();

} // namespace talvex
