#include "inspector/dataform.h"

#include "inspector/currentdata.h"
#include "modal.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
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
    template<typename W>
    W *part(const char *name)
    {
        return form.findChild<W *>(QString::fromLatin1(name));
    }
    QTableWidget *grid() { return part<QTableWidget>("StringGrid"); }

    // The in-place editor of a cell after the user has moved there; all its text selected.
    QLineEdit *openCell(int column, int row)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row - 1, column);
        QLineEdit *edit = nullptr;
        const bool open = QTest::qWaitFor([&] {
            edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            return edit && grid()->isAncestorOf(edit);
        });
        if (open)
            edit->selectAll();
        return open ? edit : nullptr;
    }

    TDataForm form;
};

} // namespace

TEST_F(DataForm, DesignLayout)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Daten-Bearbeitung"));
    EXPECT_EQ(form.size(), QSize(261, 245));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(form.pos(), QPoint(186, 576));

    auto *panel = part<QWidget>("NamePanel");
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(panel->geometry(), QRect(0, 224, 261, 21));
    EXPECT_EQ(grid()->geometry(), QRect(0, 0, 261, 224));
    EXPECT_TRUE(panel->autoFillBackground());
    EXPECT_EQ(panel->palette().color(QPalette::Window), form.palette().color(QPalette::Dark));

    EXPECT_EQ(part<QPushButton>("OKButton")->geometry(), QRect(163, 3, 20, 17));
    EXPECT_EQ(part<QPushButton>("CancelButton")->geometry(), QRect(200, 3, 59, 17));
    for (const char *name : {"OKButton", "CancelButton"}) {
        const QPalette palette = part<QPushButton>(name)->palette();
        EXPECT_EQ(palette.color(QPalette::ButtonText), QColor(Qt::blue)) << name;
    }
    EXPECT_EQ(part<QLabel>("fromLabel")->pos(), QPoint(0, 3));
    EXPECT_EQ(part<QLabel>("toLabel")->pos(), QPoint(69, 3));
    EXPECT_EQ(part<QLineEdit>("fromEdit")->geometry(), QRect(20, 0, 47, 21));
    EXPECT_EQ(part<QLineEdit>("Edit1")->geometry(), QRect(84, 0, 47, 21));

    EXPECT_EQ(grid()->columnCount(), 2);
    EXPECT_EQ(grid()->rowCount(), 10);
    EXPECT_EQ(grid()->columnWidth(0), 128);
    EXPECT_EQ(grid()->columnWidth(1), 128);
    EXPECT_EQ(grid()->horizontalHeader()->height(), 19) << "the title row";
    EXPECT_EQ(grid()->rowHeight(9), 19);
    EXPECT_FALSE(grid()->verticalHeader()->isVisible()) << "no fixed column";
    EXPECT_TRUE(grid()->showGrid());
    EXPECT_TRUE(grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid()->item(9, 1)->flags() & Qt::ItemIsEditable);

    EXPECT_EQ(tabOrder(part<QWidget>("OKButton")),
              QStringList({QStringLiteral("OKButton"), QStringLiteral("CancelButton"),
                           QStringLiteral("fromEdit"), QStringLiteral("Edit1"),
                           QStringLiteral("StringGrid")}));
}

TEST_F(DataForm, FirstOpeningShowsTitlesPeriodsAndEmptyValues)
{
    EXPECT_EQ(form.cell(0, 0), QString()) << "titles come with the first FormResize";
    QStringList titles;
    QString firstValue = QStringLiteral("not read");
    const int result = runModal(form, [&] {
        titles << form.cell(0, 0) << form.cell(1, 0);
        firstValue = form.cell(1, 1);
        QTest::mouseClick(part<QPushButton>("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(titles, QStringList({QStringLiteral("Zeitraum"), QStringLiteral("Zahlenwerte")}));
    EXPECT_EQ(firstValue, QString());
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Zeitraum"));
    for (int period = 1; period <= 10; ++period) {
        EXPECT_EQ(form.cell(0, period), QString::number(period));
        EXPECT_EQ(form.cell(1, period), QString());
    }
    EXPECT_EQ(part<QLineEdit>("fromEdit")->text(), QStringLiteral("1"));
    EXPECT_EQ(part<QLineEdit>("Edit1")->text(), QStringLiteral("10"));
    EXPECT_EQ(form.cell(2, 1), QString());
    EXPECT_EQ(form.cell(0, 11), QString());
}

TEST_F(DataForm, FormResizePlacesTheButtonsFromTheRightEdge)
{
    form.setFixedWidth(265);
    form.FormResize();
    EXPECT_EQ(part<QPushButton>("CancelButton")->x(), 200);
    EXPECT_EQ(part<QPushButton>("OKButton")->x(), 160);
    form.setFixedWidth(300);
    form.FormResize();
    EXPECT_EQ(part<QPushButton>("CancelButton")->x(), 235);
    EXPECT_EQ(part<QPushButton>("OKButton")->x(), 195);
}

TEST_F(DataForm, TypedValuesSurviveCancelAndPeriodsComeBack)
{
    form.FormResize();
    runModal(form, [&] {
        QLineEdit *edit = openCell(1, 3);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("45"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClicks(edit, QStringLiteral(",0"));
        edit = openCell(0, 2);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("zwei"));
        // The typed text is in the grid while the editor is still open.
        EXPECT_EQ(form.cell(0, 2), QStringLiteral("zwei"));
        QTest::mouseClick(part<QPushButton>("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(form.cell(1, 3), QStringLiteral("4,05")) << "typing in the middle stays there";

    form.FormResize(); // as before every opening
    EXPECT_EQ(form.cell(0, 2), QStringLiteral("2"));
    EXPECT_EQ(form.cell(1, 3), QStringLiteral("4,05")) << "values are never rewritten";
}

TEST_F(DataForm, OkHandsOverACopyOfTheTable)
{
    form.FormResize();
    const int result = runModal(form, [&] {
        QLineEdit *edit = openCell(1, 10);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("17"));
        QTest::mouseClick(part<QPushButton>("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const talvex::StringTable table = talvex::CurrentHistoryTable;
    ASSERT_EQ(table.size(), 11);
    EXPECT_EQ(table.at(0),
              QStringList({QStringLiteral("Zeitraum"), QStringLiteral("Zahlenwerte")}));
    EXPECT_EQ(table.at(10), QStringList({QStringLiteral("10"), QStringLiteral("17")}));
    EXPECT_EQ(table.at(1), QStringList({QStringLiteral("1"), QString()}));

    grid()->item(9, 1)->setText(QStringLiteral("18"));
    EXPECT_EQ(talvex::CurrentHistoryTable.at(10).at(1), QStringLiteral("17"));
}

TEST_F(DataForm, GridAlwaysShowsItsEditor)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // Tab from "bis" into the grid lands in the current cell's editor.
    part<QLineEdit>("Edit1")->setFocus();
    QTest::keyClick(part<QLineEdit>("Edit1"), Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus != grid() && grid()->isAncestorOf(focus);
    }));
    // Escape closes it and it opens again at once.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus != grid() && grid()->isAncestorOf(focus);
    }));
    EXPECT_TRUE(form.isVisible()) << "Escape in the grid does not cancel the dialog";
}

TEST_F(DataForm, FieldsExplainThemselves)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (auto [name, tip] : {std::pair{"fromEdit", "Startzeit"}, std::pair{"Edit1", "Endzeit"}}) {
        QWidget *field = part<QWidget>(name);
        const QPoint at = field->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, field->mapToGlobal(at));
        QApplication::sendEvent(field, &hover);
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); })) << name;
        EXPECT_EQ(QToolTip::text(), QString::fromLatin1(tip));
        QToolTip::hideText();
    }
}
