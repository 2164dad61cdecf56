#include "inspector/valuelist.h"

#include "editorfixture.h"
#include "inspectorlists.h"
#include "model/values.h"
#include "qtmessages.h"
#include "steps.h"
#include "testnames.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>

using talvex::ValueListEditor;
using talvex::test::editorOf;
using Style = ValueListEditor::EditStyle;

namespace {

// Opens the editor of an item the way a click on its value cell does.
template<typename Editor = QLineEdit>
Editor *openEditor(ValueListEditor &list, int item)
{
    list.setCurrentCell(item, 1);
    list.editItem(list.item(item, 1));
    return qobject_cast<Editor *>(editorOf(&list, item));
}

// Stands in for the inspector's change handler: each plain, editable item gets the model's
// normal form of its value, read against the loaded one. Counts its writes in writes.
void normaliseOnChange(ValueListEditor &list, const QStringList &loaded, int &writes)
{
    auto normalise = [&list, loaded, &writes, normalizing = false]() mutable {
        if (normalizing || list.itemCount() != loaded.size())
            return;
        for (int i = 0; i < list.itemCount(); ++i) {
            if (list.isReadOnly(i) || list.editStyle(i) != Style::Plain)
                continue;
            const std::optional<std::string> normal =
                talvex::normalizedValue(list.value(i).toStdString(), loaded.at(i).toStdString(),
                                        list.editMask(i).toStdString());
            if (!normal)
                continue;
            normalizing = true;
            list.setValue(i, QString::fromStdString(*normal));
            ++writes;
            normalizing = false;
        }
    };
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list, normalise);
}

class ValueList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.resize(300, 200);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    ValueListEditor list;
};

TEST_F(ValueList, ItemsUnderATitleRow)
{
    list.appendItem("Zellenzahl waagerecht", "5");
    list.appendItem("Zellenzahl senkrecht", "1");
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), "Merkmal");
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), "Wert");
    EXPECT_FALSE(list.verticalHeader()->isVisible());
    EXPECT_EQ(list.horizontalHeader()->height(), 19);
    EXPECT_EQ(list.visualItemRect(list.item(1, 0)).top(), 19) << "19-pixel rows under the title";
    list.setKeyColumnWidth(66);
    list.setValueColumnWidth(75);
    EXPECT_EQ(list.columnWidth(0), 66);
    EXPECT_EQ(list.columnWidth(1), 75);

    EXPECT_EQ(list.key(1), "Zellenzahl senkrecht");
    EXPECT_EQ(list.valueOfKey("Zellenzahl senkrecht"), "1");
    EXPECT_EQ(list.valueOfKey("Textzeilen"), QString());
    EXPECT_EQ(list.editStyle(1), Style::Plain);
    EXPECT_FALSE(list.isReadOnly(1));
    EXPECT_TRUE(list.editMask(1).isEmpty());
    EXPECT_TRUE(list.pickList(1).isEmpty());

    // Keys cannot be opened for editing; keys in the editor do not add or remove rows.
    list.setCurrentCell(0, 0);
    {
        const talvex::qtmessages::ExpectQtWarning refused(QStringLiteral("edit: editing failed"));
        list.editItem(list.item(0, 0));
        EXPECT_EQ(refused.count(), 1);
    }
    EXPECT_EQ(editorOf(&list, 0), nullptr);
    for (Qt::Key key : {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(&list, key);
    EXPECT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.key(0), "Zellenzahl waagerecht");
}

TEST_F(ValueList, AKeyCutOffByItsColumnShowsWhollyAsTooltip)
{
    list.appendItem("Zellenzahl waagerecht", "5");
    list.appendItem("Nr", "1");
    list.setKeyColumnWidth(66);
    EXPECT_EQ(list.clippedKey(0), "Zellenzahl waagerecht");
    EXPECT_EQ(list.clippedKey(1), QString()) << "a key that fits has no tooltip";
    EXPECT_EQ(list.clippedKey(2), QString());

    // The tooltip event over the key shows it.
    const QRect keyCell = list.visualItemRect(list.item(0, 0));
    QHelpEvent overKey(QEvent::ToolTip, keyCell.center(),
                       list.viewport()->mapToGlobal(keyCell.center()));
    QApplication::sendEvent(list.viewport(), &overKey);
    EXPECT_EQ(QToolTip::text(), "Zellenzahl waagerecht");

    list.setKeyColumnWidth(300);
    EXPECT_EQ(list.clippedKey(0), QString());
}

TEST_F(ValueList, PropertiesAndIndicesGoWithTheirItem)
{
    EXPECT_EQ(list.appendItem("Startwert", "0,50"), 0);
    list.setEditMask(0, "990,99;1;0");
    list.setPickList(0, {"a"});
    list.setReadOnly(0, true);
    const int second = list.appendItem("Maximalwert", "1,00");
    EXPECT_EQ(second, 1);
    EXPECT_EQ(list.key(second), "Maximalwert");
    list.clearItems();
    EXPECT_EQ(list.appendItem("Startwert", "0,50"), 0) << "counted again from an empty list";
    EXPECT_TRUE(list.editMask(0).isEmpty());
    EXPECT_TRUE(list.pickList(0).isEmpty());
    EXPECT_FALSE(list.isReadOnly(0));

    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    for (int bad : {-1, 1}) {
        EXPECT_EQ(list.value(bad), QString());
        list.setValue(bad, "x");
        list.setEditStyle(bad, Style::Ellipsis);
        list.setEditMask(bad, "90;0");
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(list.itemCount(), 1);
}

TEST_F(ValueList, ReportsEveryContentChangeWhileItHappens)
{
    QStringList seen;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list, [&] {
        seen << QString::number(list.itemCount()) + ":" + list.value(list.itemCount() - 1);
    });
    list.appendItem("Zellenzahl waagerecht", "5");
    list.setValue(0, "6");
    list.setValue(0, "6");
    list.setEditMask(0, "90;0");
    list.setReadOnly(0, true);
    list.clearItems();
    list.clearItems();
    // Writing the same text, item properties and clearing an empty list change no content.
    EXPECT_EQ(seen, QStringList({"1:5", "1:6", "0:"}));
}

TEST_F(ValueList, EachKeystrokeIsCommittedAndReported)
{
    list.appendItem("Name", "alt");
    QStringList seen;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list,
                     [&] { seen << list.value(0); });
    QLineEdit *edit = openEditor(list, 0);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "alt");
    QTest::keyClicks(edit, "neu");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(seen, QStringList({"n", "ne", "neu", "ne"}));
    EXPECT_EQ(editorOf(&list, 0), edit) << "the editor stays open";
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(editorOf(&list, 0), nullptr);
    EXPECT_EQ(seen.size(), 4) << "closing commits nothing new";
}

TEST_F(ValueList, EnterEndsAMaskedEditWithoutWritingAnUntouchedValue)
{
    // Qt fills masks from the left, so "0,50" never fills "009,00" and Qt would keep the
    // editor open on Enter; and "abc" cannot be shown in "09" but must not be overwritten.
    list.appendItem("Startwert", "0,50");
    list.appendItem("Zellenzahl waagerecht", "abc");
    list.setEditMask(0, "990,99;1;0");
    list.setEditMask(1, "90;0");
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    for (int item : {0, 1}) {
        QLineEdit *edit = openEditor(list, item);
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(editorOf(&list, item), nullptr) << item;
    }
    EXPECT_EQ(list.value(1), "abc");
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(ValueList, ProgramWritesReachTheOpenEditorKeepingTheCursor)
{
    list.appendItem("Name", QString());
    QLineEdit *edit = openEditor(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "4");
    list.setValue(0, "42");
    EXPECT_EQ(edit->text(), "42");
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(list.value(0), "4x2");
    list.setValue(0, QString());
    EXPECT_EQ(edit->cursorPosition(), 0);

    // A handler rewriting every change without a guard still comes to rest.
    int reports = 0;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list, [&] {
        ++reports;
        list.setValue(0, list.value(0).toUpper());
    });
    QTest::keyClicks(edit, "xy");
    EXPECT_EQ(edit->text(), "XY");
    EXPECT_EQ(reports, 4) << "each keystroke and each rewrite once";
}

TEST_F(ValueList, ReadOnlyValuesCannotBeTypedOver)
{
    list.appendItem("linke obere Ecke (X,Y)", "3,2");
    list.setReadOnly(0, true);
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    QLineEdit *edit = openEditor(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "9");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(list.value(0), "3,2");
    EXPECT_EQ(changed.count(), 0);
    list.setValue(0, "4,2");
    EXPECT_EQ(edit->text(), "4,2") << "the program still writes it";
}

TEST_F(ValueList, ReadOnlyPickListStillLetsTheUserPick)
{
    list.appendItem("Orientierung", "waagerecht");
    list.setEditStyle(0, Style::PickList);
    list.setPickList(0, {"waagerecht", "senkrecht"});
    list.setReadOnly(0, true);
    int writes = 0;
    normaliseOnChange(list, {"waagerecht"}, writes);
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);

    auto *combo = openEditor<QComboBox>(list, 0);
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "waagerecht");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(list.value(0), "senkrecht");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(writes, 0);

    // A value outside the pick list is still shown.
    list.setValue(0, "schräg");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), "schräg");

    // An editable pick list commits typing too and keeps its entries.
    list.setReadOnly(0, false);
    combo = openEditor<QComboBox>(list, 0);
    ASSERT_TRUE(combo && combo->isEditable());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "q");
    EXPECT_EQ(list.value(0), "q");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->count(), 2);
}

TEST_F(ValueList, EllipsisButtonReportsItsItem)
{
    list.appendItem("Startwert", "0,50");
    list.appendItem("Textzeilen", "(Zeilen)");
    list.setEditStyle(1, Style::Ellipsis);
    list.setReadOnly(1, true);
    QSignalSpy clicked(&list, &ValueListEditor::editButtonClicked);

    // The button stands in the cell without the user opening it first.
    auto *edit = qobject_cast<QLineEdit *>(editorOf(&list, 1));
    ASSERT_NE(edit, nullptr);
    auto *button = edit->findChild<QToolButton *>();
    ASSERT_TRUE(button && button->isVisible());
    EXPECT_EQ(button->text(), "...");
    EXPECT_EQ(button->geometry().right(), edit->width() - 1);
    EXPECT_FALSE(edit->hasSelectedText());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.value(0).value(0).toInt(), 1);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(list.value(1), "(Zeilen)");

    list.setEditStyle(1, Style::Plain);
    EXPECT_EQ(editorOf(&list, 1), nullptr);
}

TEST_F(ValueList, ClearingWithAnOpenEditorLeavesNothingBehind)
{
    list.appendItem("Name", "a");
    QPointer<QLineEdit> old(openEditor(list, 0));
    ASSERT_FALSE(old.isNull());
    list.clearItems();
    list.appendItem("Neu", "b");
    list.setValue(0, "c");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(editorOf(&list, 0), nullptr);
}

// The inspector reloads its lists while the user types: the focused editor goes with its row,
// and no editor may open on the other rows that are going too.
TEST_F(ValueList, ClearingWhileTypingKeepsTheFocusInTheListAndOpensNothing)
{
    activate(list);
    for (const char *key : {"Startwert", "Maximalwert", "Zellenzahl"})
        list.appendItem(key, "1");
    QPointer<QLineEdit> typing(openEditor(list, 0));
    ASSERT_FALSE(typing.isNull());
    typing->setFocus();
    ASSERT_TRUE(typing->hasFocus());

    list.clearItems();
    EXPECT_EQ(QApplication::focusWidget(), &list);
    list.appendItem("Textzeilen", "(Zeilen)");
    list.setEditStyle(0, Style::Ellipsis);
    EXPECT_EQ(list.itemCount(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(typing.isNull());
}

// A pick list reports its pick after its editor has been let go of: the pick still reaches the
// value while the item exists.
TEST_F(ValueList, APickReportedAfterTheEditorClosedStillReachesTheValue)
{
    list.appendItem("Orientierung", "waagerecht");
    list.setEditStyle(0, Style::PickList);
    list.setPickList(0, {"waagerecht", "senkrecht"});
    QPointer<QComboBox> combo(openEditor<QComboBox>(list, 0));
    ASSERT_FALSE(combo.isNull());
    // What the view does when the editor loses the focus.
    list.closePersistentEditor(list.item(0, 1));
    ASSERT_FALSE(combo.isNull()) << "deleted later, not at once";
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(list.value(0), "senkrecht");
}

TEST_F(ValueList, OpeningAValueEndsTheEditOfAnother)
{
    // An editor whose window never reported the focus leaving it must not block the other rows.
    list.appendItem("Startwert", "0,50");
    list.appendItem("Maximalwert", "1,00");
    QPointer<QLineEdit> first(openEditor(list, 0));
    ASSERT_FALSE(first.isNull());
    QTest::keyClicks(first, "7");
    // The current cell moves on while the first editor stays open, as when its window was not
    // active.
    list.selectionModel()->blockSignals(true);
    list.setCurrentCell(1, 1);
    list.selectionModel()->blockSignals(false);
    list.editItem(list.item(1, 1));
    EXPECT_NE(editorOf(&list, 1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(editorOf(&list, 0), nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("7"));
}

TEST_F(ValueList, TabWalksTheValues)
{
    list.appendItem("Startwert", "0,50");
    list.appendItem("Maximalwert", "1,00");
    QLineEdit *first = openEditor(list, 0);
    ASSERT_NE(first, nullptr);
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(list.currentIndex(), list.model()->index(1, 1));
    ASSERT_NE(editorOf(&list, 1), nullptr);
    QTest::keyClick(editorOf(&list, 1), Qt::Key_Backtab);
    EXPECT_EQ(list.currentIndex(), list.model()->index(0, 1));
}

// Canonical rewriting as the user sees it, typed key by key into the real editor over the
// selected loaded value.

struct TypedCase
{
    const char *mask;
    const char *loaded;
    const char *keys;
    const char *value;
    const char *shown; // the editor's display: Qt fills a mask from the left
    std::string caseName() const { return talvex::test::words(mask, keys); }
    friend auto &operator<<(std::ostream &out, const TypedCase &c) { return out << c.caseName(); }
};

class Typed : public ValueList, public ::testing::WithParamInterface<TypedCase>
{};

TEST_P(Typed, GivesTheCanonicalValue)
{
    const TypedCase &c = GetParam();
    list.appendItem("Wert", c.loaded);
    list.setEditMask(0, c.mask);
    int writes = 0;
    normaliseOnChange(list, {c.loaded}, writes);
    QLineEdit *edit = openEditor(list, 0);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(c.keys));
    EXPECT_EQ(list.value(0), QString::fromUtf8(c.value));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.value));
    EXPECT_EQ(edit->displayText(), QString::fromUtf8(c.shown));
}

TALVEX_INSTANTIATE_NAMED(
    Integers, Typed,
    ::testing::Values(TypedCase{"90;0", "5", "07", "7", "7 "},
                      // The cursor stays behind the 7, so typing goes on there.
                      TypedCase{"90;0", "5", "073", "73", "73"},
                      TypedCase{"90;0", "5", "5", "5", "5 "},
                      // A blank over the selection clears the field; blank stays blank.
                      TypedCase{"90;0", "5", " ", "", "  "},
                      // The mask refuses letters; without a mask they give the loaded value.
                      TypedCase{"90;0", "5", "1x", "1", "1 "}, TypedCase{"", "5", "12x", "5", "5"},
                      TypedCase{"", "5", "  ", "  ", "  "}));

TALVEX_INSTANTIATE_NAMED(
    Decimals, Typed,
    ::testing::Values(TypedCase{"990,99;1;0", "0,50", "1,5", "1,50", "1  ,50"},
                      TypedCase{"990,99;1;0", "0,50", ",5", "0,50", "0  ,50"},
                      TypedCase{"990,99;1;0", "0,50", "2,", "2,00", "2  ,00"},
                      TypedCase{"990,99;1;0", "0,50", "3,05", "3,05", "3  ,05"},
                      // The mask takes no third fraction digit.
                      TypedCase{"990,99;1;0", "0,50", "12,345", "12,34", "12 ,34"},
                      TypedCase{"990,99;1;0", "0,50", "123,4", "123,40", "123,40"}));

// ---- Keys and focus in a window ----

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

    // The item whose editor has the focus, else the name of what has it.
    QString where() const
    {
        QWidget *focus = QApplication::focusWidget();
        const int item = focus && list->isAncestorOf(focus)
                             ? list->indexAt(focus->geometry().center()).row()
                             : -1;
        return item >= 0 ? QString::number(item) : focusName();
    }

    QWidget window;
    QLineEdit *before = new QLineEdit;
    ValueListEditor *list = new ValueListEditor;
    QPushButton *after = new QPushButton("OK");
};

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
    auto row = [](const QImage &image, int y) { return image.copy(0, y, image.width(), 1); };
    const int bottom = focused.height() - 1;
    return row(focused, 0) != row(unfocused, 0) && row(focused, bottom) != row(unfocused, bottom);
}

TEST_F(ValueListKeys, TabWalksTheValuesThatTakeInputAndLeavesBothWays)
{
    // Where the focus stands after each of count presses of Tab or Backtab.
    auto walk = [this](int count, bool forward) {
        return talvex::test::texts(count, [&](int) {
            tab(forward);
            return where();
        });
    };
    before->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walk(6, true), QStringList({"0", "2", "3", "4", "after", "before"}));
    after->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walk(5, false), QStringList({"4", "3", "2", "0", "before"}));
}

TEST_F(ValueListKeys, TheFocusedControlLooksDifferent)
{
    // A frameless cell editor shows its focus only by the text cursor or selection, which a
    // read-only value may lack: the cell is marked at its edge.
    QWidget *standing = editorOf(list, 2);
    ASSERT_NE(qobject_cast<QLineEdit *>(standing), nullptr);
    EXPECT_TRUE(looksFocused(standing, before, true)) << "the list's current cell";
    EXPECT_TRUE(looksFocused(after, before)) << "a button";

    talvex::test::Editor editor;
    talvex::TInspectForm &inspector = *editor.inspector;
    activate(inspector);
    EXPECT_TRUE(looksFocused(inspector.ComboBox, inspector.ElementValueList)) << "element list";
}

} // namespace
