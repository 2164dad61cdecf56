#include "pictures/tileart.h"

#include <algorithm>
#include <cmath>

namespace talvex {

namespace {

constexpr int Cell = TilePainter::Cell;
constexpr int Mid = TilePainter::Mid;

constexpr int W = int(Side::W);
constexpr int N = int(Side::N);
constexpr int O = int(Side::O);
constexpr int S = int(Side::S);

// Coordinates inside a frame measured along the component and across it, so that one drawing
// serves the horizontal and the vertical form.
struct Area
{
    QRect inner;
    bool vertical;

    int length() const { return vertical ? inner.height() : inner.width(); }
    int depth() const { return vertical ? inner.width() : inner.height(); }
    QPoint at(int along, int across) const
    {
        return vertical ? QPoint(inner.left() + across, inner.top() + along)
                        : QPoint(inner.left() + along, inner.top() + across);
    }
    QRect span(int along0, int along1, int across0, int across1) const
    {
        return QRect(at(along0, across0), at(along1, across1)).normalized();
    }
};

void curve(TilePainter &p, const Area &a, int along0, int along1, double (*f)(double), int top,
           int bottom, QRgb c)
{
    // f maps 0..1 along to 0..1 height; drawn between the rows `bottom` (0) and `top` (1).
    QPoint previous;
    for (int u = along0; u <= along1; ++u) {
        const double t = along1 == along0 ? 0.0 : double(u - along0) / (along1 - along0);
        const int v = int(std::lround(bottom + (top - bottom) * f(t)));
        const QPoint point = a.at(u, v);
        if (u > along0)
            p.line(previous, point, c);
        previous = point;
    }
}

double bell(double t)
{
    const double d = (t - 0.5) / 0.2;
    return std::exp(-0.5 * d * d);
}

double logNormalHump(double t)
{
    if (t <= 0.0)
        return 0.0;
    const double d = std::log(t / 0.3) / 0.45;
    return std::exp(-0.5 * d * d);
}

double narrowBell(double t)
{
    const double d = (t - 0.5) / 0.14;
    return std::exp(-0.5 * d * d);
}

double lag(double t)
{
    return 1.0 - std::exp(-t * 4.0);
}
double delayedLag(double t)
{
    return t < 0.3 ? 0.0 : 1.0 - std::exp(-(t - 0.3) * 6.0);
}

void ring(TilePainter &p, QPoint c, int r, QRgb line, QRgb inside)
{
    // Midpoint circle, filled row by row.
    int x = r;
    int y = 0;
    int err = 1 - r;
    while (x >= y) {
        p.hline(c.x() - x + 1, c.x() + x - 1, c.y() + y, inside);
        p.hline(c.x() - x + 1, c.x() + x - 1, c.y() - y, inside);
        p.hline(c.x() - y + 1, c.x() + y - 1, c.y() + x, inside);
        p.hline(c.x() - y + 1, c.x() + y - 1, c.y() - x, inside);
        for (const QPoint d : {QPoint(x, y), QPoint(y, x), QPoint(-y, x), QPoint(-x, y),
                               QPoint(-x, -y), QPoint(-y, -x), QPoint(y, -x), QPoint(x, -y)})
            p.dot(c.x() + d.x(), c.y() + d.y(), line);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

// Small axes in the lower left of a one-cell box.
void axes(TilePainter &p)
{
    p.vline(6, 6, 16, ink::Line);
    p.hline(6, 16, 16, ink::Line);
}

// The operator of a subtraction or a division stands beside the input it applies to: the
// subtrahend or the divisor.
void operandSign(TilePainter &p, const Legs &legs, int named, bool divide)
{
    int side = named;
    if (divide) {
        for (int s = 0; s < 4; ++s) {
            if (legs[s].dir == 'i' && s != named)
                side = s;
        }
    }
    const QPoint c = side == W   ? QPoint(8, Mid)
                     : side == N ? QPoint(Mid, 8)
                     : side == O ? QPoint(14, Mid)
                                 : QPoint(Mid, 14);
    p.centredText(c.x(), c.y(), divide ? u"\u00f7" : u"\u2212", ink::Symbol);
}

// A changeover switch drawn for the output on the right and turned to the tile's output side.
void selector(TilePainter &p, const Legs &legs)
{
    int out = O;
    for (int s = 0; s < 4; ++s) {
        if (legs[s].dir == 'o')
            out = s;
    }
    const int turns = out == O ? 0 : out == S ? 1 : out == W ? 2 : 3;
    const auto turn = [turns](QPoint q) {
        for (int k = 0; k < turns; ++k)
            q = QPoint(2 * Mid - q.y(), q.x());
        return q;
    };
    const auto seg = [&](QPoint a, QPoint b) { p.line(turn(a), turn(b), ink::Line); };
    seg({Mid, 5}, {Mid, 7});                 // first input
    seg({Mid, 17}, {Mid, 15});               // second input, open
    seg({Mid, 7}, {15, Mid});                // the blade, resting on the first input
    seg({15, Mid}, {17, Mid});               // output
    for (const int x : {5, 6, 8, 9, 11, 12}) // the decision pushing the blade
        seg({x, Mid}, {x, Mid});
}

void slider(TilePainter &p, const Area &a)
{
    const int depth = a.depth();
    const int track = depth / 2;
    p.fill(a.span(3, a.length() - 4, track, track), ink::Line);
    for (int u = 3; u <= a.length() - 4; u += 6)
        p.fill(a.span(u, u, track + 3, track + 4), ink::Faint);
    // The knob stands over the middle of the component.
    const int knob = a.length() / 2;
    p.fill(a.span(knob - 1, knob + 1, track - 3, track + 3), ink::Symbol);
}

void divider(TilePainter &p, const Area &a, int count)
{
    const int split = count > 1 ? Cell - 5 : a.length() / 2;
    const QRect bar = a.span(3, a.length() - 4, a.depth() / 2 - 2, a.depth() / 2 + 2);
    p.fill(a.span(3, split, a.depth() / 2 - 2, a.depth() / 2 + 2), ink::Symbol);
    p.frame(bar, ink::Line);
    p.fill(a.span(split, split, a.depth() / 2 - 2, a.depth() / 2 + 2), ink::Line);
}

// Top-left corner of cell i of a component, in the component's coordinates.
QPoint cellOrigin(const Span &span, int i)
{
    return span.vertical ? QPoint(0, i * Cell) : QPoint(i * Cell, 0);
}

// Supply rising and demand falling over a price-quantity chart in one cell.
void supplyDemand(TilePainter &p, QPoint at, int arg)
{
    p.translate(at);
    axes(p);
    if (arg != CurveDemand)
        p.line({8, 15}, {16, 7}, ink::Accent);
    if (arg != CurveSupply)
        p.line({8, 7}, {16, 15}, ink::Symbol);
    p.translate(-at);
}

// The chart stands in the middle cell; the cells beside it name supply and demand.
void market(TilePainter &p, const Span &span)
{
    const int middle = span.count / 2;
    supplyDemand(p, cellOrigin(span, middle), CurveMarket);
    if (span.count >= 3) {
        const QPoint a = cellOrigin(span, middle - 1) + QPoint(Mid, Mid);
        const QPoint n = cellOrigin(span, middle + 1) + QPoint(Mid, Mid);
        p.centredText(a.x(), a.y(), u"A", ink::Accent);
        p.centredText(n.x(), n.y(), u"N", ink::Symbol);
    }
}

// Two indifference curves in the middle cell, the quantities of the two goods beside it.
void preference(TilePainter &p, const Span &span)
{
    const int middle = span.count / 2;
    const QPoint at = cellOrigin(span, middle);
    p.translate(at);
    axes(p);
    p.polyline({{8, 8}, {9, 11}, {11, 13}, {15, 14}}, ink::Plot);
    p.polyline({{10, 6}, {11, 9}, {13, 11}, {16, 12}}, ink::Plot);
    p.translate(-at);
    if (span.count >= 3) {
        const QPoint one = cellOrigin(span, middle - 1) + QPoint(Mid, Mid);
        const QPoint two = cellOrigin(span, middle + 1) + QPoint(Mid, Mid);
        p.centredText(one.x(), one.y() - 1, u"m1", ink::Symbol);
        p.centredText(two.x(), two.y() - 1, u"m2", ink::Symbol);
    }
}

void function(TilePainter &p, const Area &a)
{
    const QString text =
        a.length() > 2 * Cell ? QStringLiteral("y=f(x1,x2,x3)") : QStringLiteral("f(x)");
    const QPoint c = a.at(a.length() / 2, a.depth() / 2);
    p.centredText(c.x(), c.y(), text, ink::Symbol);
}

void paintSymbol(TilePainter &p, const TileDescription &t, QRect box)
{
    const Area area{box.adjusted(1, 1, -1, -1), t.span.vertical};
    const QPoint c(Mid, Mid);
    switch (t.symbol) {
    case Symbol::Operator:
        p.centredText(c.x(), c.y(), t.label, ink::Symbol, GlyphSet::Large);
        break;
    case Symbol::Label: {
        const bool lower =
            std::all_of(t.label.begin(), t.label.end(), [](QChar ch) { return ch.isLower(); });
        p.centredText(c.x(), c.y() - (lower ? 1 : 0), t.label, ink::Symbol);
        break;
    }
    case Symbol::Subtract:
    case Symbol::Divide:
        operandSign(p, t.legs, t.arg, t.symbol == Symbol::Divide);
        break;
    case Symbol::Source:
        if (t.arg == SourceConstant) {
            p.fill(QRect(9, 9, 5, 5), ink::Symbol);
            p.fill(QRect(9, 9, 1, 1), ink::Paper);
            p.fill(QRect(13, 9, 1, 1), ink::Paper);
            p.fill(QRect(9, 13, 1, 1), ink::Paper);
            p.fill(QRect(13, 13, 1, 1), ink::Paper);
        } else {
            const Area inside{QRect(6, 7, 11, 8), false};
            curve(p, inside, 0, 10, t.arg == SourceNormal ? bell : logNormalHump, 0, 7,
                  ink::Symbol);
        }
        break;
    case Symbol::Slider:
        slider(p, area);
        break;
    case Symbol::Switch:
        p.fill(QRect(6, 13, 2, 2), ink::Line);
        p.fill(QRect(15, 13, 2, 2), ink::Line);
        p.line({7, 13}, t.arg ? QPoint(15, 13) : QPoint(14, 7), ink::Symbol);
        p.text(6, 5, t.arg ? u"1" : u"0", ink::Accent);
        break;
    case Symbol::History:
        p.fill(QRect(5, 5, 13, 3), ink::Symbol);
        for (int y = 10; y <= 16; y += 3)
            p.hline(5, 17, y, ink::Faint);
        p.vline(9, 8, 17, ink::Faint);
        p.vline(13, 8, 17, ink::Faint);
        break;
    case Symbol::Function:
        function(p, area);
        break;
    case Symbol::Selector:
        selector(p, t.legs);
        break;
    case Symbol::Response:
        axes(p);
        if (t.arg == DeadTime)
            p.polyline({{7, 15}, {10, 15}, {10, 8}, {16, 8}}, ink::Plot);
        else
            curve(p, Area{QRect(7, 8, 10, 8), false}, 0, 9, t.arg == Lag ? lag : delayedLag, 0, 7,
                  ink::Plot);
        break;
    case Symbol::Hump:
        p.hline(5, 17, 16, ink::Line);
        if (t.arg == HumpTall)
            curve(p, Area{QRect(6, 6, 11, 10), false}, 0, 10, narrowBell, 0, 9, ink::Symbol);
        else
            curve(p, Area{QRect(5, 11, 13, 5), false}, 0, 12, bell, 0, 4, ink::Symbol);
        break;
    case Symbol::Divider:
        divider(p, area, t.span.count);
        break;
    case Symbol::Market:
        market(p, t.span);
        break;
    case Symbol::Preference:
        preference(p, t.span);
        break;
    case Symbol::Gauge:
        for (int x = -6; x <= 6; ++x) {
            const int y = int(std::lround(std::sqrt(36.0 - x * x)));
            p.dot(Mid + x, 15 - y, ink::Line);
        }
        p.hline(5, 17, 16, ink::Line);
        p.line({Mid, 15}, {15, 10}, ink::Accent);
        break;
    case Symbol::Readout:
        p.fill(QRect(6, 8, 11, 7), qRgb(16, 48, 16));
        p.text(7, 9, u"0,5", qRgb(96, 255, 96));
        break;
    case Symbol::Moments:
        p.centredText(c.x(), c.y() - 1, u"\u03bc\u03c3", ink::Symbol);
        break;
    case Symbol::Histogram: {
        static constexpr int Heights[] = {2, 5, 9, 8, 4, 2};
        for (int i = 0; i < 6; ++i)
            p.fill(QRect(6 + 2 * i, 16 - Heights[i], 1, Heights[i]), ink::Plot);
        p.hline(5, 17, 16, ink::Line);
        break;
    }
    case Symbol::Recorder:
        axes(p);
        p.polyline({{7, 13}, {9, 10}, {11, 12}, {13, 8}, {15, 9}, {16, 7}}, ink::Plot);
        break;
    case Symbol::Curve:
        supplyDemand(p, QPoint(0, 0), t.arg);
        break;
    case Symbol::Note:
        p.hline(7, 15, 8, ink::Faint);
        p.hline(7, 15, 11, ink::Faint);
        p.hline(7, 12, 14, ink::Faint);
        break;
    default:
        break;
    }
}

void paintText(TilePainter &p, int edges)
{
    p.fill(QRect(0, 0, Cell, Cell), ink::Paper);
    if (edges & TextEdgeW)
        p.vline(0, 0, Cell - 1, ink::Line);
    if (edges & TextEdgeN)
        p.hline(0, Cell - 1, 0, ink::Line);
    if (edges & TextEdgeO)
        p.vline(Cell - 1, 0, Cell - 1, ink::Line);
    if (edges & TextEdgeS)
        p.hline(0, Cell - 1, Cell - 1, ink::Line);
    if (edges & TextNote) {
        p.hline(5, 18, 7, ink::Faint);
        p.hline(5, 18, 11, ink::Faint);
        p.hline(5, 13, 15, ink::Faint);
    }
}

void paintLineSwitch(TilePainter &p, const TileDescription &t)
{
    p.stub(Side::W, t.legs[W]);
    p.stub(Side::O, t.legs[O]);
    p.hline(4, 6, Mid, ink::Line);
    p.hline(16, 18, Mid, ink::Line);
    p.fill(QRect(6, Mid - 1, 2, 3), ink::Line);
    p.fill(QRect(16, Mid - 1, 2, 3), ink::Line);
    p.line({7, Mid}, t.arg ? QPoint(16, Mid) : QPoint(15, 5), ink::Line);
    p.arrows(t.legs, true);
}

} // namespace

QImage paintTile(const TileDescription &t, QRgb ground)
{
    QImage image(Cell, Cell, QImage::Format_RGB32);
    image.fill(ground);
    TilePainter p(image);
    switch (t.symbol) {
    case Symbol::Conductor:
    case Symbol::Fork:
        p.conductor(t.legs);
        p.arrows(t.legs, false);
        return image;
    case Symbol::Crossing:
        p.crossing(t.legs);
        p.arrows(t.legs, false);
        return image;
    case Symbol::LineSwitch:
        paintLineSwitch(p, t);
        return image;
    case Symbol::Text:
        paintText(p, t.arg);
        return image;
    default:
        break;
    }
    // Blocks: the frame and the symbol are drawn for the whole component, seen through this
    // cell, so that the cells of a component join into one picture.
    const int along = t.span.count * Cell;
    const QRect component(0, 0, t.span.vertical ? Cell : along, t.span.vertical ? along : Cell);
    const QRect box =
        component.adjusted(TilePainter::BoxLo, TilePainter::BoxLo, TilePainter::BoxHi + 1 - Cell,
                           TilePainter::BoxHi + 1 - Cell);
    const QPoint offset =
        t.span.vertical ? QPoint(0, t.span.index * Cell) : QPoint(t.span.index * Cell, 0);
    p.translate(-offset);
    if (t.symbol == Symbol::Source) {
        ring(p, QPoint(Mid, Mid), 7, ink::Line, ink::Paper);
    } else {
        p.fill(box, ink::Paper);
        p.frame(box, ink::Line);
    }
    paintSymbol(p, t, box);
    p.resetTransform();
    for (int s = 0; s < 4; ++s)
        p.stub(static_cast<Side>(s), t.legs[s]);
    p.arrows(t.legs, true);
    return image;
}

} // namespace talvex
