#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;

namespace {

const QColor Silver(192, 192, 192);

QStringList entries(const Editor &editor)
{
    QStringList items;
    for (int i = 0; i < editor.inspector->ComboBox->count(); ++i)
        items << editor.inspector->ComboBox->itemText(i);
    return items;
}

QStringList rows(const ValueListEditor *list)
{
    QStringList items;
    for (int i = 0; i < list->itemCount(); ++i)
        items << list->key(i) + QLatin1Char('=') + list->value(i);
    return items;
}

QStringList tabs(const Editor &editor)
{
    QStringList names;
    for (int i = 0; i < editor.inspector->CellTabBar->count(); ++i)
        names << editor.inspector->CellTabBar->tabText(i);
    return names;
}

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

    EXPECT_EQ(rows(editor.inspector->ElementValueList),
              QStringList({"linke obere Ecke (X,Y)=3,2", "Orientierung=waagerecht",
                           "Zellenzahl waagerecht=5", "Zellenzahl senkrecht=1"}));
    EXPECT_EQ(editor.inspector->ElementValueList->pickList(1),
              QStringList({"waagerecht", "senkrecht"}));
    EXPECT_EQ(tabs(editor), QStringList({"1.Zelle", "2.Zelle", "3.Zelle", "4.Zelle", "5.Zelle"}));

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
    EXPECT_EQ(editor.inspector->ElementValueList->value(1), QStringLiteral("senkrecht"));
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

struct LimitCase
{
    PaletteButton button;
    bool turned;
    int column;
    int rowFromBottom; // 0: the bottom row, 1: the row above, ...
    bool accepted;
};

class PlacingLimitTest : public ::testing::TestWithParam<LimitCase>
{};

TEST_P(PlacingLimitTest, KeepsTheRightmostColumnFree)
{
    const LimitCase &c = GetParam();
    Editor editor;
    const int row = editor.main->sheetRows() - c.rowFromBottom;
    editor.place(c.button, c.column, row, c.turned);
    EXPECT_EQ(placedCount(editor.model()), c.accepted ? 1 : 0);
    // A refused click keeps the tool; an accepted one returns to the pointer.
    EXPECT_EQ(editor.main->paletteButton(c.button)->isChecked(), !c.accepted);
    EXPECT_TRUE(editor.inspector->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PlacingLimitTest,
    ::testing::Values(LimitCase{PaletteButton::DigitalTBtn, false, 41, 0, true},
                      LimitCase{PaletteButton::DigitalTBtn, false, 42, 0, false},
                      LimitCase{PaletteButton::MarketTBtn, false, 37, 0, true},
                      LimitCase{PaletteButton::MarketTBtn, false, 38, 0, false},
                      LimitCase{PaletteButton::MarketTBtn, true, 41, 4, true},
                      LimitCase{PaletteButton::MarketTBtn, true, 41, 3, false},
                      LimitCase{PaletteButton::MarketTBtn, true, 42, 4, false}));

TEST(Placing, ThePointerToolOnlyShowsTheInspector)
{
    Editor editor;
    editor.clickSheet(QPoint(100, 100));
    EXPECT_TRUE(editor.inspector->isVisible());
    EXPECT_EQ(placedCount(editor.model()), 0);
    EXPECT_EQ(entries(editor).size(), 1);
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
    EXPECT_EQ(entries(editor), QStringList({"0000 Zeichenfläche", "0001  Markt"}));
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
    EXPECT_EQ(entries(editor).last(), QStringLiteral("0002  Digital-Anzeiger"));
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
    TInspectForm &inspector = *editor.inspector;
    EXPECT_EQ(inspector.windowTitle(), QStringLiteral("Merkmal-Einstellung"));
    EXPECT_EQ(entries(editor), QStringList({"0000 Zeichenfläche"}));
    EXPECT_EQ(inspector.ComboBox->currentIndex(), 0);
    EXPECT_EQ(rows(inspector.ElementValueList),
              QStringList({"linke obere Ecke (X,Y)=1,1", "Orientierung=waagerecht",
                           "Zellenzahl waagerecht=43", "Zellenzahl senkrecht=36"}));
    EXPECT_TRUE(inspector.ElementValueList->isReadOnly(0));
    EXPECT_TRUE(inspector.ElementValueList->isReadOnly(1));
    EXPECT_FALSE(inspector.ElementValueList->isReadOnly(2));
    EXPECT_EQ(inspector.ElementValueList->editMask(2), QStringLiteral("90;0"));
    EXPECT_EQ(inspector.CellTabBar->count(), 0);
    EXPECT_TRUE(inspector.CellValueList->isHidden());
    EXPECT_FALSE(inspector.CommonValueList->isEnabled());
    EXPECT_FALSE(inspector.CommonLabel->isEnabled());
    EXPECT_EQ(inspector.CommonValueList->itemCount(), 0);
    EXPECT_EQ(inspector.elementShownValues(), QStringList({"1,1", "waagerecht", "43", "36"}));
    EXPECT_EQ(editor.foreground(), editor.background());
}

TEST(Inspector, ASingleCellElementWithoutOrientation)
{
    Editor editor;
    editor.place(PaletteButton::DigitalTBtn, 2, 3);
    const ValueListEditor *list = editor.inspector->ElementValueList;
    EXPECT_EQ(list->value(1), QString());
    EXPECT_EQ(list->editStyle(1), ValueListEditor::EditStyle::Plain);
    EXPECT_TRUE(list->pickList(1).isEmpty());
    EXPECT_EQ(tabs(editor), QStringList({"Zelle"}));
    EXPECT_FALSE(editor.inspector->CellValueList->isHidden());
}

TEST(Inspector, TheDynamicInputShowsItsCellSpanningRowsOnlyAfterPlacing)
{
    Editor editor;
    editor.clickSelector(0);
    editor.place(PaletteButton::DynInputTBtn, 2, 3);
    TInspectForm &inspector = *editor.inspector;
    EXPECT_TRUE(inspector.CommonValueList->isEnabled());
    EXPECT_EQ(rows(inspector.CommonValueList), QStringList({"Startwert=0,50", "Maximalwert=1,00"}));
    EXPECT_EQ(inspector.CommonValueList->editMask(0), QStringLiteral("990,99;1;0"));

    inspector.ComboBox->setCurrentIndex(1);
    inspector.ComboBoxChange(1);
    EXPECT_FALSE(inspector.CommonValueList->isEnabled());
    EXPECT_EQ(inspector.CommonValueList->itemCount(), 0);
}

TEST(Inspector, TextAndHistoryElementsShowTheirMarkers)
{
    Editor editor;
    editor.place(PaletteButton::TextTBtn, 2, 3);
    const ValueListEditor *common = editor.inspector->CommonValueList;
    EXPECT_EQ(rows(common), QStringList({"Textzeilen=(Zeilen)"}));
    EXPECT_EQ(common->editStyle(0), ValueListEditor::EditStyle::Ellipsis);
    EXPECT_TRUE(common->isReadOnly(0));

    editor.place(PaletteButton::HistoryTBtn, 4, 3);
    EXPECT_EQ(rows(common), QStringList({"Daten der Vorgeschichte=(Tabelle)"}));
    EXPECT_EQ(common->editStyle(0), ValueListEditor::EditStyle::Ellipsis);
}

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
