#include "inspector/valuelist.h"

#include "inputmask.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using talvex::ValueListEditor;
using Style = ValueListEditor::EditStyle;

namespace {

// The open in-place editor of an item's value cell, or nullptr.
QWidget *editorOf(ValueListEditor &list, int item)
{
    const QRect cell = list.visualRect(list.model()->index(item, 1));
    const auto children = list.viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isVisible() && child->geometry() == cell)
            return child;
    }
    return nullptr;
}

// Opens the editor of an item the way a click on its value cell does.
QWidget *openEditor(ValueListEditor &list, int item)
{
    list.setCurrentCell(item, 1);
    list.editItem(list.item(item, 1));
    return editorOf(list, item);
}

QLineEdit *openLineEdit(ValueListEditor &list, int item)
{
    return qobject_cast<QLineEdit *>(openEditor(list, item));
}

// A stand-in for the inspector's change handler: every plain, editable item whose value differs
// from the value as loaded is trimmed and rewritten in canonical form (integer, or decimal with
// two fraction digits when the mask has a comma); unreadable text gets the loaded value back.
class Normaliser
{
public:
    Normaliser(ValueListEditor &list, QStringList loaded)
        : m_list(list)
        , m_loaded(std::move(loaded))
    {
        QObject::connect(&list, &ValueListEditor::stringsChanged, &list, [this] { run(); });
    }

    int writes = 0;

private:
    static QString canonical(const QString &trimmed, const QString &loaded, bool decimal)
    {
        if (!decimal) {
            bool ok = false;
            const int n = trimmed.toInt(&ok);
            return ok ? QString::number(n) : loaded;
        }
        const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
        if (comma < 0)
            return loaded;
        const QString fraction = (trimmed.mid(comma + 1) + QStringLiteral("00")).left(2);
        if (!fraction.at(0).isDigit() || !fraction.at(1).isDigit())
            return loaded;
        const QString result = trimmed.left(comma + 1) + fraction;
        return result.startsWith(QLatin1Char(',')) ? QLatin1Char('0') + result : result;
    }

    void run()
    {
        if (m_normalizing || m_list.itemCount() != m_loaded.size())
            return;
        for (int i = 0; i < m_list.itemCount(); ++i) {
            if (m_list.isReadOnly(i) || m_list.editStyle(i) != Style::Plain)
                continue;
            const QString v = m_list.value(i);
            if (v == m_loaded.at(i))
                continue;
            const QString trimmed = v.trimmed();
            if (trimmed.isEmpty())
                continue;
            m_normalizing = true;
            const bool decimal = talvex::isDecimalMask(m_list.editMask(i).toStdString());
            m_list.setValue(i, canonical(trimmed, m_loaded.at(i), decimal));
            ++writes;
            m_normalizing = false;
        }
    }

    ValueListEditor &m_list;
    QStringList m_loaded;
    bool m_normalizing = false;
};

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

} // namespace

TEST_F(ValueList, LooksLikeAPropertyGrid)
{
    list.appendItem(QStringLiteral("Zellenzahl waagerecht"), QStringLiteral("5"));
    list.appendItem(QStringLiteral("Zellenzahl senkrecht"), QStringLiteral("1"));
    EXPECT_EQ(list.horizontalHeaderItem(0)->text(), QStringLiteral("Merkmal"));
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), QStringLiteral("Wert"));
    EXPECT_FALSE(list.verticalHeader()->isVisible());
    EXPECT_EQ(list.horizontalHeader()->height(), 19);
    EXPECT_EQ(list.rowHeight(0), 19);
    EXPECT_EQ(list.rowHeight(1), 19);
    // Item 1 sits directly below item 0, the title row above both.
    EXPECT_EQ(list.visualItemRect(list.item(1, 0)).top(), 19);
    EXPECT_TRUE(list.showGrid());

    list.setKeyColumnWidth(66);
    list.setValueColumnWidth(75);
    EXPECT_EQ(list.columnWidth(0), 66);
    EXPECT_EQ(list.columnWidth(1), 75);
}

TEST_F(ValueList, ItemsAndTheirDefaults)
{
    list.appendItem(QStringLiteral("Startwert"), QStringLiteral("0,50"));
    list.appendItem(QStringLiteral("Maximalwert"), QStringLiteral("1,00"));
    ASSERT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.key(1), QStringLiteral("Maximalwert"));
    EXPECT_EQ(list.value(1), QStringLiteral("1,00"));
    EXPECT_EQ(list.valueOfKey(QStringLiteral("Startwert")), QStringLiteral("0,50"));
    EXPECT_EQ(list.valueOfKey(QStringLiteral("Textzeilen")), QString());
    EXPECT_EQ(list.editStyle(0), Style::Plain);
    EXPECT_FALSE(list.isReadOnly(0));
    EXPECT_TRUE(list.editMask(0).isEmpty());
    EXPECT_TRUE(list.pickList(0).isEmpty());

    list.setEditMask(0, QStringLiteral("990,99;1;0"));
    list.setPickList(1, {QStringLiteral("a"), QStringLiteral("b")});
    list.setReadOnly(1, true);
    EXPECT_EQ(list.editMask(0), QStringLiteral("990,99;1;0"));
    EXPECT_EQ(list.pickList(1), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_TRUE(list.isReadOnly(1));

    list.clearItems();
    EXPECT_EQ(list.itemCount(), 0);
    EXPECT_EQ(list.rowCount(), 0);
    list.appendItem(QStringLiteral("Startwert"), QString());
    EXPECT_TRUE(list.editMask(0).isEmpty()) << "properties must not outlive their item";
}

TEST_F(ValueList, IndexesOutsideTheListAreHarmless)
{
    list.appendItem(QStringLiteral("k"), QStringLiteral("v"));
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    for (int bad : {-1, 1, 1000}) {
        EXPECT_EQ(list.key(bad), QString());
        EXPECT_EQ(list.value(bad), QString());
        EXPECT_EQ(list.editStyle(bad), Style::Plain);
        EXPECT_FALSE(list.isReadOnly(bad));
        list.setValue(bad, QStringLiteral("x"));
        list.setEditStyle(bad, Style::Ellipsis);
        list.setReadOnly(bad, true);
        list.setEditMask(bad, QStringLiteral("90;0"));
        list.setPickList(bad, {QStringLiteral("x")});
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(list.itemCount(), 1);
}

TEST_F(ValueList, UserCannotEditKeysNorAddOrRemoveRows)
{
    list.appendItem(QStringLiteral("Startwert"), QStringLiteral("0,50"));
    EXPECT_FALSE(list.item(0, 0)->flags() & Qt::ItemIsEditable);
    list.setCurrentCell(0, 0);
    list.editItem(list.item(0, 0));
    EXPECT_EQ(editorOf(list, 0), nullptr);

    list.setCurrentCell(0, 1);
    for (int key : {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(&list, Qt::Key(key));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.key(0), QStringLiteral("Startwert"));
}

TEST_F(ValueList, ReportsEveryContentChangeWhileItHappens)
{
    int seenCount = -1;
    QString seenValue;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list, [&] {
        seenCount = list.itemCount();
        seenValue = list.value(list.itemCount() - 1);
    });
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);

    list.appendItem(QStringLiteral("Zellenzahl waagerecht"), QStringLiteral("5"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(seenCount, 1) << "the new item must be there when the change is reported";
    EXPECT_EQ(seenValue, QStringLiteral("5"));

    list.setValue(0, QStringLiteral("6"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(seenValue, QStringLiteral("6"));
    list.setValue(0, QStringLiteral("6"));
    EXPECT_EQ(changed.count(), 2) << "writing the same text is no change";

    list.setEditMask(0, QStringLiteral("90;0"));
    list.setReadOnly(0, true);
    list.setReadOnly(0, false);
    EXPECT_EQ(changed.count(), 2) << "item properties are not content";

    list.clearItems();
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(seenCount, 0);
    list.clearItems();
    EXPECT_EQ(changed.count(), 3) << "an empty list has nothing to clear";
}

TEST_F(ValueList, EachKeystrokeIsCommittedAndReported)
{
    list.appendItem(QStringLiteral("Name"), QStringLiteral("alt"));
    QStringList seen;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list,
                     [&] { seen << list.value(0); });

    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("alt"));
    QTest::keyClicks(edit, QStringLiteral("neu"));
    EXPECT_EQ(seen,
              QStringList({QStringLiteral("n"), QStringLiteral("ne"), QStringLiteral("neu")}));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(list.value(0), QStringLiteral("ne"));
    EXPECT_EQ(editorOf(list, 0), edit) << "the editor stays open";

    // Closing the editor commits nothing new.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(editorOf(list, 0), nullptr);
    EXPECT_EQ(seen.size(), 4);
    EXPECT_EQ(list.value(0), QStringLiteral("ne"));
}

TEST_F(ValueList, TabWalksTheValues)
{
    list.appendItem(QStringLiteral("Startwert"), QStringLiteral("0,50"));
    list.appendItem(QStringLiteral("Maximalwert"), QStringLiteral("1,00"));
    QLineEdit *first = openLineEdit(list, 0);
    ASSERT_NE(first, nullptr);
    QTest::keyClicks(first, QStringLiteral("2"));
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.currentColumn(), 1);
    EXPECT_NE(editorOf(list, 1), nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("2"));
    QTest::keyClick(editorOf(list, 1), Qt::Key_Backtab);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.currentColumn(), 1);
}

TEST_F(ValueList, ProgramWritesReachTheOpenEditorKeepingTheCursor)
{
    list.appendItem(QStringLiteral("Name"), QString());
    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("4"));
    list.setValue(0, QStringLiteral("42"));
    EXPECT_EQ(edit->text(), QStringLiteral("42"));
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(list.value(0), QStringLiteral("4x2"));

    // A shorter text puts the cursor at its end.
    list.setValue(0, QString());
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(ValueList, AHandlerRewritingEveryChangeEndsWithoutRecursion)
{
    list.appendItem(QStringLiteral("Name"), QStringLiteral("a"));
    int reports = 0;
    QObject::connect(&list, &ValueListEditor::stringsChanged, &list, [&] {
        ++reports;
        list.setValue(0, list.value(0).toUpper());
    });
    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("xy"));
    EXPECT_EQ(list.value(0), QStringLiteral("XY"));
    EXPECT_EQ(edit->text(), QStringLiteral("XY"));
    EXPECT_EQ(reports, 4) << "each keystroke and each rewrite once";
}

TEST_F(ValueList, MaskIsTranslatedForTheEditor)
{
    list.appendItem(QStringLiteral("Zellenzahl waagerecht"), QStringLiteral("5"));
    list.appendItem(QStringLiteral("Startwert"), QStringLiteral("0,50"));
    list.setEditMask(0, QStringLiteral("90;0"));
    list.setEditMask(1, QStringLiteral("990,99;1;0"));
    QLineEdit *integer = openLineEdit(list, 0);
    ASSERT_NE(integer, nullptr);
    EXPECT_EQ(integer->inputMask(), QStringLiteral("09"));
    QLineEdit *decimal = openLineEdit(list, 1);
    ASSERT_NE(decimal, nullptr);
    EXPECT_EQ(decimal->inputMask(), QStringLiteral("009,00"));
    EXPECT_EQ(decimal->text(), QStringLiteral("0,50"));
    // Qt fills masks from the left, so "0,50" never fills the mask; Enter still ends the edit.
    QTest::keyClick(decimal, Qt::Key_Return);
    EXPECT_EQ(editorOf(list, 1), nullptr);

    // Changing the mask of an item being edited closes the editor made for the old mask.
    decimal = openLineEdit(list, 1);
    ASSERT_NE(decimal, nullptr);
    list.setEditMask(1, QString());
    EXPECT_EQ(editorOf(list, 1), nullptr);
    decimal = openLineEdit(list, 1);
    ASSERT_NE(decimal, nullptr);
    EXPECT_TRUE(decimal->inputMask().isEmpty());
}

TEST_F(ValueList, ClosingAnUntouchedEditorWritesNothing)
{
    // The mask cannot show this value; the editor must not write its own reading of it back.
    list.appendItem(QStringLiteral("Zellenzahl waagerecht"), QStringLiteral("abc"));
    list.setEditMask(0, QStringLiteral("90;0"));
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(editorOf(list, 0), nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("abc"));
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(ValueList, ReadOnlyValuesCannotBeTypedOver)
{
    list.appendItem(QStringLiteral("linke obere Ecke (X,Y)"), QStringLiteral("3,2"));
    list.setReadOnly(0, true);
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("9,9"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(list.value(0), QStringLiteral("3,2"));
    EXPECT_EQ(changed.count(), 0);
    // The program still writes it.
    list.setValue(0, QStringLiteral("4,2"));
    EXPECT_EQ(edit->text(), QStringLiteral("4,2"));
}

TEST_F(ValueList, ReadOnlyPickListStillLetsTheUserPick)
{
    list.appendItem(QStringLiteral("Orientierung"), QStringLiteral("waagerecht"));
    list.setEditStyle(0, Style::PickList);
    list.setPickList(0, {QStringLiteral("waagerecht"), QStringLiteral("senkrecht")});
    list.setReadOnly(0, true);
    Normaliser handler(list, {QStringLiteral("waagerecht")});
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);

    auto *combo = qobject_cast<QComboBox *>(openEditor(list, 0));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable()) << "a read-only pick list offers no typing";
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("waagerecht"));

    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(list.value(0), QStringLiteral("senkrecht"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(handler.writes, 0) << "pick-list items are left to the user";

    list.setValue(0, QStringLiteral("waagerecht"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("waagerecht"));
    // A value outside the pick list is still shown.
    list.setValue(0, QStringLiteral("schräg"));
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), QStringLiteral("schräg"));
}

TEST_F(ValueList, EditablePickListCommitsTypingAndPicks)
{
    list.appendItem(QStringLiteral("Farbe"), QStringLiteral("rot"));
    list.setEditStyle(0, Style::PickList);
    list.setPickList(0, {QStringLiteral("rot"), QStringLiteral("blau")});
    QSignalSpy changed(&list, &ValueListEditor::stringsChanged);
    auto *combo = qobject_cast<QComboBox *>(openEditor(list, 0));
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("gr"));
    EXPECT_EQ(list.value(0), QStringLiteral("gr"));
    EXPECT_EQ(changed.count(), 2);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(list.value(0), QStringLiteral("blau"));
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("blau"));
    EXPECT_EQ(combo->count(), 2) << "typed text is not added to the pick list";
}

TEST_F(ValueList, EllipsisButtonReportsItsItem)
{
    list.appendItem(QStringLiteral("Startwert"), QStringLiteral("0,50"));
    list.appendItem(QStringLiteral("Textzeilen"), QStringLiteral("(Zeilen)"));
    list.setEditStyle(1, Style::Ellipsis);
    list.setReadOnly(1, true);
    QSignalSpy clicked(&list, &ValueListEditor::editButtonClicked);

    // The button is there without the user opening the cell first.
    auto *edit = qobject_cast<QLineEdit *>(editorOf(list, 1));
    ASSERT_NE(edit, nullptr);
    auto *button = edit->findChild<QToolButton *>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("..."));
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_LE(button->width(), 19);
    EXPECT_EQ(button->geometry().right(), edit->width() - 1);

    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(list.value(1), QStringLiteral("(Zeilen)"));

    list.setEditStyle(1, Style::Plain);
    EXPECT_EQ(editorOf(list, 1), nullptr);
    list.clearItems();
    list.appendItem(QStringLiteral("Daten der Vorgeschichte"), QStringLiteral("(Tabelle)"));
    list.setEditStyle(0, Style::Ellipsis);
    button = editorOf(list, 0)->findChild<QToolButton *>();
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 0);
}

TEST_F(ValueList, ClearingWithAnOpenEditorLeavesNothingBehind)
{
    list.appendItem(QStringLiteral("Name"), QStringLiteral("a"));
    QLineEdit *edit = openLineEdit(list, 0);
    ASSERT_NE(edit, nullptr);
    QPointer<QLineEdit> old(edit);
    list.clearItems();
    list.appendItem(QStringLiteral("Neu"), QStringLiteral("b"));
    list.setValue(0, QStringLiteral("c"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(list.value(0), QStringLiteral("c"));
    EXPECT_EQ(editorOf(list, 0), nullptr);
}

// The canonical rewriting as the user sees it, typed key by key into the real editor.
class TypedValues : public ValueList
{
protected:
    // Loads one item, opens its editor and replaces its text by typing keys.
    QLineEdit *typeInto(const QString &mask, const QString &loaded, const QString &keys)
    {
        list.appendItem(QStringLiteral("Wert"), loaded);
        list.setEditMask(0, mask);
        normaliser = std::make_unique<Normaliser>(list, QStringList{loaded});
        QLineEdit *edit = openLineEdit(list, 0);
        if (!edit)
            return nullptr;
        edit->selectAll();
        QTest::keyClicks(edit, keys);
        return edit;
    }

    std::unique_ptr<Normaliser> normaliser;
};

TEST_F(TypedValues, IntegerLeadingZeroIsDropped)
{
    QLineEdit *edit = typeInto(QStringLiteral("90;0"), QStringLiteral("5"), QStringLiteral("07"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("7"));
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    // The cursor stays behind the digit, so the user can go on typing.
    QTest::keyClicks(edit, QStringLiteral("3"));
    EXPECT_EQ(list.value(0), QStringLiteral("73"));
}

TEST_F(TypedValues, IntegerClearedStaysBlank)
{
    QLineEdit *edit = typeInto(QStringLiteral("90;0"), QStringLiteral("5"), QString());
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(list.value(0), QString());
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(normaliser->writes, 0);
}

TEST_F(TypedValues, IntegerLoadedValueAgainWritesNothing)
{
    QLineEdit *edit = typeInto(QStringLiteral("90;0"), QStringLiteral("5"), QStringLiteral("5"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("5"));
    EXPECT_EQ(normaliser->writes, 0);
}

TEST_F(TypedValues, IntegerMaskRefusesLetters)
{
    QLineEdit *edit = typeInto(QStringLiteral("90;0"), QStringLiteral("5"), QString());
    ASSERT_NE(edit, nullptr);
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(list.value(0), QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
}

TEST_F(TypedValues, IntegerWithoutMaskGetsLoadedValueForText)
{
    QLineEdit *edit = typeInto(QString(), QStringLiteral("5"), QStringLiteral("12x"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.value(0), QStringLiteral("5"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    QTest::keyClicks(edit, QStringLiteral("+"));
    EXPECT_EQ(list.value(0), QStringLiteral("5"));
}

struct DecimalCase
{
    const char *keys;
    const char *value;
    const char *shown; // the editor's display: Qt fills the mask from the left
};

void PrintTo(const DecimalCase &c, std::ostream *out)
{
    *out << '"' << c.keys << '"';
}

class TypedDecimals : public TypedValues, public ::testing::WithParamInterface<DecimalCase>
{};

TEST_P(TypedDecimals, EndWithTwoFractionDigits)
{
    const DecimalCase &c = GetParam();
    QLineEdit *edit =
        typeInto(QStringLiteral("990,99;1;0"), QStringLiteral("0,50"), QString::fromUtf8(c.keys));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(list.value(0), QString::fromUtf8(c.value));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.value));
    EXPECT_EQ(edit->displayText(), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedDecimals,
                         ::testing::Values(DecimalCase{"1,5", "1,50", "1  ,50"},
                                           DecimalCase{",5", "0,50", "0  ,50"},
                                           DecimalCase{"2,", "2,00", "2  ,00"},
                                           DecimalCase{"3,05", "3,05", "3  ,05"},
                                           // The mask takes no third fraction digit.
                                           DecimalCase{"12,345", "12,34", "12 ,34"},
                                           DecimalCase{"123,4", "123,40", "123,40"},
                                           DecimalCase{"0,50", "0,50", "0  ,50"}));
