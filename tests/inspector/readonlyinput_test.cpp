// Text that reaches a value by other ways than a key press: input-method commits (dead keys on
// a German keyboard), pastes and drops. Read-only values take none of them; editable ones take
// what their mask allows.

#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "inspectorlists.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace talvex;
using namespace talvex::test;

namespace {

void commit(QWidget *edit, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void drop(QWidget *edit, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint at = edit->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &dropped);
}

class ReadOnlyInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor.place(PaletteButton::MarketTBtn, 10, 10);
        ASSERT_EQ(list->value(0), "10,10");
        ASSERT_TRUE(list->isReadOnly(0));
    }

    Editor editor;
    ValueListEditor *list = editor.inspector->ElementValueList;
};

} // namespace

TEST_F(ReadOnlyInput, TheCornerTakesNoCommitPasteOrDrop)
{
    QLineEdit *edit = clickValue(list, 0);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->acceptDrops());
    edit->end(false);

    commit(edit, QStringLiteral("é"));
    EXPECT_EQ(edit->text(), "10,10") << "dead key";
    QApplication::clipboard()->setText(QStringLiteral("4"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "10,10") << "paste";
    drop(edit, QStringLiteral("7"));
    EXPECT_EQ(edit->text(), "10,10") << "drop";
    EXPECT_EQ(list->value(0), "10,10");
}

TEST_F(ReadOnlyInput, AnEditableCountTakesTheCommitsItsMaskAllows)
{
    QLineEdit *edit = clickValue(list, 2);
    ASSERT_NE(edit, nullptr);
    ASSERT_FALSE(edit->isReadOnly());
    edit->selectAll();
    commit(edit, QStringLiteral("7"));
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(list->value(2), "7");
    commit(edit, QStringLiteral("é"));
    EXPECT_EQ(list->value(2), "7") << "refused by the digit mask";

    // Once the row turns read-only, its open editor follows.
    list->setReadOnly(2, true);
    clickValue(list, 3);
    edit = clickValue(list, 2);
    ASSERT_NE(edit, nullptr);
    commit(edit, QStringLiteral("8"));
    EXPECT_EQ(list->value(2), "7");
}
