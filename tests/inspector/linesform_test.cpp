#include "inspector/linesform.h"

#include "inspector/currentdata.h"
#include "modal.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

using talvex::TLinesForm;

namespace {

class LinesForm : public ::testing::Test
{
protected:
    QPlainTextEdit *memo() { return form.findChild<QPlainTextEdit *>(QLatin1String("LinesMemo")); }

    QPushButton *button(const char *name)
    {
        return form.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    TLinesForm form;
};

} // namespace

TEST_F(LinesForm, DesignLayout)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zeilen-Editor"));
    EXPECT_EQ(form.size(), QSize(412, 159));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the frame is fixed";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.pos(), QPoint(199, 604));

    ASSERT_NE(memo(), nullptr);
    auto *panel = form.findChild<QWidget *>(QStringLiteral("LinesPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(memo()->geometry(), QRect(0, 0, 412, 142));
    EXPECT_EQ(panel->geometry(), QRect(0, 142, 412, 17));
    EXPECT_EQ(memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(memo()->toPlainText().isEmpty());

    for (const char *name : {"OKButton", "CancelButton"}) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->parentWidget(), panel);
        EXPECT_EQ(button(name)->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        EXPECT_FALSE(button(name)->autoDefault()) << "Enter belongs to the text field";
    }
    EXPECT_EQ(button("OKButton")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("OKButton")->size(), QSize(24, 17));
    EXPECT_EQ(button("CancelButton")->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(button("CancelButton")->size(), QSize(63, 17));

    EXPECT_EQ(tabOrder(memo()),
              QStringList({QStringLiteral("LinesMemo"), QStringLiteral("OKButton"),
                           QStringLiteral("CancelButton")}));
}

TEST_F(LinesForm, FormResizePlacesCancelAtTheMiddleOfTheOuterWidth)
{
    // A window that was never shown has no frame: its outer width is its width.
    form.setFixedWidth(418);
    form.FormResize();
    EXPECT_EQ(button("CancelButton")->x(), 209);
    EXPECT_EQ(button("OKButton")->x(), 161);
    form.setFixedWidth(417);
    form.FormResize();
    EXPECT_EQ(button("CancelButton")->x(), 208);
    EXPECT_EQ(button("OKButton")->x(), 160);

    // Shown, the frame counts too; the toolkit runs FormResize when the size is set.
    form.setFixedWidth(412);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.FormResize();
    EXPECT_EQ(button("CancelButton")->x(), form.frameGeometry().width() / 2);
    EXPECT_EQ(button("OKButton")->x(), button("CancelButton")->x() - 48);
}

TEST_F(LinesForm, CancelKeepsTheTextForTheNextOpening)
{
    talvex::CurrentTextLines = {QStringLiteral("vorher")};
    const int result = runModal(form, [&] {
        QTest::keyClicks(memo(), QStringLiteral("Erste Zeile"));
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("Zweite"));
        QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(talvex::CurrentTextLines, QStringList({QStringLiteral("vorher")}));

    // The next opening, for any text element, shows the same text; the close box cancels too.
    QString shown;
    const int again = runModal(form, [&] {
        shown = memo()->toPlainText();
        form.close();
    });
    EXPECT_EQ(again, QDialog::Rejected);
    EXPECT_EQ(shown, QStringLiteral("Erste Zeile\nZweite"));
}

TEST_F(LinesForm, OkHandsOverACopyOfTheLines)
{
    const int result = runModal(form, [&] {
        QTest::keyClicks(memo(), QStringLiteral("a"));
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClick(memo(), Qt::Key_Return);
        QTest::keyClicks(memo(), QStringLiteral("b"));
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const QStringList expected{QStringLiteral("a"), QString(), QStringLiteral("b")};
    EXPECT_EQ(talvex::CurrentTextLines, expected);
    memo()->clear();
    EXPECT_EQ(talvex::CurrentTextLines, expected) << "later edits must not reach it";

    runModal(form, [&] { QTest::mouseClick(button("OKButton"), Qt::LeftButton); });
    EXPECT_TRUE(talvex::CurrentTextLines.isEmpty()) << "an empty text has no lines";
}

TEST_F(LinesForm, LongLinesWrapInsteadOfScrolling)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    memo()->setPlainText(QString(300, QLatin1Char('w')));
    EXPECT_GT(memo()->document()->documentLayout()->documentSize().height(), 1);
    EXPECT_EQ(form.lines().size(), 1) << "wrapping makes no new line";
    EXPECT_FALSE(memo()->horizontalScrollBar()->isVisible());
}
