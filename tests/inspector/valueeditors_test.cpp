// The two value editors the inspector opens beside itself: the data table editor and the lines
// editor, each on its own, from the mouse and from the keyboard.

#include "inspector/currentdata.h"
#include "inspector/dataform.h"
#include "inspector/linesform.h"
#include "steps.h"
#include "testsupport.h"

#include <QAbstractTextDocumentLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace talvex;

namespace {

template<typename Form>
class ValueEditor : public ::testing::Test
{
protected:
    template<typename W = QWidget>
    W *part(const char *name)
    {
        return form.template findChild<W *>(name);
    }

    Form form;
};

class DataForm : public ValueEditor<TDataForm>
{
protected:
    QTableWidget *grid() { return part<QTableWidget>("StringGrid"); }
    QLineEdit *cellEditor() const { return ::cellEditor(form); }
};

// Shown as before every opening, active as under a window manager.
class DataFormKeys : public DataForm
{
protected:
    void SetUp() override
    {
        form.FormResize();
        activate(form);
    }
};

class LinesForm : public ValueEditor<TLinesForm>
{
protected:
    QPlainTextEdit *memo() { return part<QPlainTextEdit>("LinesMemo"); }
};

} // namespace

TEST_F(DataForm, FixedDialogWithGridAboveTheButtonStrip)
{
    EXPECT_EQ(form.windowTitle(), "Daten-Bearbeitung");
    EXPECT_EQ(form.geometry(), QRect(186, 576, 261, 245));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(grid()->geometry(), QRect(0, 0, 261, 224));
    EXPECT_EQ(part("NamePanel")->geometry(), QRect(0, 224, 261, 21));
    EXPECT_EQ(part("NamePanel")->palette().color(QPalette::Window),
              form.palette().color(QPalette::Dark));
    EXPECT_EQ(part("CancelButton")->palette().color(QPalette::ButtonText), QColor(Qt::blue));

    EXPECT_EQ(grid()->columnWidth(1), 128);
    EXPECT_EQ(grid()->horizontalHeader()->height(), 19) << "the title row";
    EXPECT_EQ(grid()->visualItemRect(grid()->item(9, 0)).top(), 9 * 19);
    EXPECT_FALSE(grid()->verticalHeader()->isVisible()) << "no fixed column";
    EXPECT_TRUE(grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(tabOrder(part("OKButton")),
              QStringList({"OKButton", "CancelButton", "fromEdit", "Edit1", "StringGrid"}));
}

TEST_F(DataForm, FormResizePlacesButtonsAndWritesTitlesAndPeriods)
{
    EXPECT_EQ(form.cell(0, 0), QString()) << "created with an empty grid";
    for (auto [outer, cancel, ok] : {std::tuple{265, 200, 160}, std::tuple{300, 235, 195}}) {
        form.setFixedWidth(outer);
        form.FormResize();
        EXPECT_EQ(part("CancelButton")->x(), cancel) << outer;
        EXPECT_EQ(part("OKButton")->x(), ok) << outer;
    }
    const StringTable table = form.table();
    ASSERT_EQ(table.size(), 11);
    EXPECT_EQ(table.at(0), QStringList({"Zeitraum", "Zahlenwerte"}));
    for (int period = 1; period <= 10; ++period)
        EXPECT_EQ(table.at(period), QStringList({QString::number(period), QString()}));
    EXPECT_EQ(part<QLineEdit>("fromEdit")->text(), "1");
    EXPECT_EQ(part<QLineEdit>("Edit1")->text(), "10");
}

TEST_F(DataForm, TypedCellsStayAcrossOpeningsButPeriodsComeBack)
{
    form.FormResize();
    int result = runModal(form, [&] {
        QLineEdit *edit = openCell(form, 1, 3);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "45");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClicks(edit, ",0");
        edit = openCell(form, 0, 2);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "zwei");
        EXPECT_EQ(form.cell(0, 2), "zwei") << "the grid holds the text with the editor open";
        QTest::mouseClick(part("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(form.cell(1, 3), "4,05") << "typing in the middle stays there";

    form.FormResize(); // as before every opening
    EXPECT_EQ(form.cell(0, 2), "2");
    EXPECT_EQ(form.cell(1, 3), "4,05");

    CurrentHistoryTable.clear();
    result = runModal(form, [&] {
        QLineEdit *edit = openCell(form, 1, 10);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "17");
        QTest::mouseClick(part("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(CurrentHistoryTable, form.table());
    EXPECT_EQ(CurrentHistoryTable.value(10), QStringList({"10", "17"}));
    grid()->item(9, 1)->setText("18");
    EXPECT_EQ(CurrentHistoryTable.value(10).value(1), "17") << "it holds a copy";
}

TEST_F(DataForm, PointingAtTheFieldsShowsTheirTooltips)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (auto [name, tip] : {std::pair{"fromEdit", "Startzeit"}, std::pair{"Edit1", "Endzeit"}}) {
        QWidget *field = part(name);
        const QPoint at = field->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, field->mapToGlobal(at));
        QApplication::sendEvent(field, &hover);
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); })) << name;
        EXPECT_EQ(QToolTip::text(), tip);
        QToolTip::hideText();
    }
}

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

TEST_F(DataFormKeys, TheGridAlwaysShowsItsEditorAndArrowsMoveBetweenCells)
{
    part("Edit1")->setFocus(Qt::TabFocusReason);
    tab();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    // Moving to another cell closes it there and opens it again at once.
    grid()->setCurrentCell(4, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    EXPECT_EQ(grid()->currentRow(), 4);
    QTest::keyClick(cellEditor(), Qt::Key_Down);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor() && grid()->currentRow() == 5; }));
    QTest::keyClick(cellEditor(), Qt::Key_Up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cellEditor() && grid()->currentRow() == 4; }));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(DataFormKeys, EscapeInACellCancelsAndKeepsWhatWasTyped)
{
    QLineEdit *edit = openCell(form, 1, 3);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "42");
    QTest::keyClick(edit, Qt::Key_Escape);
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

TEST_F(LinesForm, FixedDialogWithMemoAboveTheButtonStrip)
{
    EXPECT_EQ(form.windowTitle(), "Zeilen-Editor");
    EXPECT_EQ(form.geometry(), QRect(199, 604, 412, 159));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(memo()->geometry(), QRect(0, 0, 412, 142));
    EXPECT_EQ(part("LinesPanel")->geometry(), QRect(0, 142, 412, 17));
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    for (const char *name : {"OKButton", "CancelButton"})
        EXPECT_EQ(part(name)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    EXPECT_EQ(tabOrder(memo()), QStringList({"LinesMemo", "OKButton", "CancelButton"}));
}

TEST_F(LinesForm, FormResizePutsCancelAtTheMiddleOfTheOuterWidth)
{
    // Never shown, the window has no frame: its outer width is its width.
    for (auto [outer, cancel, ok] : {std::tuple{418, 209, 161}, std::tuple{417, 208, 160}}) {
        form.setFixedWidth(outer);
        form.FormResize();
        EXPECT_EQ(part("CancelButton")->x(), cancel) << outer;
        EXPECT_EQ(part("OKButton")->x(), ok) << outer;
    }
    form.setFixedWidth(412);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.FormResize();
    EXPECT_EQ(part("CancelButton")->x(), form.frameGeometry().width() / 2);
}

TEST_F(LinesForm, TextStaysAcrossOpeningsAndOkHandsOverACopy)
{
    const QString longLine = QString("Zweite Zeile ").repeated(8).trimmed();
    CurrentTextLines = {"vorher"};
    int result = runModal(form, [&] {
        QTest::keyClicks(memo(), "Erste Zeile");
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), longLine);
        QTest::mouseClick(part("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(CurrentTextLines, QStringList({"vorher"}));
    // The long line wraps into more lines on screen, still one line of text.
    EXPECT_GT(memo()->document()->documentLayout()->documentSize().height(), 2);
    EXPECT_EQ(memo()->horizontalScrollBar()->maximum(), 0);

    // The close box cancels as well.
    result = runModal(form, [&] { form.close(); });
    EXPECT_EQ(result, QDialog::Rejected);

    result = runModal(form, [&] { QTest::mouseClick(part("OKButton"), Qt::LeftButton); });
    EXPECT_EQ(result, QDialog::Accepted);
    const QStringList lines{"Erste Zeile", longLine};
    EXPECT_EQ(CurrentTextLines, lines);
    memo()->clear();
    EXPECT_EQ(CurrentTextLines, lines) << "later edits must not reach it";

    runModal(form, [&] { QTest::mouseClick(part("OKButton"), Qt::LeftButton); });
    EXPECT_TRUE(CurrentTextLines.isEmpty()) << "an empty text has no lines";
}

TEST_F(LinesForm, EnterStartsALineAndTabGoesToTheButtons)
{
    activate(form);
    memo()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(memo(), "a");
    QTest::keyClick(memo(), Qt::Key_Return);
    QTest::keyClicks(memo(), "b");
    tab();
    EXPECT_EQ(focusName(), "OKButton");
    tab();
    EXPECT_EQ(focusName(), "CancelButton");
    tab(false);
    tab(false);
    EXPECT_EQ(focusName(), "LinesMemo");
    EXPECT_EQ(form.lines(), QStringList({"a", "b"})) << "no tab character typed";
}
