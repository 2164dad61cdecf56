#include "inspectorlists.h"
#include "mainwindowtest.h"
#include "testnames.h"

#include <tuple>

using namespace talvex;
using namespace talvex::test;

namespace {

// The five tiles of a market placed at column 3, row 2 on the background, and its first one in
// the inspector.
void expectMarketTiles(const Editor &editor, bool vertical)
{
    const Pictures &pictures = editor.main->pictures();
    const QString form = vertical ? QStringLiteral("MarktNS%1Img") : QStringLiteral("MarktWO%1Img");
    const QImage ground = editor.background();
    for (int i = 0; i < 5; ++i) {
        const QPoint at = vertical ? QPoint(48, 24 + i * 24) : QPoint(48 + i * 24, 24);
        EXPECT_EQ(ground.copy(QRect(at, QSize(CellSize, CellSize))),
                  pictures.tile(form.arg(i + 1)).convertToFormat(ground.format()))
            << i;
    }
    const QImage cell = editor.inspector->cellImage();
    EXPECT_EQ(cell, pictures.tile(form.arg(1)).convertToFormat(cell.format()));
}

// Chooses entry n of the element list as the user does.
void choose(TInspectForm &inspector, int n)
{
    inspector.ComboBox->setCurrentIndex(n);
    inspector.ComboBoxChange(n);
}

using Placing = EditorTest;
using Outline = EditorTest;
using CornerMarks = EditorTest;
using Inspector = EditorTest;

} // namespace

TEST_F(Placing, AMarketAtColumn3Row2)
{
    editor.place(B::MarketTBtn, 3, 2);

    const Element &record = editor.model().elements.at(1);
    const Category &head = record.head;
    EXPECT_EQ(std::tuple(record.number, head.name, head.x, head.y, head.width, head.height),
              std::tuple(1, "Markt", 3, 2, 5, 1));
    EXPECT_EQ(std::tuple(head.orientation, head.orientable, head.firstKind),
              std::tuple(Horizontal, 1, 215));
    EXPECT_EQ(record.pixelRect(), (PixelRect{48, 24, 167, 47}));

    const QImage sheet = editor.foreground();
    for (QPoint corner : {QPoint(48, 24), QPoint(167, 24), QPoint(167, 47), QPoint(48, 47)})
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                EXPECT_EQ(sheet.pixelColor(corner + QPoint(dx, dy)), QColor(Qt::black))
                    << corner.x() << "," << corner.y();
    // The marks are an overlay: the background keeps the tiles only.
    expectMarketTiles(editor, false);
}

TEST_F(Placing, AVerticalMarketUsesTheVerticalTiles)
{
    editor.place(B::MarketTBtn, 3, 2, true);
    const Element &record = editor.model().elements.at(1);
    EXPECT_EQ(std::pair(record.head.width, record.head.height), std::pair(1, 5));
    EXPECT_EQ(record.head.orientation, Vertical);
    expectMarketTiles(editor, true);
}

TEST_F(Placing, SnapsToTheNearestGridLine)
{
    editor.click(B::DigitalTBtn);
    editor.clickSheet(QPoint(11, 11));
    editor.click(B::DigitalTBtn);
    editor.clickSheet(QPoint(12 + 48, 12 + 48));
    const ElementTable &elements = editor.model().elements;
    EXPECT_EQ(std::pair(elements.at(1).head.x, elements.at(1).head.y), std::pair(1, 1));
    EXPECT_EQ(std::pair(elements.at(2).head.x, elements.at(2).head.y), std::pair(4, 4));
}

class PlacingLimitTest : public EditorTest, public ::testing::WithParamInterface<Bound>
{};

TEST_P(PlacingLimitTest, KeepsTheRightmostColumnFree)
{
    const Bound &c = GetParam();
    ASSERT_EQ(main.sheetColumns(), BoundsColumns);
    ASSERT_EQ(main.sheetRows(), BoundsRows);
    editor.place(c.button, c.column, c.row, c.turned);
    EXPECT_EQ(placedCount(editor.model()), c.accepted ? 1 : 0);
    // A refused click keeps the tool; an accepted one returns to the pointer.
    EXPECT_EQ(main.paletteButton(c.button)->isChecked(), !c.accepted);
    EXPECT_TRUE(inspector.isVisible());
}

TALVEX_INSTANTIATE_NAMED(Limits, PlacingLimitTest, ::testing::ValuesIn(PlacingBounds));

TEST_F(Placing, ThePointerToolOnlyShowsTheInspector)
{
    editor.clickSheet(QPoint(100, 100));
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_EQ(placedCount(editor.model()), 0);
    EXPECT_EQ(entries(inspector).size(), 1);
    EXPECT_EQ(editor.background().pixelColor(100, 100), Silver);
}

TEST_F(Placing, AMiddleClickDoesNothing)
{
    editor.click(B::DigitalTBtn);
    editor.clickSheet(QPoint(100, 100), Qt::MiddleButton);
    EXPECT_FALSE(inspector.isVisible());
    EXPECT_EQ(placedCount(editor.model()), 0);
    EXPECT_TRUE(button(B::DigitalTBtn)->isChecked());
}

TEST_F(Placing, RightClickOffersTheOrientationOnlyForTurnableMultiCellTools)
{
    QMenu *menu = main.orientPopupMenu();
    auto offered = [&](PaletteButton button) {
        editor.click(button);
        editor.clickSheet(QPoint(100, 100), Qt::RightButton);
        const bool visible = menu->isVisible();
        menu->hide();
        return visible;
    };
    for (PaletteButton button : {B::PointerTBtn, B::DigitalTBtn, B::fFunctTBtn})
        EXPECT_FALSE(offered(button)) << buttonName(button);
    for (PaletteButton button : {B::MarketTBtn, B::PreferTBtn, B::AllDistribTBtn})
        EXPECT_TRUE(offered(button)) << buttonName(button);
    editor.clickSelector(0);
    EXPECT_TRUE(offered(B::DynInputTBtn));
    EXPECT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral(" Orientierung ändern"));
    EXPECT_FALSE(inspector.isVisible());
}

TEST_F(Placing, ListsTheNewElementAndReturnsToThePointer)
{
    editor.place(B::MarketTBtn, 3, 2);
    EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_TRUE(main.findChild<QAction *>(QStringLiteral("AttributeInspect"))->isChecked());

    // A second click at the same place creates nothing.
    editor.clickSheet(Editor::cellPixel(3, 2));
    EXPECT_EQ(placedCount(editor.model()), 1);

    // The new entry is selected even when the user had chosen an older one.
    choose(inspector, 0);
    editor.place(B::DigitalTBtn, 10, 10);
    EXPECT_EQ(entries(inspector).last(), QStringLiteral("0002  Digital-Anzeiger"));
    EXPECT_EQ(inspector.ComboBox->currentIndex(), 2);
}

TEST_F(Outline, FramesTheChosenSizeAndFollowsTheOrientation)
{
    editor.click(B::MarketTBtn);
    editor.moveOnSheet(QPoint(101, 53));
    QImage sheet = editor.foreground();
    for (QPoint corner : {QPoint(101, 53), QPoint(220, 53), QPoint(220, 76), QPoint(101, 76)})
        EXPECT_EQ(sheet.pixelColor(corner), QColor(Qt::black)) << corner.x() << "," << corner.y();
    for (QPoint outside : {QPoint(221, 53), QPoint(101, 77), QPoint(110, 60)})
        EXPECT_EQ(sheet.pixelColor(outside), Silver) << outside.x() << "," << outside.y();

    main.OrientClick();
    EXPECT_EQ(editor.foreground(), editor.background());
    editor.moveOnSheet(QPoint(101, 53));
    sheet = editor.foreground();
    EXPECT_EQ(sheet.pixelColor(101 + 23, 53 + 119), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101 + 24, 53), Silver);
    EXPECT_EQ(sheet.pixelColor(101, 53 + 120), Silver);

    main.OrientClick();
    EXPECT_EQ(main.palette().outlineWidth(), 5);
    EXPECT_EQ(main.palette().chosenCategory().orientation, Horizontal);
}

TEST_F(Outline, IsClippedAtTheEdgeAndNeverLeftBehind)
{
    editor.click(B::MarketTBtn);
    const QSize size = editor.foreground().size();
    editor.moveOnSheet(QPoint(size.width() - 30, size.height() - 10));
    EXPECT_EQ(editor.foreground().pixelColor(size.width() - 1, size.height() - 10),
              QColor(Qt::black));
    editor.moveOnSheet(QPoint(100, 100));
    editor.clickSheet(QPoint(100, 100));
    // Placed: the background holds the tiles, the foreground adds only the corner marks.
    const QImage sheet = editor.foreground();
    const QImage ground = editor.background();
    EXPECT_EQ(sheet.pixelColor(size.width() - 1, size.height() - 10), Silver);
    int differing = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            differing += sheet.pixel(x, y) != ground.pixel(x, y) ? 1 : 0;
    EXPECT_LE(differing, 4 * 9);
}

TEST_F(Outline, StaysClosedWhenDraggedPastTheLeftEdge)
{
    // left on the sheet must still be a closed line, its corners included.
    editor.click(B::MarketTBtn);
    QWidget *sheet = editor.sheet();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, sheet->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(sheet, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(20, 120), Qt::MiddleButton, Qt::MiddleButton);
    for (QPoint at : {QPoint(-9, 119), QPoint(-30, -5)}) {
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::MiddleButton);
        const QImage layer = editor.foreground();
        const int right = at.x() + 5 * CellSize - 1;
        const int bottom = at.y() + CellSize - 1;
        for (int x = std::max(at.x(), 0); x <= right; ++x) {
            if (at.y() >= 0) {
                EXPECT_EQ(layer.pixelColor(x, at.y()), QColor(Qt::black)) << x;
            }
            EXPECT_EQ(layer.pixelColor(x, bottom), QColor(Qt::black)) << x << "," << bottom;
        }
        for (int y = std::max(at.y(), 0); y <= bottom; ++y)
            EXPECT_EQ(layer.pixelColor(right, y), QColor(Qt::black)) << right << "," << y;
        EXPECT_EQ(layer.pixelColor(right + 1, bottom), Silver);
    }
    send(QEvent::MouseButtonRelease, QPoint(-30, -5), Qt::MiddleButton, Qt::NoButton);
}

TEST_F(CornerMarks, ChoosingTheSheetRemovesThemAndThePointerToolKeepsThem)
{
    editor.place(B::DigitalTBtn, 5, 5);
    EXPECT_NE(editor.foreground(), editor.background());
    editor.moveOnSheet(QPoint(10, 10));
    Editor::moveOver(inspector.ElementValueList->viewport(), QPoint(5, 5));
    EXPECT_NE(editor.foreground(), editor.background());

    choose(inspector, 0);
    EXPECT_EQ(editor.foreground(), editor.background());
    choose(inspector, 1);
    EXPECT_NE(editor.foreground(), editor.background());

    // With a placing tool, moving over the inspector erases the marks.
    editor.click(B::DigitalTBtn);
    Editor::moveOver(inspector.ElementValueList->viewport(), QPoint(5, 5));
    EXPECT_EQ(editor.foreground(), editor.background());
}

namespace {

struct ShownCase
{
    const char *name;
    PaletteButton button; // the pointer places nothing: the sheet is shown
    bool turned;
    std::vector<AttributeRow> (*common)();
};

constexpr auto noRows = [] { return std::vector<AttributeRow>(); };
constexpr auto dynamicInput = [] {
    return dynamicInputRows(DynamicInputMaximum, DynamicInputStart);
};

class InspectorShows : public EditorTest, public ::testing::WithParamInterface<ShownCase>
{};

} // namespace

// Which rows, tabs and entries an element has is the model's matter; the inspector renders them
// item for item, and choosing the element again in its list drops the cell-spanning rows.
TEST_P(InspectorShows, TheModelsRowsTabsAndEntries)
{
    const ShownCase &c = GetParam();
    const int number = c.button == B::PointerTBtn ? 0 : 1;
    if (c.button == B::DynInputTBtn)
        editor.clickSelector(0); // the dynamic input exists for numeric values only
    if (number > 0)
        editor.place(c.button, 3, 2, c.turned);
    const Element &record = editor.model().elements.at(number);
    std::vector<AttributeRow> common = c.common();
    for (AttributeRow &row : common)
        row.opens = ValueEditor::None;
    QStringList cellTabs, listed;
    for (const std::string &tab : cellTabNames(record))
        cellTabs << QString::fromStdString(tab);
    for (int n = 0; n <= number; ++n)
        listed << QString::fromStdString(elementListEntry(editor.model().elements.at(n)));

    EXPECT_EQ(shownRows(inspector.ElementValueList), elementRows(record.head));
    EXPECT_EQ(inspector.elementShownValues(), values(inspector.ElementValueList));
    EXPECT_EQ(tabs(inspector), cellTabs);
    EXPECT_EQ(inspector.CellValueList->isHidden(), number == 0);
    EXPECT_EQ(shownRows(inspector.CommonValueList), common);
    EXPECT_EQ(inspector.commonShownValues(), values(inspector.CommonValueList));
    EXPECT_EQ(inspector.CommonValueList->isEnabled(), !common.empty());
    EXPECT_EQ(inspector.CommonLabel->isEnabled(), !common.empty());
    EXPECT_EQ(entries(inspector), listed);
    EXPECT_EQ(inspector.ComboBox->currentIndex(), number);

    choose(inspector, number);
    EXPECT_FALSE(inspector.CommonValueList->isEnabled());
    EXPECT_EQ(inspector.CommonValueList->itemCount(), 0);
    EXPECT_EQ(shownRows(inspector.ElementValueList), elementRows(record.head));
}

const ShownCase Displays[] = {{"Sheet", B::PointerTBtn, false, noRows},
                              {"Market", B::MarketTBtn, false, noRows},
                              {"VerticalMarket", B::MarketTBtn, true, noRows},
                              {"NotTurnable", B::fFunctTBtn, false, noRows},
                              {"SingleCell", B::DigitalTBtn, false, noRows},
                              {"DynamicInput", B::DynInputTBtn, false, dynamicInput},
                              {"Text", B::TextTBtn, false, textElementRows},
                              {"History", B::HistoryTBtn, false, historyRows}};
TALVEX_INSTANTIATE_NAMED(Displays, InspectorShows, ::testing::ValuesIn(Displays));

TEST_F(Inspector, ColumnsFollowTheWindowWidth)
{
    inspector.show();
    inspector.resize(301, inspector.height());
    inspector.FormResize();
    EXPECT_EQ(inspector.ComboBox->width(), inspector.frameGeometry().width() - 8);
    const int panel = inspector.ComponTopPanel->width();
    EXPECT_EQ(inspector.CellImg->x(), panel / 2 - 12);
    EXPECT_EQ(inspector.ElementValueList->columnWidth(0), panel * 5 / 10);
}
