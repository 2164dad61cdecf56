#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "inspectorlists.h"
#include "model/elementmodel.h"
#include "tables.h"
#include "testnames.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include <gtest/gtest.h>

using namespace talvex;
using namespace talvex::test;

namespace {

const QColor Silver(192, 192, 192);

int placedCount(const ElementModel &model)
{
    int count = 0;
    for (int n = 1; n <= LastElementNumber; ++n)
        count += model.elements.at(n).number != 0 ? 1 : 0;
    return count;
}

bool tileAt(const QImage &layer, const QImage &tile, QPoint topLeft)
{
    return layer.copy(QRect(topLeft, QSize(CellSize, CellSize))) ==
           tile.convertToFormat(layer.format());
}

} // namespace

TEST(Placing, AMarketAtColumn3Row2)
{
    Editor editor;
    editor.place(PaletteButton::MarketTBtn, 3, 2);

    const Element &record = editor.model().elements.at(1);
    EXPECT_EQ(record.number, 1);
    EXPECT_EQ(record.head.name, "Markt");
    EXPECT_EQ(record.head.x, 3);
    EXPECT_EQ(record.head.y, 2);
    EXPECT_EQ(record.head.width, 5);
    EXPECT_EQ(record.head.height, 1);
    EXPECT_EQ(record.head.orientation, Horizontal);
    EXPECT_EQ(record.head.orientable, 1);
    EXPECT_EQ(record.head.firstKind, 215);
    EXPECT_EQ(record.pixelRect(), (PixelRect{48, 24, 167, 47}));

    const QImage sheet = editor.foreground();
    for (QPoint corner : {QPoint(48, 24), QPoint(167, 24), QPoint(167, 47), QPoint(48, 47)}) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                EXPECT_EQ(sheet.pixelColor(corner + QPoint(dx, dy)), QColor(Qt::black))
                    << corner.x() << "," << corner.y();
    }
    // The marks are an overlay: the background keeps the tiles only.
    const Pictures &pictures = editor.main->pictures();
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("MarktWO%1Img").arg(i + 1);
        EXPECT_TRUE(tileAt(editor.background(), pictures.tile(name), QPoint(48 + i * 24, 24)))
            << name.toStdString();
    }
    EXPECT_EQ(
        editor.inspector->cellImage(),
        pictures.tile(u"MarktWO1Img").convertToFormat(editor.inspector->cellImage().format()));
}

TEST(Placing, AVerticalMarketUsesTheVerticalTiles)
{
    Editor editor;
    editor.place(PaletteButton::MarketTBtn, 3, 2, true);
    const Element &record = editor.model().elements.at(1);
    EXPECT_EQ(record.head.width, 1);
    EXPECT_EQ(record.head.height, 5);
    EXPECT_EQ(record.head.orientation, Vertical);
    const Pictures &pictures = editor.main->pictures();
    for (int j = 0; j < 5; ++j) {
        const QString name = QStringLiteral("MarktNS%1Img").arg(j + 1);
        EXPECT_TRUE(tileAt(editor.background(), pictures.tile(name), QPoint(48, 24 + j * 24)));
    }
    EXPECT_EQ(
        editor.inspector->cellImage(),
        pictures.tile(u"MarktNS1Img").convertToFormat(editor.inspector->cellImage().format()));
}

TEST(Placing, SnapsToTheNearestGridLine)
{
    Editor editor;
    editor.click(PaletteButton::DigitalTBtn);
    editor.clickSheet(QPoint(11, 11));
    editor.click(PaletteButton::DigitalTBtn);
    editor.clickSheet(QPoint(12 + 48, 12 + 48));
    EXPECT_EQ(editor.model().elements.at(1).head.x, 1);
    EXPECT_EQ(editor.model().elements.at(1).head.y, 1);
    EXPECT_EQ(editor.model().elements.at(2).head.x, 4);
    EXPECT_EQ(editor.model().elements.at(2).head.y, 4);
}

class PlacingLimitTest : public ::testing::TestWithParam<test::Bound>
{};

TEST_P(PlacingLimitTest, KeepsTheRightmostColumnFree)
{
    const test::Bound &c = GetParam();
    Editor editor;
    ASSERT_EQ(editor.main->sheetColumns(), test::BoundsColumns);
    ASSERT_EQ(editor.main->sheetRows(), test::BoundsRows);
    editor.place(c.button, c.column, c.row, c.turned);
    EXPECT_EQ(placedCount(editor.model()), c.accepted ? 1 : 0);
    // A refused click keeps the tool; an accepted one returns to the pointer.
    EXPECT_EQ(editor.main->paletteButton(c.button)->isChecked(), !c.accepted);
    EXPECT_TRUE(editor.inspector->isVisible());
}

TALVEX_INSTANTIATE_NAMED(Limits, PlacingLimitTest, ::testing::ValuesIn(test::PlacingBounds));

TEST(Placing, ThePointerToolOnlyShowsTheInspector)
{
    Editor editor;
    editor.clickSheet(QPoint(100, 100));
    EXPECT_TRUE(editor.inspector->isVisible());
    EXPECT_EQ(placedCount(editor.model()), 0);
    EXPECT_EQ(entries(*editor.inspector).size(), 1);
    EXPECT_EQ(editor.background().pixelColor(100, 100), Silver);
}

TEST(Placing, AMiddleClickDoesNothing)
{
    Editor editor;
    editor.click(PaletteButton::DigitalTBtn);
    editor.clickSheet(QPoint(100, 100), Qt::MiddleButton);
    EXPECT_FALSE(editor.inspector->isVisible());
    EXPECT_EQ(placedCount(editor.model()), 0);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::DigitalTBtn)->isChecked());
}

TEST(Placing, RightClickOffersTheOrientationOnlyForTurnableMultiCellTools)
{
    Editor editor;
    QMenu *menu = editor.main->orientPopupMenu();
    auto offered = [&](PaletteButton button) {
        editor.click(button);
        editor.clickSheet(QPoint(100, 100), Qt::RightButton);
        const bool visible = menu->isVisible();
        menu->hide();
        return visible;
    };
    EXPECT_FALSE(offered(PaletteButton::PointerTBtn));
    EXPECT_FALSE(offered(PaletteButton::DigitalTBtn));
    EXPECT_FALSE(offered(PaletteButton::fFunctTBtn));
    EXPECT_TRUE(offered(PaletteButton::MarketTBtn));
    EXPECT_TRUE(offered(PaletteButton::PreferTBtn));
    EXPECT_TRUE(offered(PaletteButton::AllDistribTBtn));
    editor.clickSelector(0);
    EXPECT_TRUE(offered(PaletteButton::DynInputTBtn));
    EXPECT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), QStringLiteral(" Orientierung ändern"));
    EXPECT_FALSE(editor.inspector->isVisible());
}

TEST(Placing, ListsTheNewElementAndReturnsToThePointer)
{
    Editor editor;
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    EXPECT_EQ(entries(*editor.inspector), QStringList({"0000 Zeichenfläche", "0001  Markt"}));
    EXPECT_EQ(editor.inspector->ComboBox->currentIndex(), 1);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_TRUE(editor.inspector->isVisible());
    EXPECT_TRUE(editor.main->findChild<QAction *>(QStringLiteral("AttributeInspect"))->isChecked());

    // A second click at the same place creates nothing.
    editor.clickSheet(Editor::cellPixel(3, 2));
    EXPECT_EQ(placedCount(editor.model()), 1);

    // The new entry is selected even when the user had chosen an older one.
    editor.inspector->ComboBox->setCurrentIndex(0);
    editor.inspector->ComboBoxChange(0);
    editor.place(PaletteButton::DigitalTBtn, 10, 10);
    EXPECT_EQ(entries(*editor.inspector).last(), QStringLiteral("0002  Digital-Anzeiger"));
    EXPECT_EQ(editor.inspector->ComboBox->currentIndex(), 2);
}

TEST(Outline, FramesTheChosenSizeAndFollowsTheOrientation)
{
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
    editor.moveOnSheet(QPoint(101, 53));
    QImage sheet = editor.foreground();
    EXPECT_EQ(sheet.pixelColor(101, 53), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101 + 119, 53), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101 + 119, 53 + 23), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101, 53 + 23), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101 + 120, 53), Silver);
    EXPECT_EQ(sheet.pixelColor(101, 53 + 24), Silver);
    EXPECT_EQ(sheet.pixelColor(110, 60), Silver);

    editor.main->OrientClick();
    EXPECT_EQ(editor.foreground(), editor.background());
    editor.moveOnSheet(QPoint(101, 53));
    sheet = editor.foreground();
    EXPECT_EQ(sheet.pixelColor(101 + 23, 53 + 119), QColor(Qt::black));
    EXPECT_EQ(sheet.pixelColor(101 + 24, 53), Silver);
    EXPECT_EQ(sheet.pixelColor(101, 53 + 120), Silver);

    editor.main->OrientClick();
    EXPECT_EQ(editor.main->palette().outlineWidth(), 5);
    EXPECT_EQ(editor.main->palette().chosenCategory().orientation, Horizontal);
}

TEST(Outline, IsClippedAtTheEdgeAndNeverLeftBehind)
{
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
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

TEST(Outline, StaysClosedWhenDraggedPastTheLeftEdge)
{
    // With a button held the sheet keeps the pointer beyond its edges; the part of the frame
    // left on the sheet must still be a closed line, its corners included.
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
    QWidget *sheet = editor.sheet();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, sheet->mapToGlobal(at), Qt::MiddleButton, held, Qt::NoModifier);
        QApplication::sendEvent(sheet, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(20, 120), Qt::MiddleButton);
    for (QPoint at : {QPoint(-9, 119), QPoint(-30, -5)}) {
        QMouseEvent move(QEvent::MouseMove, at, sheet->mapToGlobal(at), Qt::NoButton,
                         Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(sheet, &move);
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
    send(QEvent::MouseButtonRelease, QPoint(-30, -5), Qt::NoButton);
}

TEST(CornerMarks, ChoosingTheSheetRemovesThemAndThePointerToolKeepsThem)
{
    Editor editor;
    editor.place(PaletteButton::DigitalTBtn, 5, 5);
    EXPECT_NE(editor.foreground(), editor.background());
    editor.moveOnSheet(QPoint(10, 10));
    Editor::moveOver(editor.inspector->ElementValueList->viewport(), QPoint(5, 5));
    EXPECT_NE(editor.foreground(), editor.background());

    editor.inspector->ComboBox->setCurrentIndex(0);
    editor.inspector->ComboBoxChange(0);
    EXPECT_EQ(editor.foreground(), editor.background());
    editor.inspector->ComboBox->setCurrentIndex(1);
    editor.inspector->ComboBoxChange(1);
    EXPECT_NE(editor.foreground(), editor.background());

    // With a placing tool, moving over the inspector erases the marks.
    editor.click(PaletteButton::DigitalTBtn);
    Editor::moveOver(editor.inspector->ElementValueList->viewport(), QPoint(5, 5));
    EXPECT_EQ(editor.foreground(), editor.background());
}

TEST(Inspector, ShowsTheSheetAtStart)
{
    Editor editor;
    EXPECT_EQ(editor.inspector->windowTitle(), QStringLiteral("Merkmal-Einstellung"));
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

std::vector<AttributeRow> noRows()
{
    return {};
}

std::vector<AttributeRow> dynamicInput()
{
    return dynamicInputRows(DynamicInputMaximum, DynamicInputStart);
}

class InspectorShows : public ::testing::TestWithParam<ShownCase>
{};

} // namespace

// Which rows, tabs and entries an element has is the model's matter; the inspector renders them
// item for item, and choosing the element again in its list drops the cell-spanning rows.
TEST_P(InspectorShows, TheModelsRowsTabsAndEntries)
{
    const ShownCase &c = GetParam();
    Editor editor;
    TInspectForm &inspector = *editor.inspector;
    const int number = c.button == PaletteButton::PointerTBtn ? 0 : 1;
    if (c.button == PaletteButton::DynInputTBtn)
        editor.clickSelector(0); // the dynamic input exists for numeric values only
    if (number > 0)
        editor.place(c.button, 3, 2, c.turned);
    const Element &record = editor.model().elements.at(number);
    std::vector<AttributeRow> common = c.common();
    for (AttributeRow &row : common)
        row.opens = ValueEditor::None;
    QStringList cellTabs;
    for (const std::string &tab : cellTabNames(record))
        cellTabs << QString::fromStdString(tab);
    QStringList listed;
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

    inspector.ComboBox->setCurrentIndex(number);
    inspector.ComboBoxChange(number);
    EXPECT_FALSE(inspector.CommonValueList->isEnabled());
    EXPECT_EQ(inspector.CommonValueList->itemCount(), 0);
    EXPECT_EQ(shownRows(inspector.ElementValueList), elementRows(record.head));
}

TALVEX_INSTANTIATE_NAMED(
    Displays, InspectorShows,
    ::testing::Values(ShownCase{"Sheet", PaletteButton::PointerTBtn, false, noRows},
                      ShownCase{"Market", PaletteButton::MarketTBtn, false, noRows},
                      ShownCase{"VerticalMarket", PaletteButton::MarketTBtn, true, noRows},
                      ShownCase{"NotTurnable", PaletteButton::fFunctTBtn, false, noRows},
                      ShownCase{"SingleCell", PaletteButton::DigitalTBtn, false, noRows},
                      ShownCase{"DynamicInput", PaletteButton::DynInputTBtn, false, dynamicInput},
                      ShownCase{"Text", PaletteButton::TextTBtn, false, textElementRows},
                      ShownCase{"History", PaletteButton::HistoryTBtn, false, historyRows}));

TEST(Inspector, ColumnsFollowTheWindowWidth)
{
    Editor editor;
    TInspectForm &inspector = *editor.inspector;
    inspector.show();
    inspector.resize(301, inspector.height());
    inspector.FormResize();
    EXPECT_EQ(inspector.ComboBox->width(), inspector.frameGeometry().width() - 8);
    const int panel = inspector.ComponTopPanel->width();
    EXPECT_EQ(inspector.CellImg->x(), panel / 2 - 12);
    EXPECT_EQ(inspector.ElementValueList->columnWidth(0), panel * 5 / 10);
}
