// A whole session without a mouse: every step is a key press on whatever has the focus, from
// the start to Ctrl+Q, and what the user then sees is what the mouse session shows.

#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "modal.h"
#include "model/elementmodel.h"
#include "placedchecks.h"

#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;
using talvex::test::expectPlaced;

namespace {

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    // An open menu has the keyboard, as it grabs it on a desktop.
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window has the focus";
    QTest::keyClick(target, Qt::Key(key), modifiers);
    // A window activated by the key is active before the next key, as a user waits for it.
    QApplication::processEvents();
}

// Right or Left along the palette until the button has the focus.
void walkPaletteTo(QWidget *button)
{
    for (int key : {int(Qt::Key_Right), int(Qt::Key_Left)}) {
        for (int i = 0; i < PaletteButtonCount && QApplication::focusWidget() != button; ++i)
            press(key);
    }
    ASSERT_EQ(QApplication::focusWidget(), button);
}

void walkSheet(int columns, int rows)
{
    for (int i = 0; i < columns; ++i)
        press(Qt::Key_Right);
    for (int i = 0; i < rows; ++i)
        press(Qt::Key_Down);
}

} // namespace

TEST(KeyboardScenario, FromStartToCtrlQWithoutAMouse)
{
    Editor editor;
    TTalvexForm &main = *editor.main;
    TInspectForm &inspector = *editor.inspector;
    QString typed;

    QTimer::singleShot(0, [&] {
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

        // "Markt" from the palette, where the focus starts.
        ASSERT_EQ(QApplication::focusWidget(), main.paletteButton(PaletteButton::PointerTBtn));
        walkPaletteTo(main.paletteButton(PaletteButton::MarketTBtn));
        press(Qt::Key_Return);
        EXPECT_EQ(main.statusText(0), QStringLiteral("Markt vorgewählt"));

        // To the sheet, turned with Shift+F10, placed at column 3, row 2.
        press(Qt::Key_F6);
        press(Qt::Key_F6);
        ASSERT_EQ(QApplication::focusWidget(), editor.sheet());
        walkSheet(2, 1);
        press(Qt::Key_F10, Qt::ShiftModifier);
        QMenu *turn = main.orientPopupMenu();
        ASSERT_TRUE(QTest::qWaitFor([turn] { return turn->isVisible(); }, 1000));
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        EXPECT_FALSE(turn->isVisible());
        press(Qt::Key_Return);
        expectPlaced(editor, 1, 3, 2);
        EXPECT_EQ(editor.model().elements.at(1).head.orientation, Vertical);
        EXPECT_EQ(editor.model().elements.at(1).head.height, 5);
        EXPECT_TRUE(inspector.isVisible());

        // Conductor kind "Zahlenwerte": sheet, inspector, palette, kinds.
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_F6);
        ASSERT_EQ(QApplication::focusWidget(), main.selectorImage(1));
        press(Qt::Key_Up);
        EXPECT_EQ(main.palette().conductorKind(), NumericValues);
        EXPECT_EQ(main.selectorImage(0)->toolTip(), QStringLiteral("Leiterart: Zahlenwerte"));

        // A "Text-Element" at column 6, row 2.
        press(Qt::Key_F6, Qt::ShiftModifier);
        walkPaletteTo(main.paletteButton(PaletteButton::TextTBtn));
        press(Qt::Key_Space);
        EXPECT_EQ(main.statusText(0), QStringLiteral("Text-Element vorgewählt"));
        press(Qt::Key_F6);
        press(Qt::Key_F6);
        walkSheet(5, 1);
        press(Qt::Key_Return);
        expectPlaced(editor, 2, 6, 2);

        // Its lines editor, from the inspector's "Textzeilen" row; typed into, left by Escape.
        press(Qt::Key_F6);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&inspector));
        for (int i = 0;
             i < 10 && !inspector.CommonValueList->isAncestorOf(QApplication::focusWidget()); ++i)
            press(Qt::Key_Tab);
        ASSERT_TRUE(inspector.CommonValueList->isAncestorOf(QApplication::focusWidget()));
        const test::Modal lines = test::whileModal(
            [] { press(Qt::Key_Return); },
            [&](QDialog &) {
                ASSERT_TRUE(QTest::qWaitFor([&] {
                    const QWidget *focus = QApplication::focusWidget();
                    return focus && focus->window() == editor.lines;
                }));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Preise steigen"));
                typed = editor.lines->findChild<QPlainTextEdit *>()->toPlainText();
                press(Qt::Key_Escape);
            });
        EXPECT_EQ(lines.dialog, editor.lines);
        EXPECT_FALSE(editor.lines->isVisible());
        EXPECT_EQ(inspector.CommonValueList->value(0), QStringLiteral("(Zeilen)"));

        // Ctrl+Q ends the session, from whichever window has the focus.
        press(Qt::Key_Q, Qt::ControlModifier);
    });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(typed, QStringLiteral("Preise steigen"));
    EXPECT_EQ(inspector.ComboBox->count(), 3);
}
