// Working the inspector's lists and the two value editors from the keyboard: where Tab goes,
// what Escape and Return do, and that the focused control can be seen.

#include "editorfixture.h"
#include "inspector/dataform.h"
#include "inspector/linesform.h"
#include "inspector/valuelist.h"
#include "testsupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

using namespace talvex;
using Style = ValueListEditor::EditStyle;

namespace {

void activate(QWidget &window)
{
    window.show();
    window.activateWindow(); // no window manager does it offscreen
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void tab(bool forward = true)
{
    QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
}

// ---- The data table editor ----

class DataFormKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.FormResize();
        activate(form);
    }

    QTableWidget *grid() { return form.findChild<QTableWidget *>("StringGrid"); }
    template<typename W = QWidget>
    W *part(const char *name)
    {
        return form.findChild<W *>(name);
    }
    QLineEdit *cellEditor()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && grid()->isAncestorOf(focus) ? qobject_cast<QLineEdit *>(focus) : nullptr;
    }

    TDataForm form;
};

TEST_F(DataFormKeys, TabLeavesTheGridBothWays)
{
    part("OKButton")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        tab();
        // The grid opens its cell editor once it has the focus.
        ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor() || focusName() != "StringGrid"; }));
        visited << (cellEditor() ? QStringLiteral("cell") : focusName());
    }
    EXPECT_EQ(visited, QStringList({"CancelButton", "fromEdit", "Edit1", "cell", "OKButton"}));

    tab(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); })) << "back into the grid";
    tab(false);
    EXPECT_EQ(focusName(), "Edit1");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(DataFormKeys, ArrowsMoveBetweenCells)
{
    part("Edit1")->setFocus(Qt::TabFocusReason);
    tab();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    grid()->setCurrentCell(0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    QTest::keyClick(cellEditor(), Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor() && grid()->currentRow() == 1; }));
    QTest::keyClick(cellEditor(), Qt::Key_Up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cellEditor() && grid()->currentRow() == 0; }));
}

TEST_F(DataFormKeys, EscapeInACellCancelsAndKeepsWhatWasTyped)
{
    grid()->setFocus();
    grid()->setCurrentCell(2, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    cellEditor()->selectAll();
    QTest::keyClicks(cellEditor(), "42");
    QTest::keyClick(cellEditor(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(form.cell(1, 3), "42");
}

TEST_F(DataFormKeys, ReturnPressesTheFocusedButtonButNotAField)
{
    part("fromEdit")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part("fromEdit"), Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());

    part("CancelButton")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part("CancelButton"), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);

    activate(form);
    grid()->item(9, 1)->setText("5");
    part("OKButton")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part("OKButton"), Qt::Key_Enter);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentHistoryTable.value(10).value(1), "5");
}

// ---- The lines editor ----

TEST(LinesFormKeys, EnterStartsALineAndTabGoesToTheButtons)
{
    TLinesForm form;
    activate(form);
    auto *memo = form.findChild<QPlainTextEdit *>("LinesMemo");
    memo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(memo, "a");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "b");
    tab();
    EXPECT_EQ(focusName(), "OKButton");
    tab();
    EXPECT_EQ(focusName(), "CancelButton");
    tab(false);
    tab(false);
    EXPECT_EQ(focusName(), "LinesMemo");
    EXPECT_EQ(form.lines(), QStringList({"a", "b"})) << "no tab character typed";
}

// ---- The value lists ----

// A list between two other fields of a window, with values of every kind: editable, read-only,
// a standing ellipsis editor and a read-only pick list.
class ValueListKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        before->setObjectName("before");
        after->setObjectName("after");
        auto *column = new QVBoxLayout(&window);
        column->addWidget(before);
        column->addWidget(list);
        column->addWidget(after);
        list->appendItem("Startwert", "0,50");
        list->appendItem("Ecke", "3,2");
        list->setReadOnly(1, true);
        list->appendItem("Textzeilen", "(Zeilen)");
        list->setEditStyle(2, Style::Ellipsis);
        list->setReadOnly(2, true);
        list->appendItem("Orientierung", "waagerecht");
        list->setEditStyle(3, Style::PickList);
        list->setPickList(3, {"waagerecht", "senkrecht"});
        list->setReadOnly(3, true);
        list->appendItem("Maximalwert", "1,00");
        window.resize(300, 300);
        activate(window);
    }

    // The item whose editor has the focus, -1 for none.
    int focusedItem() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || !list->isAncestorOf(focus))
            return -1;
        return list->indexAt(focus->geometry().center()).row();
    }

    QString where() const
    {
        const int item = focusedItem();
        return item >= 0 ? QString::number(item) : focusName();
    }

    QWidget window;
    QLineEdit *before = new QLineEdit;
    ValueListEditor *list = new ValueListEditor;
    QPushButton *after = new QPushButton("OK");
};

TEST_F(ValueListKeys, TabWalksTheValuesThatTakeInputAndLeavesBothWays)
{
    before->setFocus(Qt::TabFocusReason);
    QStringList forward;
    for (int i = 0; i < 6; ++i) {
        tab();
        forward << where();
    }
    EXPECT_EQ(forward, QStringList({"0", "2", "3", "4", "after", "before"}));

    after->setFocus(Qt::TabFocusReason);
    QStringList backward;
    for (int i = 0; i < 5; ++i) {
        tab(false);
        backward << where();
    }
    EXPECT_EQ(backward, QStringList({"4", "3", "2", "0", "before"}));
}

// ---- Focus can be seen ----

// The control's picture with the focus given from the keyboard and with the focus elsewhere.
// With edgeOnly, only the outermost pixel rows count, where no cursor or selection is drawn.
bool looksFocused(QWidget *control, QWidget *elsewhere, bool edgeOnly = false)
{
    // What a Tab key press marks on its window: styles draw the focus after keyboard moves.
    control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = control->grab().toImage();
    elsewhere->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage unfocused = control->grab().toImage();
    if (!edgeOnly)
        return focused != unfocused;
    const int bottom = focused.height() - 1;
    return focused.copy(0, 0, focused.width(), 1) != unfocused.copy(0, 0, focused.width(), 1) &&
           focused.copy(0, bottom, focused.width(), 1) !=
               unfocused.copy(0, bottom, focused.width(), 1);
}

TEST_F(ValueListKeys, TheFocusedControlLooksDifferent)
{
    // A frameless cell editor shows its focus only by the text cursor or selection, which a
    // read-only value may lack: the cell is marked at its edge.
    QWidget *standing = nullptr;
    for (QWidget *child : list->viewport()->findChildren<QLineEdit *>()) {
        if (child->isVisible())
            standing = child;
    }
    ASSERT_NE(standing, nullptr);
    EXPECT_TRUE(looksFocused(standing, before, true)) << "the list's current cell";
    EXPECT_TRUE(looksFocused(after, before)) << "a button";

    test::Editor editor;
    TInspectForm &inspector = *editor.inspector;
    activate(inspector);
    EXPECT_TRUE(looksFocused(inspector.ComboBox, inspector.ElementValueList)) << "element list";
}

// ---- The ellipsis rows open their editors by keys ----

TEST(EllipsisRowKeys, ReturnSpaceAndF2OpenTheEditorAsTheButtonDoes)
{
    test::Editor editor;
    TInspectForm &inspector = *editor.inspector;
    editor.place(PaletteButton::TextTBtn, 2, 2);
    activate(inspector);
    ValueListEditor *list = inspector.CommonValueList;

    QToolButton *button = list->viewport()->findChild<QToolButton *>("EllipsisButton");
    ASSERT_NE(button, nullptr);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Textzeilen bearbeiten"));
    EXPECT_EQ(test::whileModal([face] {
                  face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
              }).dialog,
              editor.lines);

    // Tab reaches the read-only row: its value is a tab stop because the row opens an editor.
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Space), int(Qt::Key_F2)}) {
        activate(inspector); // a closed modal window hands the activation back to the main window
        list->setFocus(Qt::TabFocusReason);
        QWidget *value = QApplication::focusWidget();
        ASSERT_TRUE(list->isAncestorOf(value));
        EXPECT_EQ(test::whileModal([value, key] { QTest::keyClick(value, Qt::Key(key)); }).dialog,
                  editor.lines)
            << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(list->value(0), QStringLiteral("(Zeilen)")) << "the marker is not typed into";
    }
    // The list itself, with the row current but its value not focused, does the same.
    activate(inspector);
    list->setFocus(Qt::OtherFocusReason);
    list->setCurrentCell(0, 1);
    EXPECT_EQ(test::whileModal([list] { QTest::keyClick(list, Qt::Key_F2); }).dialog, editor.lines);

    editor.place(PaletteButton::HistoryTBtn, 6, 2);
    activate(inspector);
    list->setFocus(Qt::TabFocusReason);
    QWidget *history = QApplication::focusWidget();
    EXPECT_EQ(test::whileModal([history] { QTest::keyClick(history, Qt::Key_Return); }).dialog,
              editor.data);
}

} // namespace
