#pragma once

#include "model/toolclasses.h"

#include <QImage>
#include <QSize>

#include <vector>

namespace talvex {

// 16 x 16 tool bar icon with a transparent ground. List 1: new, open, save, save as, generate,
// undo, redo; list 2: cut, copy, paste, printer setup, print, help, exit.
QImage paintToolIcon(int list, int index);

// 26 x 10 conductor-kind selector source: kind 0 numeric values, 1 distributions, 2 decisions.
QImage paintSelectorSource(int kind, bool on);

// The icon of a palette button on the palette's grey; a null image for Other.
QImage paintElemIcon(PaletteButton button);

// The buttons the icons are described for, one entry each.
std::vector<PaletteButton> elemIconButtons();

// The Talvex emblem on navy, painted from geometry at any size.
QImage paintLogo(QSize size);

} // namespace talvex
