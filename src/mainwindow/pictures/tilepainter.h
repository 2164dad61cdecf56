#pragma once

#include "model/element.h"
#include "pictures/ink.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QStringView>

#include <array>

namespace talvex {

enum class Side
{
    W,
    N,
    O,
    S
};

// One side of a tile: the conductor kind that meets it ('v', 'w', 'e'; 0 when unconnected) and
// whether the conductor enters ('i'), leaves ('o') or runs without direction ('-').
struct Leg
{
    char kind = 0;
    char dir = '-';

    bool connected() const { return kind != 0; }
};

using Legs = std::array<Leg, 4>; // indexed by Side

enum class GlyphSet
{
    Small,
    Large
}; // 3 x 5 letters and digits, 7 x 7 operators

// Pixel-exact drawing on a small picture: no antialiasing, every stroke on whole pixels.
class TilePainter
{
public:
    static constexpr int Cell = CellSize;
    static constexpr int Mid = 11; // row and column of the conductors
    // Frame of a one-cell block; multi-cell blocks keep the same insets on their outer sides.
    static constexpr int BoxLo = 4;
    static constexpr int BoxHi = 18;
    static constexpr QRect Box{QPoint(BoxLo, BoxLo), QPoint(BoxHi, BoxHi)};

    explicit TilePainter(QImage &image);

    QPainter &painter() { return m_painter; }
    void translate(QPoint offset) { m_painter.translate(offset); }
    void resetTransform() { m_painter.resetTransform(); }

    void fill(QRect r, QRgb c) { m_painter.fillRect(r, QColor(c)); }
    void dot(int x, int y, QRgb c) { fill(QRect(x, y, 1, 1), c); }
    void hline(int x0, int x1, int y, QRgb c);
    void vline(int x, int y0, int y1, QRgb c);
    void frame(QRect r, QRgb c);
    // A polyline through the points, stepped pixel by pixel.
    void polyline(std::initializer_list<QPoint> points, QRgb c);
    void line(QPoint a, QPoint b, QRgb c);

    // Pixel font text with its top-left at (x, y); returns the width drawn.
    int text(int x, int y, QStringView s, QRgb c, GlyphSet set = GlyphSet::Small);
    // Text centred on the point (cx, cy) (for even widths the extra pixel goes right).
    void centredText(int cx, int cy, QStringView s, QRgb c, GlyphSet set = GlyphSet::Small);
    static int textWidth(QStringView s, GlyphSet set = GlyphSet::Small);
    static int glyphHeight(GlyphSet set) { return set == GlyphSet::Small ? 5 : 7; }

    // Conductor pieces: every connected leg runs from its side to the centre; three legs or more
    // meet in a junction. Distributions are drawn as double lines with proper corners.
    void conductor(const Legs &legs);
    // Two conductors crossing without contact: the vertical one is broken around the other.
    void crossing(const Legs &legs);
    // A leg from its side to the frame of a block.
    void stub(Side side, Leg leg);
    // Arrowheads of all directed legs, of a block's stubs or of a conductor piece.
    void arrows(const Legs &legs, bool block);

private:
    void straight(Side side, char kind, int from, int to);
    void arrowhead(Side side, int tip, bool inward, int length);

    QPainter m_painter;
};

} // namespace talvex
