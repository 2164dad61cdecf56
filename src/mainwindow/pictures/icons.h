#pragma once

#include <QImage>
#include <QSize>

namespace talvex {

// 16 x 16 tool bar icon with a transparent ground. List 1: new, open, save, save as, generate,
// undo, redo; list 2: cut, copy, paste, printer setup, print, help, exit.
QImage paintToolIcon(int list, int index);

// 26 x 10 conductor-kind selector source: kind 0 numeric values, 1 distributions, 2 decisions.
QImage paintSelectorSource(int kind, bool on);

// Palette icon 0 to 22 on the palette's grey, in the order of the palette buttons.
QImage paintElemIcon(int index);

// The Talvex emblem on navy, painted from geometry at any size.
QImage paintLogo(QSize size);

} // namespace talvex
