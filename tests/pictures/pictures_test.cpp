#include "pictures/pictures.h"

#include "pictures/icons.h"
#include "testnames.h"

#include <QHash>
#include <QSet>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace talvex;

namespace {

// Painting is deterministic and the pictures never change, so the tests share one instance.
const Pictures &pictures()
{
    static const Pictures instance;
    return instance;
}

const QImage &tile(const QString &name)
{
    return pictures().tile(name);
}

constexpr QRgb Silver = qRgb(192, 192, 192);
constexpr QRgb Navy = qRgb(0, 0, 128);
constexpr QRgb PaletteGrey = qRgb(160, 160, 164);

constexpr auto dark = [](QRgb c) { return qGray(c) < 80; };
constexpr auto paper = [](QRgb c) { return qGray(c) > 240; };

// A picture's bytes, to tell pictures apart.
QByteArray bytes(const QImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
}

// The picture mirrored at its main diagonal: rows become columns.
QImage transposed(const QImage &image)
{
    return image.transformed(QTransform().rotate(90)).mirrored(true, false);
}

bool uniform(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

constexpr int Mid = 11;
constexpr int W = 0, N = 1, O = 2, S = 3; // the sides

// Dark pixels across the leg of `side` at distance d from the tile edge, near the conductor.
int extent(const QImage &t, int side, int d)
{
    int count = 0;
    for (int c = Mid - 4; c <= Mid + 4; ++c) {
        const QPoint p = side == W   ? QPoint(d, c)
                         : side == N ? QPoint(c, d)
                         : side == O ? QPoint(23 - d, c)
                                     : QPoint(c, 23 - d);
        count += dark(t.pixel(p)) ? 1 : 0;
    }
    return count;
}

// What a side shows: '.' nothing, '-' a conductor without arrowhead, 'i' an arrowhead pointing
// into the tile, 'o' one pointing out. Blocks carry their legs on the short stub before the frame.
char flowAt(const QImage &t, int side, bool block)
{
    const int reach = block ? (side == W || side == N ? 3 : 4) : 7;
    int widest = 0;
    int at = 0;
    bool any = false;
    for (int d = 0; d <= reach; ++d) {
        const int e = extent(t, side, d);
        any = any || e > 0;
        if (e > widest) {
            widest = e;
            at = d;
        }
    }
    if (!any)
        return '.';
    if (widest <= 2) // one line or a double line
        return '-';
    // An arrowhead narrows by two pixels a step towards its point.
    if (at < reach && extent(t, side, at + 1) == widest - 2)
        return 'i';
    if (at > 0 && extent(t, side, at - 1) == widest - 2)
        return 'o';
    return '?';
}

// The 36 tiles that no kind uses, in their fixed order at the end of the names.
const char *const SpareTiles[] = {
    "wAbzwOWSImg",  "wAbzwONWImg",  "wAbzwONSImg",  "wAbzwO3Img",   "wAbzwSWOImg",  "wAbzwS3Img",
    "vAbzwOWSImg",  "vAbzwONWImg",  "vAbzwONSImg",  "vAbzwO3Img",   "vAbzwSWOImg",  "vAbzwS3Img",
    "eAbzwOWSImg",  "eAbzwONWImg",  "eAbzwONSImg",  "eAbzwO3Img",   "eAbzwSWOImg",  "eAbzwS3Img",
    "SubUntenImg",  "vFuncLeftImg", "vFuncRiteImg", "vAuswahlSImg", "vAuswahlWImg", "wAuswahlSImg",
    "wAuswahlWImg", "eAuswahlSImg", "eAuswahlWImg", "vAusschImg",   "vEinschImg",   "wAusschImg",
    "wEinschImg",   "eAusschImg",   "eEinschImg",   "AngebImg",     "MktImg",       "NachfrImg",
};

} // namespace

TEST(TileNames, AreTheCatalogueTilesThenTheSpareOnesEachOnce)
{
    const QStringList names = pictures().tileNames();
    ASSERT_EQ(names.size(), Pictures::TileCount);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), Pictures::TileCount);
    EXPECT_EQ(names.front(), "vRechtsImg");
    EXPECT_EQ(names[Pictures::TileCount - 36 - 1], "TextSEImg");
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(names[Pictures::TileCount - 36 + i], SpareTiles[i]);
    for (const char *name :
         {"AnalogImg", "TextMidImg", "vAbzwWOSImg", "ewKreuzImg", "wAufteilNSImg", "DivDurchImg",
          "SchaltO1Img", "FuncMidImg", "unglImg", "eAuswahlOImg", "T_Img", "DistribbreitNSImg",
          "MarktNS5Img", "vPrefNS1Img", "vMomentNImg", "Text2VImg"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
    EXPECT_EQ(pictures().tileNames(), names);
}

TEST(TileNames, LookupIsExactAndUnknownNamesGiveANullImage)
{
    EXPECT_TRUE(pictures().tile(u"KeinImg").isNull());
    EXPECT_TRUE(pictures().tile(u"").isNull());
    EXPECT_TRUE(pictures().tile(u"vrechtsimg").isNull());
    EXPECT_TRUE(pictures().tile(u"vRechtsImgX").isNull());
    const QString text = QStringLiteral("[vRechtsImg]");
    const QImage &viaView = pictures().tile(QStringView(text).mid(1, 10));
    EXPECT_FALSE(viaView.isNull());
    EXPECT_EQ(&viaView, &pictures().tile(u"vRechtsImg")); // a stable reference
}

TEST(Tiles, AreOpaque24SquaresWithAPictureOnEach)
{
    for (const QString &name : pictures().tileNames()) {
        const QImage &t = pictures().tile(name);
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(t.size(), QSize(24, 24));
        EXPECT_EQ(t.format(), QImage::Format_RGB32);
        EXPECT_EQ(t.devicePixelRatio(), 1.0);
        // Only the middle of a text block is meant to be blank.
        EXPECT_EQ(uniform(t), name == "TextMidImg");
        EXPECT_TRUE(name != "TextMidImg" || paper(t.pixel(0, 0)));
    }
}

TEST(Tiles, EveryNameHasAPictureOfItsOwn)
{
    // Several kinds share a tile, but no two tile names share a picture.
    QHash<QByteArray, QString> seen;
    for (const QString &name : pictures().tileNames()) {
        const QByteArray bits = bytes(tile(name));
        const auto it = seen.constFind(bits);
        EXPECT_TRUE(it == seen.constEnd())
            << name.toStdString() << " looks like " << it->toStdString();
        seen.insert(bits, name);
    }
}

struct SidesCase
{
    const char *name;
    const char *flows; // W N O S as flowAt() reports them; x: a side inside a component
    bool block = false;
};

class TileSides : public testing::TestWithParam<SidesCase>
{};

TEST_P(TileSides, ConductorsMeetExactlyTheConnectedSidesWithTheirDirection)
{
    const SidesCase &c = GetParam();
    const QImage &t = tile(c.name);
    ASSERT_FALSE(t.isNull());
    std::string seen;
    for (int side = W; side <= S; ++side)
        seen += c.flows[side] == 'x' ? 'x' : flowAt(t, side, c.block);
    EXPECT_EQ(seen, c.flows);
}

// Blocks carry their legs on the short stub before the frame.
std::vector<SidesCase> asBlocks(std::vector<SidesCase> cases)
{
    for (SidesCase &c : cases)
        c.block = true;
    return cases;
}

const SidesCase Pieces[] = {
    {"vRechtsImg", "i.o."},  {"wLinksImg", "o.i."},   {"eTiefImg", ".i.o"},
    {"vHochImg", ".o.i"},    {"wWaagerImg", "-.-."},  {"eSenkrImg", ".-.-"},
    {"wNOImg", ".io."},      {"vOSImg", "..io"},      {"eWNImg", "io.."},
    {"vSWImg", "o..i"},      {"vAbzwWOSImg", "i.oo"}, {"wAbzwN3Img", "oioo"},
    {"eAbzwSNOImg", ".ooi"}, {"wAbzwO3Img", "ooio"},  {"vwKreuzImg", "iioo"},
    {"evKreuzImg", "iioo"}};
const std::vector<SidesCase> Blocks = {
    {"AddImg", "ii.o"},       {"SubRechtsImg", ".iio"}, {"DivUntenImg", ".oii"},
    {"MultMitImg", ".io."},   {"vInLinksImg", "..o."},  {"vInObenImg", "...o"},
    {"wInRechtsImg", "o..."}, {"wDynWO1Img", "..x."},   {"wDynWO3Img", "x.o."},
    {"wDynNS3Img", ".x.o"},   {"SchaltL1Img", "..o."},  {"wFuncLeftImg", "iixi"},
    {"FuncMidImg", "x.x."},   {"wFuncRiteImg", "x.o."}, {"glImg", "ii.o"},
    {"vAuswahlNImg", "iioi"}, {"vAuswahlOImg", "iiio"}, {"eAuswahlSImg", "oiii"},
    {"MarktWO1Img", ".oxo"},  {"MarktWO2Img", "xixi"},  {"MarktNS1Img", "o.ox"},
    {"MarktNS4Img", "ixix"},  {"wPrefWO1Img", "i.x."},  {"vPrefNS1Img", ".i.x"},
    {"PrefWO3Img", "x.x."},   {"vAnteilWImg", "i.xo"},  {"vAufteilWOImg", "x.o."},
    {"wAnteilNImg", ".iox"},  {"vMomentWOImg", "i.o."}, {"vMomentNImg", ".i.."},
    {"AnalogImg", "i..."},    {"VerlaufImg", "i..."},   {"DistribhochNSImg", ".i.o"},
    {"vEinschImg", "i.o."},   {"AngebImg", "...."}};

TALVEX_INSTANTIATE_NAMED(ConductorPieces, TileSides, testing::ValuesIn(Pieces));
TALVEX_INSTANTIATE_NAMED(Blocks, TileSides, testing::ValuesIn(asBlocks(Blocks)));

// Reversed pieces are mirror images, and the vertical ones are the horizontal ones turned.
TEST(Tiles, ReversedAndTurnedStraightPiecesAreMirrorImages)
{
    for (const char *kind : {"v", "w", "e"}) {
        const QString k = QLatin1String(kind);
        EXPECT_EQ(tile(k + "LinksImg"), tile(k + "RechtsImg").mirrored(true, false)) << kind;
        EXPECT_EQ(tile(k + "HochImg"), tile(k + "TiefImg").mirrored(false, true)) << kind;
        EXPECT_EQ(tile(k + "SenkrImg"), transposed(tile(k + "WaagerImg"))) << kind;
    }
}

TEST(Tiles, LineStylesTellTheConductorKindsApart)
{
    const auto darkRows = [](const QImage &t, int x) {
        std::string rows;
        for (int y = 0; y < 24; ++y)
            if (dark(t.pixel(x, y)))
                rows += std::to_string(y) + ' ';
        return rows;
    };
    const auto darkInRow = [](const QImage &t, int y) {
        int n = 0;
        for (int x = 0; x < 24; ++x)
            n += dark(t.pixel(x, y)) ? 1 : 0;
        return n;
    };
    // Numeric values: one solid line; distributions: two parallel strokes; decisions: dashes.
    EXPECT_EQ(darkRows(tile("wWaagerImg"), 2), "11 ");
    EXPECT_EQ(darkInRow(tile("wWaagerImg"), Mid), 24);
    EXPECT_EQ(darkRows(tile("vWaagerImg"), 2), "10 12 ");
    EXPECT_EQ(darkInRow(tile("vWaagerImg"), 10), 24);
    EXPECT_EQ(darkInRow(tile("vWaagerImg"), 12), 24);
    // Double lines turn and branch as in box drawing: the inner stroke opens towards the turn.
    EXPECT_TRUE(dark(tile("vWaagerImg").pixel(Mid, Mid + 1)));
    EXPECT_FALSE(dark(tile("vWSImg").pixel(Mid, Mid + 1)));
    EXPECT_FALSE(dark(tile("vAbzwWOSImg").pixel(Mid, Mid + 1)));
    EXPECT_TRUE(dark(tile("vAbzwWOSImg").pixel(Mid, Mid - 1)));
    const int dashes = darkInRow(tile("eWaagerImg"), Mid);
    EXPECT_GT(dashes, 10);
    EXPECT_LT(dashes, 20);
    // A crossing keeps the style of each conductor.
    EXPECT_EQ(darkRows(tile("vwKreuzImg"), 2), "10 12 ");
    EXPECT_EQ(darkRows(transposed(tile("vwKreuzImg")), 2), "11 ");
}

struct Component
{
    std::vector<const char *> cells;
    bool vertical;
    std::string caseName() const { return cells.front(); }
};

class MultiCellComponents : public testing::TestWithParam<Component>
{};

TEST_P(MultiCellComponents, CellsJoinIntoOneFramedPicture)
{
    const Component &c = GetParam();
    // Reads a cell as if it were horizontal, so both forms share one check.
    const auto at = [&](const QImage &t, int along, int across) {
        return c.vertical ? t.pixel(across, along) : t.pixel(along, across);
    };
    constexpr int Frame0 = 4;
    constexpr int Frame1 = 18;
    constexpr int Inside = 6;
    for (size_t i = 0; i < c.cells.size(); ++i) {
        const QImage &t = tile(c.cells[i]);
        ASSERT_FALSE(t.isNull()) << c.cells[i];
        SCOPED_TRACE(c.cells[i]);
        // The long sides of the frame run through every cell.
        for (int along = 0; along < 24; ++along) {
            const bool beforeStart = i == 0 && along < Frame0;
            const bool afterEnd = i + 1 == c.cells.size() && along > Frame1;
            if (!beforeStart && !afterEnd) {
                EXPECT_TRUE(dark(at(t, along, Frame0))) << along;
                EXPECT_TRUE(dark(at(t, along, Frame1))) << along;
            }
        }
        // The short sides close the first and the last cell only.
        EXPECT_EQ(dark(at(t, Frame0, Inside)), i == 0);
        EXPECT_EQ(dark(at(t, Frame1, Inside)), i + 1 == c.cells.size());
        EXPECT_TRUE(i == 0 || paper(at(t, 0, Inside)));
        EXPECT_TRUE(i + 1 == c.cells.size() || paper(at(t, 23, Inside)));
    }
}

TALVEX_INSTANTIATE_NAMED(
    AllForms, MultiCellComponents,
    testing::Values(
        Component{{"vAnteilWImg", "vAufteilWSImg"}, false},
        Component{{"wAnteilWImg", "wAufteilWOImg"}, false},
        Component{{"vAnteilNImg", "vAufteilNOImg"}, true},
        Component{{"wAnteilNImg", "wAufteilNSImg"}, true},
        Component{{"wDynWO1Img", "wDynWO2Img", "wDynWO3Img"}, false},
        Component{{"wDynNS1Img", "wDynNS2Img", "wDynNS3Img"}, true},
        Component{{"wFuncLeftImg", "FuncMidImg", "wFuncRiteImg"}, false},
        Component{{"vFuncLeftImg", "FuncMidImg", "vFuncRiteImg"}, false},
        Component{{"MarktWO1Img", "MarktWO2Img", "MarktWO3Img", "MarktWO4Img", "MarktWO5Img"},
                  false},
        Component{{"MarktNS1Img", "MarktNS2Img", "MarktNS3Img", "MarktNS4Img", "MarktNS5Img"},
                  true},
        Component{{"wPrefWO1Img", "PrefWO2Img", "PrefWO3Img", "PrefWO4Img", "PrefWO5Img"}, false},
        Component{{"vPrefNS1Img", "PrefNS2Img", "PrefNS3Img", "PrefNS4Img", "PrefNS5Img"}, true}));

TEST(TextElement, PartsFormAFramedBlockWithABlankMiddle)
{
    const char *const parts[3][3] = {{"TextNWImg", "TextNImg", "TextNEImg"},
                                     {"TextWImg", "TextMidImg", "TextEImg"},
                                     {"TextSWImg", "TextSImg", "TextSEImg"}};
    QImage block(72, 72, QImage::Format_RGB32);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x)
                    block.setPixel(24 * c + x, 24 * r + y, tile(parts[r][c]).pixel(x, y));
    for (int y = 0; y < 72; ++y) {
        for (int x = 0; x < 72; ++x) {
            const bool border = x == 0 || y == 0 || x == 71 || y == 71;
            EXPECT_EQ(dark(block.pixel(x, y)), border) << x << ',' << y;
            EXPECT_TRUE(border || paper(block.pixel(x, y))) << x << ',' << y;
        }
    }
    // Strips of one cell: open at the ends along the strip.
    EXPECT_TRUE(dark(tile("Text2HImg").pixel(Mid, 0)) && dark(tile("Text2HImg").pixel(Mid, 23)));
    EXPECT_TRUE(paper(tile("Text2HImg").pixel(0, Mid)) && paper(tile("Text2HImg").pixel(23, Mid)));
    EXPECT_TRUE(dark(tile("Text2VImg").pixel(0, Mid)) && dark(tile("Text2VImg").pixel(23, Mid)));
    EXPECT_TRUE(paper(tile("Text2VImg").pixel(Mid, 0)) && paper(tile("Text2VImg").pixel(Mid, 23)));
    // The one-cell block is closed all round.
    for (const QPoint p : {QPoint(0, Mid), QPoint(Mid, 0), QPoint(23, Mid), QPoint(Mid, 23)})
        EXPECT_TRUE(dark(tile("Text1Img").pixel(p)));
}

TEST(SelectorSources, AreSilverEdgedSamplesOfTheThreeLineStyles)
{
    for (int kind = 0; kind < 3; ++kind) {
        for (const bool on : {false, true}) {
            const QImage &s = pictures().selectorSource(kind, on);
            SCOPED_TRACE(std::to_string(kind) + (on ? " on" : " off"));
            ASSERT_EQ(s.size(), QSize(26, 10));
            for (int y = 0; y < 10; ++y)
                EXPECT_EQ(s.pixel(25, y), Silver);
            bool green = false;
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 10; ++x)
                    green = green || (qGreen(s.pixel(x, y)) > 120 && qRed(s.pixel(x, y)) < 60);
            EXPECT_EQ(green, on); // the tick
        }
        EXPECT_NE(pictures().selectorSource(kind, true), pictures().selectorSource(kind, false));
    }
    // The chosen sample is black, the others grey; the styles differ as on the sheet.
    const auto ink = [](int kind, bool on, int x, int y) {
        return qGray(pictures().selectorSource(kind, on).pixel(x, y));
    };
    EXPECT_EQ(ink(0, true, 18, 4), 0);
    EXPECT_GT(ink(0, false, 18, 4), 80);
    EXPECT_LT(ink(0, false, 18, 4), 160);
    int solid = 0;
    int dashed = 0;
    for (int x = 12; x <= 24; ++x) {
        solid += ink(0, true, x, 4) == 0 ? 1 : 0;
        dashed += ink(2, true, x, 4) == 0 ? 1 : 0;
    }
    EXPECT_EQ(solid, 13);
    EXPECT_GT(dashed, 4);
    EXPECT_LT(dashed, 13);
    EXPECT_EQ(ink(1, true, 18, 3), 0);
    EXPECT_EQ(ink(1, true, 18, 5), 0);
    EXPECT_NE(ink(1, true, 18, 4), 0);
    EXPECT_TRUE(pictures().selectorSource(3, true).isNull());
    EXPECT_TRUE(pictures().selectorSource(-1, false).isNull());
}

TEST(PaletteIcons, TwentyThreeDistinctIconsOnThePaletteGrey)
{
    QSet<QByteArray> seen;
    for (int i = 0; i < Pictures::ElemIconCount; ++i) {
        const QImage &icon = pictures().elemImgList(i);
        SCOPED_TRACE(i);
        ASSERT_EQ(icon.size(), QSize(24, 24));
        EXPECT_FALSE(icon.hasAlphaChannel());
        for (const QPoint p : {QPoint(0, 0), QPoint(23, 0), QPoint(0, 23), QPoint(23, 23)})
            EXPECT_EQ(icon.pixel(p), PaletteGrey);
        seen.insert(bytes(icon));
    }
    EXPECT_EQ(seen.size(), Pictures::ElemIconCount);
    EXPECT_TRUE(pictures().elemImgList(23).isNull());
    EXPECT_TRUE(pictures().elemImgList(-1).isNull());
}

TEST(PaletteIcons, EveryButtonHasExactlyOneIcon)
{
    const std::vector<PaletteButton> buttons = elemIconButtons();
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        EXPECT_EQ(std::count(buttons.begin(), buttons.end(), button), 1) << position;
        EXPECT_FALSE(paintElemIcon(button).isNull()) << position;
    }
    EXPECT_EQ(buttons.size(), std::size_t(PaletteButtonCount));
    EXPECT_TRUE(paintElemIcon(PaletteButton::Other).isNull());
}

TEST(ToolBarIcons, SevenDistinctIconsInEachList)
{
    for (const int list : {1, 2}) {
        QSet<QByteArray> seen;
        for (int i = 0; i < Pictures::ToolIconCount; ++i) {
            const QImage &icon = list == 1 ? pictures().imageList1(i) : pictures().imageList2(i);
            SCOPED_TRACE(std::to_string(list) + "/" + std::to_string(i));
            ASSERT_EQ(icon.size(), QSize(16, 16));
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    opaque += qAlpha(icon.pixel(x, y)) == 255 ? 1 : 0;
            // A drawing on a transparent ground.
            EXPECT_GT(opaque, 20);
            EXPECT_LT(opaque, 256);
            seen.insert(bytes(icon));
        }
        EXPECT_EQ(seen.size(), Pictures::ToolIconCount);
    }
    EXPECT_TRUE(pictures().imageList1(7).isNull());
    EXPECT_TRUE(pictures().imageList2(-1).isNull());
}

TEST(BlackImg, IsFourByFourBlack)
{
    const QImage &black = pictures().blackImg();
    ASSERT_EQ(black.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(black.pixel(x, y), qRgb(0, 0, 0));
}

TEST(Logo, BothSizesShowTheEmblemOnNavy)
{
    for (const bool large : {false, true}) {
        const QImage &logo = pictures().logo(large);
        SCOPED_TRACE(large ? "large" : "small");
        ASSERT_EQ(logo.size(), large ? QSize(250, 249) : QSize(26, 25));
        const int w = logo.width() - 1, h = logo.height() - 1;
        for (const QPoint p : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            EXPECT_EQ(logo.pixel(p), Navy);
        QSet<QRgb> colours;
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x)
                colours.insert(logo.pixel(x, y));
        EXPECT_TRUE(colours.contains(qRgb(255, 255, 255)));
        // Painted from geometry without smoothing: a handful of colours at either size.
        EXPECT_LE(colours.size(), 4);
    }
}

TEST(TileSheet, ShowsEveryTileEnlargedAndAtItsOwnSize)
{
    const QImage sheet = pictures().tileSheet();
    ASSERT_FALSE(sheet.isNull());
    EXPECT_GE(qint64(sheet.width()) * sheet.height(),
              qint64(Pictures::TileCount) * (72 * 72 + 24 * 24));
    // The first tile, enlarged three times, opens the sheet.
    const QImage big =
        tile("vRechtsImg").scaled(72, 72, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(sheet.copy(4, 4, 72, 72), big);
}
