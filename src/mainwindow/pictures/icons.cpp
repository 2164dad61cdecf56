#include "pictures/icons.h"

#include "model/element.h"
#include "pictures/tileart.h"
#include "pictures/tilepainter.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace talvex {

namespace {

// Tool bar icons as pixel art, one character a pixel; '.' is transparent.
QRgb artColour(char c)
{
    switch (c) {
    case 'k':
        return qRgb(0, 0, 0);
    case 'w':
        return qRgb(255, 255, 255);
    case 'g':
        return qRgb(128, 128, 128);
    case 's':
        return ink::Silver;
    case 'y':
        return qRgb(255, 224, 96);
    case 'o':
        return qRgb(176, 128, 0);
    case 'n':
        return ink::Navy;
    case 'b':
        return qRgb(64, 112, 224);
    case 'r':
        return qRgb(200, 0, 0);
    case 'G':
        return qRgb(0, 150, 0);
    default:
        return 0;
    }
}

using Art = const char *const[16];

// clang-format off
constexpr Art NewArt = {
    "................",
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkwk...",
    "..kwwwwwwwkwwk..",
    "..kwwwwwwwkkkkk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kkkkkkkkkkkkk.",
    "................",
};
constexpr Art OpenArt = {
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kyyyyk..........",
    "kyyyyykkkkkkk...",
    "kyyyyyyyyyyyk...",
    "kyyyykkkkkkkkkkk",
    "kyyyk.yyyyyyyyok",
    "kyyk.yyyyyyyyok.",
    "kyk.yyyyyyyyyok.",
    "kk.yyyyyyyyyok..",
    "kkoooooooooook..",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
};
constexpr Art SaveArt = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".knwwwwwwwwwwnk.",
    ".knwwwwwwwwwwnk.",
    ".knwggggggggwnk.",
    ".knwwwwwwwwwwnk.",
    ".knwggggggggwnk.",
    ".knwwwwwwwwwwnk.",
    ".knnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnsssssssssnk.",
    ".knnsskksssssnk.",
    ".knnsskksssssnk.",
    ".knnsskksssssnk.",
    ".kkkkkkkkkkkkkk.",
    "................",
};
constexpr Art SaveAsArt = {
    "kkkkkkkkkkkk....",
    "knwwwwwwwwnk....",
    "knwggggggwnk....",
    "knwwwwwwwwnk....",
    "knwggggggwnk....",
    "knnnnnnnnnnk....",
    "knnnnnnnnnnk....",
    "knnssssssnnk....",
    "knnskksssnnk..k.",
    "knnskksssnnk.kyk",
    "kkkkkkkkkkkkkyk.",
    "...........kyk..",
    "..........kyk...",
    ".........kyk....",
    ".........kk.....",
    "........k.......",
};
constexpr Art GenerateArt = {
    "........kkkkk...",
    ".......kyyyyk...",
    "......kyyyyk....",
    ".....kyyyyk.....",
    "....kyyyyk......",
    "...kyyyyykkkk...",
    "..kyyyyyyyyyk...",
    "..kkkkkyyyyk....",
    "......kyyyk.....",
    ".....kyyyk......",
    "....kyyyk.......",
    "...kyyk.........",
    "..kyyk..........",
    "..kyk...........",
    ".kk.............",
    "................",
};
constexpr Art UndoArt = {
    "................",
    "................",
    "................",
    "....k...........",
    "...kk...........",
    "..kbkkkkkkkk....",
    ".kbbbbbbbbbbkk..",
    "..kbkkkkkkkkbbk.",
    "...kk.......kbbk",
    "....k........kbk",
    ".............kbk",
    "............kbbk",
    "..........kkbbk.",
    "..........kkkk..",
    "................",
    "................",
};
constexpr Art CutArt = {
    "................",
    "...k.......k....",
    "...kk.....kk....",
    "....k.....k.....",
    "....kk...kk.....",
    ".....k...k......",
    ".....kk.kk......",
    "......kkk.......",
    ".......k........",
    "......k.k.......",
    "...rrrk.krrr....",
    "..r..rr.rr..r...",
    "..r...r.r...r...",
    "..r...r.r...r...",
    "...rrr...rrr....",
    "................",
};
constexpr Art CopyArt = {
    "kkkkkkk.........",
    "kwwwwwkk........",
    "kwgggwkwk.......",
    "kwwwwwkkkk......",
    "kwggkkkkkkk.....",
    "kwwwkwwwwwkk....",
    "kwggkwgggwkwk...",
    "kwwwkwwwwwkkkk..",
    "kwggkwggggggwk..",
    "kwwwkwwwwwwwwk..",
    "kkkkkwggggggwk..",
    "....kwwwwwwwwk..",
    "....kwggggggwk..",
    "....kwwwwwwwwk..",
    "....kkkkkkkkkk..",
    "................",
};
constexpr Art PasteArt = {
    "................",
    ".....kkkkk......",
    "..kkkksssskkkk..",
    ".kooksgggskook..",
    ".kookkkkkkkook..",
    ".koooooooooook..",
    ".koookkkkkkkkk..",
    ".koookwwwwwwkwk.",
    ".koookwggggwkkkk",
    ".koookwwwwwwwwwk",
    ".koookwgggggggwk",
    ".koookwwwwwwwwwk",
    ".koookwgggggggwk",
    ".kkkkkwwwwwwwwwk",
    ".....kkkkkkkkkkk",
    "................",
};
constexpr Art PrinterSetupArt = {
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwggggwk....",
    "..kkkkkkkkkkkk..",
    ".ksssssssssssgk.",
    ".kssssssssGGsgk.",
    ".kggggggggggggk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "..kk.kk.kk.kk...",
    "..kk.kk.kk.kk...",
    "................",
    "..kkkkkkkkkkkk..",
    "..kbbbbbbbbbbk..",
    "..kkkkkkkkkkkk..",
};
constexpr Art PrintArt = {
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwggggwk....",
    "....kwwwwwwk....",
    "..kkkkkkkkkkkk..",
    ".ksssssssssssgk.",
    ".kssssssssGGsgk.",
    ".ksssssssssssgk.",
    ".kggggggggggggk.",
    ".kkkkkkkkkkkkkk.",
    "...kwwwwwwwwk...",
    "...kwggggggwk...",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
    "................",
};
constexpr Art HelpArt = {
    "................",
    ".....kkkkkk.....",
    "...kkbbbbbbkk...",
    "..kbbbwwwwbbbk..",
    "..kbbwwbbwwbbk..",
    ".kbbbbbbbwwbbbk.",
    ".kbbbbbbwwbbbbk.",
    ".kbbbbbwwbbbbbk.",
    ".kbbbbbwwbbbbbk.",
    ".kbbbbbbbbbbbbk.",
    "..kbbbbwwbbbbk..",
    "..kbbbbwwbbbbk..",
    "...kkbbbbbbkk...",
    ".....kkkkkk.....",
    "................",
    "................",
};
constexpr Art ExitArt = {
    "................",
    "..kkkkkkkkk.....",
    "..kooooooook....",
    "..koyyyyyyok....",
    "..koyyyyyyok....",
    "..koyyyyyyok.k..",
    "..koyyyyyyokkrk.",
    "..koyykyyyokrrrk",
    "..koyyyyyyokkrk.",
    "..koyyyyyyok.k..",
    "..koyyyyyyok....",
    "..koyyyyyyok....",
    "..kooooooook....",
    "..kkkkkkkkkkk...",
    "................",
    "................",
};
// clang-format on

QImage fromArt(const Art &art, bool mirrored = false)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        const char *row = art[y];
        const int n = int(std::strlen(row));
        for (int x = 0; x < n && x < 16; ++x) {
            if (const QRgb c = artColour(row[x]))
                image.setPixel(mirrored ? 15 - x : x, y, c);
        }
    }
    return image;
}

// The pointer of the last palette button ("hebt Vor-Auswahl auf").
constexpr const char *PointerArt[] = {
    "k...........", "kk..........", "kwk.........", "kwwk........", "kwwwk.......", "kwwwwk......",
    "kwwwwwk.....", "kwwwwwwk....", "kwwwwwwwk...", "kwwwwwwwwk..", "kwwwwwkkkkk.", "kwwkwwk.....",
    "kwk.kwwk....", "kk..kwwk....", "k....kwwk...", ".....kwwk...", "......kk....",
};

// The emblem: a fork of conductors shaped as a T. Distributions (a double line) enter at the
// left and leave at the right; a numeric value branches off downwards through the junction.
// Laid out on a grid of EmblemW x EmblemH units, each unit `scale` pixels, so it stays crisp.
constexpr int EmblemW = 26;
constexpr int EmblemH = 25;

void paintEmblem(QPainter &painter, QPoint origin, int scale)
{
    const QColor white(255, 255, 255);
    const QColor lime(0, 255, 0);
    const auto unit = [&](double x0, double y0, double x1, double y1, const QColor &c) {
        const auto px = [&](double v, int o) { return o + int(std::lround(v * scale)); };
        painter.fillRect(QRect(QPoint(px(x0, origin.x()), px(y0, origin.y())),
                               QPoint(px(x1, origin.x()) - 1, px(y1, origin.y()) - 1)),
                         c);
    };
    // Arrowheads filled one pixel column (or row) at a time.
    const auto head = [&](bool down, double base, double tip, double mid, double half) {
        const int from = int(std::lround(base * scale));
        const int to = int(std::lround(tip * scale));
        for (int i = from; i < to; ++i) {
            const double h = half * (1.0 - (i + 0.5 - from) / double(to - from));
            const double a = (mid - h), b = (mid + h);
            if (down)
                unit(a, double(i) / scale, b, double(i + 1) / scale, white);
            else
                unit(double(i) / scale, a, double(i + 1) / scale, b, white);
        }
    };
    unit(3, 6, 20, 7, white); // the double line across
    unit(3, 8, 20, 9, white);
    head(false, 19, 24, 7.5, 4);
    unit(11, 9, 13, 18, white); // the branch
    head(true, 17, 23, 12, 4.5);
    unit(1, 5, 3, 10, lime);   // where the flow comes from
    unit(10, 5, 14, 10, lime); // the junction
}

} // namespace

QImage paintToolIcon(int list, int index)
{
    static const Art *const List1[] = {&NewArt,      &OpenArt, &SaveArt, &SaveAsArt,
                                       &GenerateArt, &UndoArt, &UndoArt};
    static const Art *const List2[] = {&CutArt,   &CopyArt, &PasteArt, &PrinterSetupArt,
                                       &PrintArt, &HelpArt, &ExitArt};
    if (index < 0 || index > 6 || (list != 1 && list != 2))
        return {};
    const Art &art = list == 1 ? *List1[index] : *List2[index];
    // Redo is undo seen in a mirror.
    return fromArt(art, list == 1 && index == 6);
}

QImage paintSelectorSource(int kind, bool on)
{
    static constexpr const char *Box[] = {
        "...kkk...", ".kk...kk.", ".k.....k.", "k.......k", "k.......k",
        "k.......k", ".k.....k.", ".kk...kk.", "...kkk...",
    };
    static constexpr QPoint Tick[] = {{2, 4}, {3, 5}, {4, 6}, {5, 5}, {6, 4}, {7, 3}, {8, 2},
                                      {2, 5}, {3, 6}, {4, 7}, {5, 6}, {6, 5}, {7, 4}};
    QImage image(26, 10, QImage::Format_RGB32);
    image.fill(ink::Silver);
    TilePainter p(image);
    const QRgb frame = qRgb(64, 64, 64);
    for (int y = 0; y < 9; ++y) {
        bool inside = false;
        for (int x = 0; x < 9; ++x) {
            if (Box[y][x] == 'k') {
                p.dot(x + 1, y, frame);
                inside = !inside && std::strchr(Box[y] + x + 1, 'k') != nullptr;
            } else if (inside) {
                p.dot(x + 1, y, ink::Paper);
            }
        }
    }
    if (on) {
        for (const QPoint t : Tick)
            p.dot(t.x() + 1, t.y(), qRgb(0, 160, 0));
    }
    const QRgb sample = on ? ink::Line : qRgb(128, 128, 128);
    for (int x = 12; x <= 24; ++x) {
        if (kind == 1) {
            p.dot(x, 3, sample);
            p.dot(x, 5, sample);
        } else if (kind == 0 || (x + 1) % 6 < 4) {
            p.dot(x, 4, sample);
        }
    }
    return image;
}

namespace {

struct ElemIcon
{
    PaletteButton button;
    const char *sides;
    Symbol symbol;
    const char16_t *label;
    int arg;
};

using B = PaletteButton;

// The placing buttons' icons, drawn like tiles; the pointer has pixel art of its own.
constexpr ElemIcon ElemIcons[] = {
    {B::AllConnectTBtn, "wi .. wo ..", Symbol::Conductor, u"", 0},
    {B::AllForkTBtn, "wi .. wo wo", Symbol::Fork, u"", 0},
    {B::AllDistribTBtn, "wi .. wo wo", Symbol::Divider, u"", 0},
    {B::MixerTBtn, "wi wi .. wo", Symbol::Operator, u"+", 0},
    {B::AllStatInputTBtn, ".. .. wo ..", Symbol::Source, u"", 0},
    {B::DynInputTBtn, ".. .. wo ..", Symbol::Slider, u"", 0},
    {B::HistoryTBtn, ".. .. wo ..", Symbol::History, u"", 0},
    {B::vFunctTBtn, "wi .. wo ..", Symbol::Label, u"exp", 0},
    {B::fFunctTBtn, "wi .. wo ..", Symbol::Function, u"", 0},
    {B::RelationTBtn, "wi wi .. eo", Symbol::Operator, u">", 0},
    {B::AllChoiceTBtn, "ei wi wo wi", Symbol::Selector, u"", 0},
    {B::LinearTBtn, "vi .. vo ..", Symbol::Label, u"PID", 0},
    {B::NonLinTBtn, "vi .. vo ..", Symbol::Response, u"", 2},
    {B::DistribTransformTBtn, "vi .. vo ..", Symbol::Hump, u"", 0},
    {B::MarketTBtn, ".. wi .. wo", Symbol::Market, u"", 0},
    {B::PreferTBtn, "wi .. .. ..", Symbol::Preference, u"", 0},
    {B::AnalogTBtn, "wi .. .. ..", Symbol::Gauge, u"", 0},
    {B::DigitalTBtn, "wi .. .. ..", Symbol::Readout, u"", 0},
    {B::CharacteristicTBtn, "vi .. .. ..", Symbol::Moments, u"", 0},
    {B::DistributionTBtn, "vi .. .. ..", Symbol::Histogram, u"", 0},
    {B::CharReportTBtn, "vi .. .. ..", Symbol::Recorder, u"", 0},
    {B::TextTBtn, ".. .. .. ..", Symbol::Note, u"", 0},
};

} // namespace

std::vector<PaletteButton> elemIconButtons()
{
    std::vector<PaletteButton> buttons;
    for (const ElemIcon &icon : ElemIcons)
        buttons.push_back(icon.button);
    buttons.push_back(PaletteButton::PointerTBtn);
    return buttons;
}

QImage paintElemIcon(PaletteButton button)
{
    static constexpr QRgb Ground = qRgb(160, 160, 164);
    if (button == PaletteButton::PointerTBtn) {
        QImage image(CellSize, CellSize, QImage::Format_RGB32);
        image.fill(Ground);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 12; ++x) {
                if (const QRgb c = artColour(PointerArt[y][x]))
                    image.setPixel(x + 7, y + 3, c);
            }
        }
        return image;
    }
    const auto icon = std::find_if(std::begin(ElemIcons), std::end(ElemIcons),
                                   [button](const ElemIcon &i) { return i.button == button; });
    if (icon == std::end(ElemIcons))
        return {};
    TileDescription t;
    t.legs = parseSides(icon->sides);
    t.symbol = icon->symbol;
    t.label = QString::fromUtf16(icon->label);
    t.arg = icon->arg;
    return paintTile(t, Ground);
}

QImage paintLogo(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ink::Navy);
    QPainter painter(&image);
    if (size.width() < 3 * EmblemW) {
        paintEmblem(painter, QPoint((size.width() - EmblemW) / 2, 0), 1);
        return image;
    }
    // Large: the emblem at a whole multiple of its grid, the name below it a step smaller.
    const int scale = std::max(2, size.width() / (EmblemW + 14));
    QImage word(TilePainter::textWidth(u"Talvex"), 5, QImage::Format_RGB32);
    word.fill(ink::Navy);
    {
        TilePainter p(word);
        const int w = p.text(0, 0, u"Talve", qRgb(255, 255, 255));
        p.text(w + 1, 0, u"x", qRgb(0, 255, 0));
    }
    const QSize wordSize = word.size() * (scale - 1);
    const int gap = 4 * scale;
    const int top = (size.height() - scale * EmblemH - gap - wordSize.height()) / 2;
    paintEmblem(painter, QPoint((size.width() - scale * EmblemW) / 2, top), scale);
    const int wordTop = top + scale * EmblemH + gap;
    painter.drawImage(QRect(QPoint((size.width() - wordSize.width()) / 2, wordTop), wordSize),
                      word);
    return image;
}

} // namespace talvex
