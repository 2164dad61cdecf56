#include "inspector/linesform.h"

#include "inspector/currentdata.h"
#include "testsupport.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

using talvex::CurrentTextLines;
using talvex::TLinesForm;

namespace {

class LinesForm : public ::testing::Test
{
protected:
    QPlainTextEdit *memo() { return form.findChild<QPlainTextEdit *>("LinesMemo"); }
    QPushButton *button(const char *name) { return form.findChild<QPushButton *>(name); }

    TLinesForm form;
};

} // namespace

TEST_F(LinesForm, FixedDialogWithMemoAboveTheButtonStrip)
{
    EXPECT_EQ(form.windowTitle(), "Zeilen-Editor");
    EXPECT_EQ(form.geometry(), QRect(199, 604, 412, 159));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(memo()->geometry(), QRect(0, 0, 412, 142));
    EXPECT_EQ(form.findChild<QWidget *>("LinesPanel")->geometry(), QRect(0, 142, 412, 17));
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    for (const char *name : {"OKButton", "CancelButton"})
        EXPECT_EQ(button(name)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    EXPECT_EQ(tabOrder(memo()), QStringList({"LinesMemo", "OKButton", "CancelButton"}));
}

TEST_F(LinesForm, FormResizePutsCancelAtTheMiddleOfTheOuterWidth)
{
    // Never shown, the window has no frame: its outer width is its width.
    for (auto [outer, cancel, ok] : {std::tuple{418, 209, 161}, std::tuple{417, 208, 160}}) {
        form.setFixedWidth(outer);
        form.FormResize();
        EXPECT_EQ(button("CancelButton")->x(), cancel) << outer;
        EXPECT_EQ(button("OKButton")->x(), ok) << outer;
    }
    form.setFixedWidth(412);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.FormResize();
    EXPECT_EQ(button("CancelButton")->x(), form.frameGeometry().width() / 2);
}

TEST_F(LinesForm, TextStaysAcrossOpeningsAndOkHandsOverACopy)
{
    const QString longLine = QString("Zweite Zeile ").repeated(8).trimmed();
    CurrentTextLines = {"vorher"};
    int result = runModal(form, [&] {
        QTest::keyClicks(memo(), "Erste Zeile");
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), longLine);
        QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
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

    result = runModal(form, [&] { QTest::mouseClick(button("OKButton"), Qt::LeftButton); });
    EXPECT_EQ(result, QDialog::Accepted);
    const QStringList lines{"Erste Zeile", longLine};
    EXPECT_EQ(CurrentTextLines, lines);
    memo()->clear();
    EXPECT_EQ(CurrentTextLines, lines) << "later edits must not reach it";

    runModal(form, [&] { QTest::mouseClick(button("OKButton"), Qt::LeftButton); });
    EXPECT_TRUE(CurrentTextLines.isEmpty()) << "an empty text has no lines";
}
