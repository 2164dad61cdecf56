#include "inspector/dataform.h"

#include "inspector/currentdata.h"
#include "testsupport.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

#include <gtest/gtest.h>

using talvex::TDataForm;

namespace {

class DataForm : public ::testing::Test
{
protected:
    template<typename W = QWidget>
    W *part(const char *name)
    {
        return form.findChild<W *>(name);
    }
    QTableWidget *grid() { return part<QTableWidget>("StringGrid"); }
    QWidget *cellEditor()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus != grid() && grid()->isAncestorOf(focus) ? focus : nullptr;
    }

    // The in-place editor of a cell once the user has moved there, its text selected.
    QLineEdit *openCell(int column, int row)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row - 1, column);
        if (!QTest::qWaitFor([&] { return cellEditor(); }))
            return nullptr;
        auto *edit = qobject_cast<QLineEdit *>(cellEditor());
        edit->selectAll();
        return edit;
    }

    TDataForm form;
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
    EXPECT_EQ(part<QPushButton>("CancelButton")->palette().color(QPalette::ButtonText),
              QColor(Qt::blue));

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
    const talvex::StringTable table = form.table();
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
        QLineEdit *edit = openCell(1, 3);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "45");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClicks(edit, ",0");
        edit = openCell(0, 2);
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

    talvex::CurrentHistoryTable.clear();
    result = runModal(form, [&] {
        QLineEdit *edit = openCell(1, 10);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "17");
        QTest::mouseClick(part("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(talvex::CurrentHistoryTable, form.table());
    EXPECT_EQ(talvex::CurrentHistoryTable.value(10), QStringList({"10", "17"}));
    grid()->item(9, 1)->setText("18");
    EXPECT_EQ(talvex::CurrentHistoryTable.value(10).value(1), "17") << "it holds a copy";
}

TEST_F(DataForm, GridAlwaysShowsItsEditor)
{
    form.show();
    form.activateWindow(); // no window manager does it under Xvfb
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    part("Edit1")->setFocus();
    QTest::keyClick(part("Edit1"), Qt::Key_Tab);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    // Moving to another cell closes it there and opens it again at once.
    grid()->setCurrentCell(4, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cellEditor(); }));
    EXPECT_EQ(grid()->currentRow(), 4);
    EXPECT_TRUE(form.isVisible());
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
