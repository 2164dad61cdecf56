// The about box from the keyboard, and its two read-only texts against every way of writing
// into them.

#include "mainwindowtest.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>

namespace {

class AboutBoxKeys : public talvex::test::EditorTest
{
protected:
    void SetUp() override
    {
        action("About")->trigger();
        ASSERT_TRUE(talvex::test::activate(about));
    }

    QString focusName() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    talvex::TAboutTalvexForm *about = editor.about;
};

} // namespace

TEST_F(AboutBoxKeys, TabMovesThroughVersionOkAndAddress)
{
    EXPECT_EQ(tabOrder(about->AboutMemo), QStringList({"AboutMemo", "OKButton", "WebMemo"}));
    const QString version = about->AboutMemo->toPlainText();
    about->AboutMemo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(about->AboutMemo, Qt::Key_Tab);
    EXPECT_EQ(focusName(), "OKButton");
    QTest::keyClick(about->OKButton, Qt::Key_Tab);
    EXPECT_EQ(focusName(), "WebMemo");
    QTest::keyClick(about->WebMemo, Qt::Key_Tab);
    EXPECT_EQ(focusName(), "AboutMemo");
    EXPECT_EQ(about->AboutMemo->toPlainText(), version);
}

TEST_F(AboutBoxKeys, ReturnSpaceAndEscapeHideIt)
{
    const auto hiddenBy = [&](QWidget *focus, Qt::Key key) {
        about->show();
        focus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focus, key);
        return !about->isVisible();
    };
    EXPECT_TRUE(hiddenBy(about->OKButton, Qt::Key_Return));
    EXPECT_TRUE(hiddenBy(about->OKButton, Qt::Key_Space));
    EXPECT_TRUE(hiddenBy(about->OKButton, Qt::Key_Escape));
    EXPECT_TRUE(hiddenBy(about->AboutMemo, Qt::Key_Escape));
    EXPECT_TRUE(hiddenBy(about->WebMemo, Qt::Key_Escape));
}

TEST_F(AboutBoxKeys, TheTextsTakeNoCommitPasteOrDrop)
{
    const QString version = about->AboutMemo->toPlainText();
    const QString address = about->WebMemo->text();
    QApplication::clipboard()->setText(QStringLiteral("x"));
    QMimeData mime;
    mime.setText(QStringLiteral("y"));
    for (QWidget *text : std::initializer_list<QWidget *>{about->AboutMemo, about->WebMemo}) {
        text->setFocus(Qt::TabFocusReason);
        QInputMethodEvent dead;
        dead.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(text, &dead);
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QWidget *target = text == about->AboutMemo ? about->AboutMemo->viewport() : text;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    EXPECT_EQ(about->AboutMemo->toPlainText(), version);
    EXPECT_EQ(about->WebMemo->text(), address);
}
