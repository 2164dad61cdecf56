#include "pictures/tilepainter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace talvex {

namespace {

// Glyph rows separated by '/', '#' marks ink. Small glyphs share a baseline: capitals and digits
// fill rows 0 to 4, lower case letters sit on rows 2 to 4 and may descend to row 5.
struct Glyph
{
    char16_t ch;
    const char *rows;
};

constexpr Glyph SmallGlyphs[] = {
    {u'A', ".#./#.#/###/#.#/#.#"},
    {u'D', "##./#.#/#.#/#.#/##."},
    {u'E', "###/#../##./#../###"},
    {u'I', "###/.#./.#./.#./###"},
    {u'K', "#.#/#.#/##./#.#/#.#"},
    {u'M', "#...#/##.##/#.#.#/#...#/#...#"},
    {u'N', "#..#/##.#/#.##/#..#/#..#"},
    {u'P', "##./#.#/##./#../#.."},
    {u'R', "##./#.#/##./#.#/#.#"},
    {u'S', ".##/#../.#./..#/##."},
    {u'T', "###/.#./.#./.#./.#."},
    {u'0', "###/#.#/#.#/#.#/###"},
    {u'1', ".#./##./.#./.#./###"},
    {u'2', "##./..#/.#./#../###"},
    {u'3', "##./..#/.#./..#/##."},
    {u'4', "#.#/#.#/###/..#/..#"},
    {u'5', "###/#../##./..#/##."},
    {u'6', ".##/#../###/#.#/###"},
    {u'7', "###/..#/.#./.#./.#."},
    {u'8', "###/#.#/###/#.#/###"},
    {u'9', "###/#.#/###/..#/##."},
    {u'a', ".../.../.##/#.#/.##"},
    {u'e', ".../.##/###/#../.##"},
    {u'f', "..#/.#./###/.#./.#."},
    {u'i', "#/./#/#/#"},
    {u'l', "#/#/#/#/#"},
    {u'm', "...../...../####./#.#.#/#.#.#"},
    {u'n', ".../.../##./#.#/#.#"},
    {u'o', ".../.../.#./#.#/.#."},
    {u'p', ".../.../##./#.#/##./#.."},
    {u't', ".#./###/.#./.#./..#"},
    {u'v', ".../.../#.#/#.#/.#."},
    {u'x', ".../.../#.#/.#./#.#"},
    {u'y', ".../.../#.#/#.#/.##/##."},
    {u'\u03bc', ".../.../#.#/#.#/###/#.."},  // mu
    {u'\u03c3', "..../.###/#.#./#.#./.#.."}, // sigma
    {u'(', ".#/#./#./#./.#"},
    {u')', "#./.#/.#/.#/#."},
    {u'=', ".../###/.../###/..."},
    {u'+', ".../.#./###/.#./..."},
    {u'-', ".../.../###/.../..."},
    {u',', "./././#/#"},
    {u'\u2212', "...../...../#####/...../....."},
    {u'\u00f7', "..#../...../#####/...../..#.."},
    {u'\u00d7', "#...#/.#.#./..#../.#.#./#...#"},
    {u' ', "./././././."},
};

constexpr Glyph LargeGlyphs[] = {
    {u'+', "...#.../...#.../...#.../#######/...#.../...#.../...#..."},
    {u'\u00d7', "......./.#...#./..#.#../...#.../..#.#../.#...#./......."},
    {u'\u2212', "......./......./......./#######/......./......./......."},
    {u'\u00f7', "...#.../......./......./#######/......./......./...#..."},
    {u'|', ".##/.##/.##/.##/.##/.##/.##"},
    {u'&', ".##..../#..#.../#.#..../.#...#./#.#.#../#..#.../.##.#.."},
    {u'=', "......./......./#######/......./#######/......./......."},
    {u'>', "#....../.##..../...##../.....##/...##../.##..../#......"},
    {u'<', "......#/....##./..##.../##...../..##.../....##./......#"},
    {u'\u2265', "##...../..##.../....##./..##.../##...../......./######."},
    {u'\u2264', ".....##/...##../.##..../...##../.....##/......./.######"},
    {u'\u2260', ".....#./.....#./#######/...#.../#######/.#...../.#....."},
    {u'~', "......./......./.##...#/#..#..#/#...##./......./......."},
    {u'\u2020', "..#../..#../#####/..#../..#../..#../..#.."},
};

const Glyph *findGlyph(char16_t ch, GlyphSet set)
{
    const auto lookIn = [ch](const auto &table) -> const Glyph * {
        const auto it = std::find_if(std::begin(table), std::end(table),
                                     [ch](const Glyph &g) { return g.ch == ch; });
        return it == std::end(table) ? nullptr : &*it;
    };
    return set == GlyphSet::Small ? lookIn(SmallGlyphs) : lookIn(LargeGlyphs);
}

int glyphWidth(const Glyph &g)
{
    const char *slash = std::strchr(g.rows, '/');
    return slash ? static_cast<int>(slash - g.rows) : static_cast<int>(std::strlen(g.rows));
}

bool isHorizontal(Side side)
{
    return side == Side::W || side == Side::O;
}

// True for the sides whose leg runs from the tile edge towards higher coordinates.
bool startsAtZero(Side side)
{
    return side == Side::W || side == Side::N;
}

// Dashes of four pixels and gaps of two, fixed to the tile so that neighbours join; a dash
// covers the centre, so corners and junctions stay closed.
bool dashOn(int c)
{
    return (c + 2) % 6 < 4;
}

} // namespace

TilePainter::TilePainter(QImage &image)
    : m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void TilePainter::hline(int x0, int x1, int y, QRgb c)
{
    fill(QRect(QPoint(std::min(x0, x1), y), QPoint(std::max(x0, x1), y)), c);
}

void TilePainter::vline(int x, int y0, int y1, QRgb c)
{
    fill(QRect(QPoint(x, std::min(y0, y1)), QPoint(x, std::max(y0, y1))), c);
}

void TilePainter::frame(QRect r, QRgb c)
{
    hline(r.left(), r.right(), r.top(), c);
    hline(r.left(), r.right(), r.bottom(), c);
    vline(r.left(), r.top(), r.bottom(), c);
    vline(r.right(), r.top(), r.bottom(), c);
}

void TilePainter::line(QPoint a, QPoint b, QRgb c)
{
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = a;
    for (;;) {
        dot(p.x(), p.y(), c);
        if (p == b)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

void TilePainter::polyline(std::initializer_list<QPoint> points, QRgb c)
{
    for (auto it = points.begin(); it + 1 < points.end(); ++it)
        line(*it, *(it + 1), c);
}

int TilePainter::text(int x, int y, QStringView s, QRgb c, GlyphSet set)
{
    int pen = x;
    for (const QChar qc : s) {
        const Glyph *g = findGlyph(qc.unicode(), set);
        if (!g) {
            pen += 4;
            continue;
        }
        int row = 0;
        int col = 0;
        for (const char *p = g->rows; *p; ++p) {
            if (*p == '/') {
                ++row;
                col = 0;
                continue;
            }
            if (*p == '#')
                dot(pen + col, y + row, c);
            ++col;
        }
        pen += glyphWidth(*g) + 1;
    }
    return pen > x ? pen - x - 1 : 0;
}

int TilePainter::textWidth(QStringView s, GlyphSet set)
{
    int width = 0;
    for (const QChar qc : s) {
        const Glyph *g = findGlyph(qc.unicode(), set);
        width += (g ? glyphWidth(*g) : 3) + 1;
    }
    return width > 0 ? width - 1 : 0;
}

void TilePainter::centredText(int cx, int cy, QStringView s, QRgb c, GlyphSet set)
{
    const int w = textWidth(s, set);
    const int h = glyphHeight(set);
    text(cx - (w - 1) / 2, cy - (h - 1) / 2, s, c, set);
}

void TilePainter::straight(Side side, char kind, int from, int to)
{
    const auto stroke = [&](int offset, bool dashed) {
        for (int p = std::min(from, to); p <= std::max(from, to); ++p) {
            if (dashed && !dashOn(p))
                continue;
            if (isHorizontal(side))
                dot(p, Mid + offset, ink::Line);
            else
                dot(Mid + offset, p, ink::Line);
        }
    };
    if (kind == 'v') {
        stroke(-1, false);
        stroke(1, false);
    } else {
        stroke(0, kind == 'e');
    }
}

void TilePainter::conductor(const Legs &legs)
{
    char kind = 0;
    int count = 0;
    for (const Leg &leg : legs) {
        if (leg.connected()) {
            kind = leg.kind;
            ++count;
        }
    }
    if (kind != 'v') {
        for (int s = 0; s < 4; ++s) {
            const Side side = static_cast<Side>(s);
            if (legs[s].connected())
                straight(side, kind, startsAtZero(side) ? 0 : Cell - 1, Mid);
        }
        if (count >= 3)
            fill(QRect(Mid - 1, Mid - 1, 3, 3), ink::Line);
        return;
    }
    // Double lines: the outline of the union of three-pixel bands, so that corners and
    // junctions come out as in box drawing. The bands run one pixel past the tile edge.
    constexpr int Pad = 1;
    constexpr int Span = Cell + 2 * Pad;
    bool band[Span][Span] = {};
    const auto mark = [&](int x0, int x1, int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                band[y + Pad][x + Pad] = true;
    };
    if (legs[int(Side::W)].connected())
        mark(-Pad, Mid + 1, Mid - 1, Mid + 1);
    if (legs[int(Side::O)].connected())
        mark(Mid - 1, Cell - 1 + Pad, Mid - 1, Mid + 1);
    if (legs[int(Side::N)].connected())
        mark(Mid - 1, Mid + 1, -Pad, Mid + 1);
    if (legs[int(Side::S)].connected())
        mark(Mid - 1, Mid + 1, Mid - 1, Cell - 1 + Pad);
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            if (!band[y + Pad][x + Pad])
                continue;
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx)
                    edge = !band[y + Pad + dy][x + Pad + dx];
            if (edge)
                dot(x, y, ink::Line);
        }
    }
}

void TilePainter::crossing(const Legs &legs)
{
    const char across = legs[int(Side::W)].kind;
    const char down = legs[int(Side::N)].kind;
    straight(Side::W, across, 0, Cell - 1);
    const int clear = (across == 'v' ? 1 : 0) + 2;
    straight(Side::N, down, 0, Mid - clear - 1);
    straight(Side::S, down, Mid + clear + 1, Cell - 1);
}

void TilePainter::stub(Side side, Leg leg)
{
    if (!leg.connected())
        return;
    if (startsAtZero(side))
        straight(side, leg.kind, 0, BoxLo - 1);
    else
        straight(side, leg.kind, BoxHi + 1, Cell - 1);
}

void TilePainter::arrowhead(Side side, int tip, bool inward, int length)
{
    // Direction of the point along the leg's axis.
    const int sign = (startsAtZero(side) == inward) ? 1 : -1;
    for (int k = 0; k < length; ++k) {
        const int along = tip - sign * k;
        if (isHorizontal(side))
            vline(along, Mid - k, Mid + k, ink::Line);
        else
            hline(Mid - k, Mid + k, along, ink::Line);
    }
}

void TilePainter::arrows(const Legs &legs, bool block)
{
    for (int s = 0; s < 4; ++s) {
        const Side side = static_cast<Side>(s);
        const Leg leg = legs[s];
        if (!leg.connected() || leg.dir == '-')
            continue;
        const bool in = leg.dir == 'i';
        const bool low = startsAtZero(side);
        int tip = 0;
        // Distribution heads are wider than their double line.
        const int length = leg.kind == 'v' ? 4 : 3;
        if (!block) {
            // Conductor pieces: the head sits halfway along the leg.
            tip = low ? (in ? 7 : 4) : (in ? 16 : 19);
        } else {
            // Blocks: the head touches the frame when entering, the tile edge when leaving.
            tip = low ? (in ? BoxLo - 1 : 0) : (in ? BoxHi + 1 : Cell - 1);
        }
        arrowhead(side, tip, in, length);
    }
}

} // namespace talvex
