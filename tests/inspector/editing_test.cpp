// Attribute editing, text that arrives other than by key presses, the edit buttons and the
// per-cell properties, driven through the windows the application builds.

#include "editorfixture.h"
#include "inspector/currentdata.h"
#include "inspector/valuelist.h"
#include "inspectorlists.h"
#include "model/elementmodel.h"
#include "steps.h"
#include "testnames.h"
#include "testsupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <tuple>
#include <vector>

using namespace talvex;
using namespace talvex::test;
using Style = ValueListEditor::EditStyle;

namespace {

// Opens an item's value, selects all of it and types keys over it, one key at a time.
void typeOver(ValueListEditor *list, int item, const QString &keys)
{
    QLineEdit *edit = clickValue(list, item);
    ASSERT_NE(edit, nullptr) << "no editor in item " << item;
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, keys);
}

// What no edit in the inspector may touch: the element records, both sheet layers, the tabs
// and the cell picture.
auto untouched(const Editor &editor)
{
    std::vector<Element> records;
    for (int n = 0; n <= LastElementNumber; ++n)
        records.push_back(editor.model().elements.at(n));
    return std::tuple(records, editor.background(), editor.foreground(), tabs(*editor.inspector),
                      editor.inspector->cellImage());
}

// Text as an input method commits it (a dead key on a German keyboard) and as a drop brings it.
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

class Editing : public ::testing::Test
{
protected:
    // Chooses the element list entry at index with the keyboard, as the user does.
    void choose(int index)
    {
        while (inspector.ComboBox->currentIndex() < index)
            QTest::keyClick(inspector.ComboBox, Qt::Key_Down);
        while (inspector.ComboBox->currentIndex() > index)
            QTest::keyClick(inspector.ComboBox, Qt::Key_Up);
    }

    void placeDynamicInput(int column, int row)
    {
        editor.clickSelector(0); // the dynamic input exists for numeric values only
        editor.place(PaletteButton::DynInputTBtn, column, row);
    }

    Editor editor;
    TInspectForm &inspector = *editor.inspector;
    ValueListEditor *element = inspector.ElementValueList;
    ValueListEditor *common = inspector.CommonValueList;
};

// The same with a row of a table as the test's parameter.
template<typename Row>
class EditingWith : public Editing, public ::testing::WithParamInterface<Row>
{};

// ---- Typing into the attribute lists ----

TEST_F(Editing, ACellCountTypedAs07Shows7AndIsStoredNowhere)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    const QStringList loaded = values(element);
    ASSERT_EQ(loaded, QStringList({"3,2", "waagerecht", "5", "1"}));
    const auto before = untouched(editor);

    typeOver(element, 2, "07");
    EXPECT_EQ(element->value(2), "7");
    EXPECT_EQ(qobject_cast<QLineEdit *>(editorOf(element, 2))->text(), "7") << "shown while typing";
    EXPECT_EQ(values(element), QStringList({"3,2", "waagerecht", "7", "1"}));
    EXPECT_EQ(inspector.elementShownValues(), loaded);
    EXPECT_TRUE(untouched(editor) == before);

    // Choosing the element again shows its record.
    choose(0);
    choose(1);
    EXPECT_EQ(values(element), loaded);
}

TEST_F(Editing, RetypingTheLoadedValueWritesNothingAndClearingLeavesItEmpty)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    QSignalSpy reports(element, &ValueListEditor::stringsChanged);

    typeOver(element, 3, "07");
    EXPECT_EQ(element->value(3), "7");
    EXPECT_EQ(reports.count(), 3) << "two keystrokes and the rewrite";

    reports.clear();
    typeOver(element, 3, "1");
    EXPECT_EQ(element->value(3), "1");
    EXPECT_EQ(reports.count(), 1) << "the keystroke alone";

    // A letter behind the value is refused without a report.
    reports.clear();
    QTest::keyClick(editorOf(element, 3), Qt::Key_End);
    QTest::keyClick(editorOf(element, 3), Qt::Key_X);
    EXPECT_EQ(element->value(3), "1");
    EXPECT_EQ(reports.count(), 0);

    reports.clear();
    typeOver(element, 2, "");
    QTest::keyClick(editorOf(element, 2), Qt::Key_Backspace);
    EXPECT_EQ(element->value(2), QString());
    EXPECT_EQ(reports.count(), 1);
    EXPECT_EQ(inspector.elementShownValues(), QStringList({"3,2", "waagerecht", "5", "1"}));
}

// A text put into an item of a list and the value it comes out as.
struct Edit
{
    bool common; // CommonValueList, else ElementValueList
    int item;
    const char *keys;
    const char *value;
    std::string caseName() const { return words(common ? "common" : "element", item, keys); }
    friend auto &operator<<(std::ostream &out, const Edit &c) { return out << c.caseName(); }
};

using TypedInADynamicInput = EditingWith<Edit>;

TEST_P(TypedInADynamicInput, ComesOutCanonicalAndChangesNothingElse)
{
    const Edit &c = GetParam();
    placeDynamicInput(2, 3);
    const QStringList elementLoaded = values(element);
    const QStringList commonLoaded = values(common);
    ASSERT_EQ(commonLoaded, QStringList({"0,50", "1,00"}));
    const auto before = untouched(editor);

    ValueListEditor *list = c.common ? common : element;
    typeOver(list, c.item, QString::fromUtf8(c.keys));
    EXPECT_EQ(list->value(c.item), QString::fromUtf8(c.value));

    QStringList elementExpected = elementLoaded;
    QStringList commonExpected = commonLoaded;
    (c.common ? commonExpected : elementExpected)[c.item] = QString::fromUtf8(c.value);
    EXPECT_EQ(values(element), elementExpected);
    EXPECT_EQ(values(common), commonExpected);
    EXPECT_EQ(inspector.elementShownValues(), elementLoaded);
    EXPECT_EQ(inspector.commonShownValues(), commonLoaded);
    EXPECT_TRUE(untouched(editor) == before);
}

// The masks let no letter or sign in, and cell counts take two digits at most.
TALVEX_INSTANTIATE_NAMED(Decimals, TypedInADynamicInput,
                         ::testing::Values(Edit{true, 0, ",5", "0,50"}, Edit{true, 1, "2,", "2,00"},
                                           Edit{true, 0, "3,05", "3,05"},
                                           Edit{true, 0, "1,5", "1,50"},
                                           Edit{true, 1, "12,345", "12,34"},
                                           Edit{true, 1, "a-1,5", "1,50"}));

TALVEX_INSTANTIATE_NAMED(CellCounts, TypedInADynamicInput,
                         ::testing::Values(Edit{false, 2, "07", "7"}, Edit{false, 3, "12", "12"},
                                           Edit{false, 2, "123", "12"},
                                           Edit{false, 3, "1x2", "12"}));

using PastedIntoADynamicInput = EditingWith<Edit>;

// A whole text arriving at once, past the mask, as a paste or a program write would bring it.
TEST_P(PastedIntoADynamicInput, IsCheckedLikeTypedText)
{
    const Edit &c = GetParam();
    placeDynamicInput(2, 3);
    ValueListEditor *list = c.common ? common : element;
    const QStringList loaded = values(list);
    QSignalSpy reports(list, &ValueListEditor::stringsChanged);

    list->setValue(c.item, QString::fromUtf8(c.keys));
    EXPECT_EQ(list->value(c.item), QString::fromUtf8(c.value));
    EXPECT_EQ(reports.count(), qstrcmp(c.keys, c.value) != 0 ? 2 : 1) << "a rewrite reports again";
    EXPECT_EQ(c.common ? inspector.commonShownValues() : inspector.elementShownValues(), loaded);
}

// A text of blanks only is left as it is.
TALVEX_INSTANTIATE_NAMED(Integers, PastedIntoADynamicInput,
                         ::testing::Values(Edit{false, 2, "abc", "3"}, Edit{false, 2, " 07\t", "7"},
                                           Edit{false, 2, "+8", "8"}, Edit{false, 2, "-4", "-4"},
                                           Edit{false, 2, "4 2", "3"},
                                           Edit{false, 2, "99999999999", "3"},
                                           Edit{false, 3, "   ", "   "},
                                           Edit{false, 3, "42", "42"}));

TALVEX_INSTANTIATE_NAMED(Decimals, PastedIntoADynamicInput,
                         ::testing::Values(Edit{true, 1, "abc", "1,00"},
                                           Edit{true, 1, " ,5 ", "0,50"},
                                           Edit{true, 1, "1,5x", "1,00"},
                                           Edit{true, 0, "7,125", "7,12"},
                                           Edit{true, 0, "\t", "\t"}));

TEST_F(Editing, PickingSenkrechtShowsItButDoesNotTurnTheElement)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    const auto before = untouched(editor);
    QSignalSpy reports(element, &ValueListEditor::stringsChanged);

    auto *pick = clickValue<QComboBox>(element, 1);
    ASSERT_NE(pick, nullptr);
    QTest::keyClick(pick, Qt::Key_Down);
    EXPECT_EQ(pick->currentText(), "senkrecht");
    EXPECT_EQ(element->value(1), "senkrecht");
    EXPECT_EQ(reports.count(), 1) << "the pick alone, no word put back";
    EXPECT_EQ(values(element), QStringList({"3,2", "senkrecht", "5", "1"}));
    EXPECT_TRUE(untouched(editor) == before);
    EXPECT_EQ(editor.model().elements.at(1).head.orientation, Horizontal);
}

TEST_F(Editing, ReadOnlyItemsAreNeverExamined)
{
    // Not numbers, and unlike their loaded values: examined, they would get those back.
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    element->setValue(0, "links oben");
    element->setValue(1, "schräg");
    EXPECT_EQ(values(element), QStringList({"links oben", "schräg", "5", "1"}));

    editor.place(PaletteButton::TextTBtn, 2, 5);
    common->setValue(0, "(leer)");
    EXPECT_EQ(values(common), QStringList({"(leer)"}));
    EXPECT_EQ(inspector.commonShownValues(), QStringList({"(Zeilen)"}));
}

// Text that reaches a value by other ways than a key press: input-method commits (dead keys on
// a German keyboard), pastes and drops. Read-only values take none of them; editable ones take
// what their mask allows.
using ReadOnlyInput = Editing;

TEST_F(ReadOnlyInput, TheCornerTakesNoCommitPasteOrDrop)
{
    editor.place(PaletteButton::MarketTBtn, 10, 10);
    ASSERT_EQ(element->value(0), "10,10");
    ASSERT_TRUE(element->isReadOnly(0));
    QLineEdit *edit = clickValue(element, 0);
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
    EXPECT_EQ(element->value(0), "10,10");
}

TEST_F(ReadOnlyInput, AnEditableCountTakesTheCommitsItsMaskAllows)
{
    editor.place(PaletteButton::MarketTBtn, 10, 10);
    QLineEdit *edit = clickValue(element, 2);
    ASSERT_NE(edit, nullptr);
    ASSERT_FALSE(edit->isReadOnly());
    edit->selectAll();
    commit(edit, QStringLiteral("7"));
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(element->value(2), "7");
    commit(edit, QStringLiteral("é"));
    EXPECT_EQ(element->value(2), "7") << "refused by the digit mask";

    // Once the row turns read-only, its open editor follows.
    element->setReadOnly(2, true);
    clickValue(element, 3);
    edit = clickValue(element, 2);
    ASSERT_NE(edit, nullptr);
    commit(edit, QStringLiteral("8"));
    EXPECT_EQ(element->value(2), "7");
}

// ---- The guards of the change handler ----

struct GuardCase
{
    bool (TInspectForm::*raised)() const;
    const char *name;
    bool common;
    bool handled; // the change is rewritten all the same
    std::string caseName() const { return words(name, common ? "common" : "element"); }
};

using GuardFlag = EditingWith<GuardCase>;

// The flags go up where the inspector raises them: placing an element fills both lists, and a
// rewrite reports the list's change once more. The raw value is written from inside the first
// report given under the flag.
TEST_P(GuardFlag, KeepsTheHandlerFromWriting)
{
    const GuardCase &c = GetParam();
    placeDynamicInput(2, 3);
    ValueListEditor *list = c.common ? common : element;
    const int item = c.common ? 0 : 2;
    const int other = c.common ? 1 : 3;
    const QString raw = c.common ? ",5" : "07";
    const QString canonical = c.common ? "0,50" : "7";

    bool written = false;
    QString seen;
    auto watcher = std::make_unique<QObject>(); // the watch ends with it
    for (ValueListEditor *reporter : {element, common}) {
        QObject::connect(reporter, &ValueListEditor::stringsChanged, watcher.get(), [&] {
            if (written || !(inspector.*c.raised)() || list->itemCount() <= other)
                return;
            written = true;
            list->setValue(item, raw);
            seen = list->value(item);
        });
    }
    if (c.raised == &TInspectForm::isNormalizing)
        list->setValue(other, c.common ? "2," : "02");
    else
        placeDynamicInput(8, 3);
    ASSERT_TRUE(written) << "no report under the flag";
    EXPECT_EQ(seen, c.handled ? canonical : raw);
    EXPECT_FALSE((inspector.*c.raised)());
    watcher.reset();

    // Once the flag is down the next change of the list has the value examined.
    list->setValue(other, list->value(other) + " ");
    EXPECT_EQ(list->value(item), canonical);
}

TALVEX_INSTANTIATE_NAMED(
    Flags, GuardFlag,
    ::testing::Values(GuardCase{&TInspectForm::isLoadingElement, "LoadingElement", false, false},
                      GuardCase{&TInspectForm::isLoadingElement, "LoadingElement", true, false},
                      GuardCase{&TInspectForm::isNormalizing, "Normalizing", false, false},
                      GuardCase{&TInspectForm::isNormalizing, "Normalizing", true, false},
                      GuardCase{&TInspectForm::isLoadingCommon, "LoadingCommon", true, false},
                      // It guards the cell-spanning list only.
                      GuardCase{&TInspectForm::isLoadingCommon, "LoadingCommon", false, true}));

TEST_F(Editing, AChangeWhileNormalisingReturnsAtOnce)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    // Connected after the inspector: runs right behind its nested run for the rewrite.
    bool nested = false;
    QObject::connect(element, &ValueListEditor::stringsChanged, element, [&] {
        if (inspector.isNormalizing() && !nested) {
            nested = true;
            element->setValue(2, "09");
        }
    });
    element->setValue(3, "02");
    EXPECT_TRUE(nested);
    EXPECT_EQ(element->value(3), "2");
    EXPECT_EQ(element->value(2), "09") << "examined by a nested run";
    EXPECT_FALSE(inspector.isNormalizing());
}

TEST_F(Editing, FillingTheListsReportsOnlyUnderTheLoadingFlags)
{
    int reports = 0;
    for (ValueListEditor *list : {element, common}) {
        QObject::connect(list, &ValueListEditor::stringsChanged, list, [&, list] {
            ++reports;
            if (list == element) {
                EXPECT_TRUE(inspector.isLoadingElement()) << list->itemCount() << " items";
            } else if (list->itemCount() > 0) {
                EXPECT_TRUE(inspector.isLoadingCommon())
                    << list->itemCount() << " cell-spanning items";
            }
        });
    }
    placeDynamicInput(2, 3);
    placeDynamicInput(8, 3);
    choose(1);
    editor.place(PaletteButton::TextTBtn, 2, 6);

    EXPECT_GT(reports, 0);
    EXPECT_FALSE(inspector.isLoadingElement());
    EXPECT_FALSE(inspector.isLoadingCommon());
    EXPECT_EQ(values(common), QStringList({"(Zeilen)"}));
}

// ---- The edit buttons ----

class EditButton : public Editing
{
protected:
    // Presses the "..." standing in the cell-spanning list and lets whileOpen act in what opens.
    test::Modal press(const std::function<void(QDialog &)> &whileOpen = {})
    {
        for (QToolButton *button :
             common->viewport()->findChildren<QToolButton *>("EllipsisButton")) {
            if (button->isVisible())
                return test::whileModal([&] { QTest::mouseClick(button, Qt::LeftButton); },
                                        whileOpen);
        }
        ADD_FAILURE() << "no edit button";
        return {};
    }

    // That the dialog expected opened where it has to stand: over the inspector's right frame by
    // 4 pixels, its middle 85 pixels below the top of CellPanel.
    void expectOpenedBesideTheInspector(const test::Modal &opened, QDialog *expected)
    {
        EXPECT_EQ(opened.dialog, expected);
        const QRect frame = inspector.frameGeometry();
        const int cellPanelTop = inspector.CellPanel->mapTo(&inspector, QPoint()).y();
        EXPECT_EQ(cellPanelTop, 38 + 105);
        EXPECT_EQ(opened.frame.left(), frame.left() + frame.width() - 4);
        EXPECT_EQ(opened.frame.top() + opened.frame.height() / 2, frame.top() + cellPanelTop + 85);
    }

    static void click(QDialog &dialog, const char *button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    }
};

TEST_F(EditButton, TextLinesOpenTheLinesEditorKeptAcrossOpeningsAndElements)
{
    editor.place(PaletteButton::TextTBtn, 2, 3);
    ASSERT_TRUE(inspector.isVisible());
    CurrentTextLines = {"unberührt"};

    // The lines editor places its buttons from its outer width before it shows.
    auto *cancel = editor.lines->findChild<QPushButton *>("CancelButton");
    test::Modal opened = press([&](QDialog &dialog) {
        EXPECT_EQ(cancel->x(), dialog.frameGeometry().width() / 2);
        auto *memo = dialog.findChild<QPlainTextEdit *>("LinesMemo");
        QTest::keyClicks(memo, "Erste Zeile");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "zweite");
        click(dialog, "CancelButton");
    });
    expectOpenedBesideTheInspector(opened, editor.lines);
    EXPECT_EQ(editor.lines->result(), QDialog::Rejected);
    EXPECT_EQ(CurrentTextLines, QStringList({"unberührt"})) << "set by OK only";

    cancel->move(0, cancel->y());
    opened = press([&](QDialog &dialog) {
        EXPECT_EQ(cancel->x(), dialog.frameGeometry().width() / 2);
        click(dialog, "OKButton");
    });
    expectOpenedBesideTheInspector(opened, editor.lines);
    EXPECT_EQ(CurrentTextLines, QStringList({"Erste Zeile", "zweite"}));

    // A second text element starts with no lines of its own but finds the text of the first.
    editor.place(PaletteButton::TextTBtn, 6, 3);
    EXPECT_TRUE(CurrentTextLines.isEmpty());
    opened = press([&](QDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QPlainTextEdit *>("LinesMemo")->toPlainText(),
                  "Erste Zeile\nzweite");
        click(dialog, "CancelButton");
    });
    EXPECT_EQ(opened.dialog, editor.lines);
    EXPECT_TRUE(CurrentTextLines.isEmpty());
}

TEST_F(EditButton, HistoryDataOpenTheDataTableEditorKeptAcrossOpeningsAndElements)
{
    editor.place(PaletteButton::HistoryTBtn, 2, 3);
    CurrentHistoryTable = {{"unberührt"}};
    auto typeInto = [](QDialog &dialog, int column, int row, const QString &keys) {
        QLineEdit *edit = openCell(dialog, column, row);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, keys);
    };

    auto *cancel = editor.data->findChild<QPushButton *>("CancelButton");
    test::Modal opened = press([&](QDialog &dialog) {
        EXPECT_EQ(cancel->x(), dialog.frameGeometry().width() - cancel->width() - 6);
        typeInto(dialog, 1, 4, "12,5");
        typeInto(dialog, 0, 2, "zwei");
        click(dialog, "CancelButton");
    });
    expectOpenedBesideTheInspector(opened, editor.data);
    EXPECT_EQ(editor.data->result(), QDialog::Rejected);
    EXPECT_EQ(CurrentHistoryTable, StringTable({{"unberührt"}})) << "set by OK only";

    // The period numbers are written again before the editor shows; typed values stay.
    opened = press([&](QDialog &dialog) {
        EXPECT_EQ(editor.data->cell(0, 2), "2");
        EXPECT_EQ(editor.data->cell(1, 4), "12,5");
        click(dialog, "OKButton");
    });
    expectOpenedBesideTheInspector(opened, editor.data);
    ASSERT_EQ(CurrentHistoryTable.size(), 11);
    EXPECT_EQ(CurrentHistoryTable.at(0), QStringList({"Zeitraum", "Zahlenwerte"}));
    EXPECT_EQ(CurrentHistoryTable.at(4), QStringList({"4", "12,5"}));

    editor.place(PaletteButton::HistoryTBtn, 6, 3);
    EXPECT_TRUE(CurrentHistoryTable.isEmpty());
    opened = press([&](QDialog &dialog) {
        EXPECT_EQ(editor.data->cell(1, 4), "12,5");
        click(dialog, "CancelButton");
    });
    EXPECT_EQ(opened.dialog, editor.data);
}

TEST_F(EditButton, NothingOpensUnlessTheCellSpanningListHoldsExactlyOneItem)
{
    auto handlerOpens = [&] {
        return test::whileModal([&] { inspector.CommonValueListEditButtonClick(); }).dialog;
    };
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    EXPECT_FALSE(handlerOpens()) << "no item";
    placeDynamicInput(3, 4);
    EXPECT_FALSE(handlerOpens()) << "two items";

    // The markers alone do not open an editor when another item stands beside them.
    editor.place(PaletteButton::TextTBtn, 3, 6);
    common->appendItem("Daten der Vorgeschichte", "(Tabelle)");
    EXPECT_FALSE(press().dialog);
    editor.place(PaletteButton::HistoryTBtn, 3, 8);
    EXPECT_EQ(press().dialog, editor.data);
    common->appendItem("Textzeilen", "(Zeilen)");
    EXPECT_FALSE(press().dialog);
}

TEST_F(EditButton, ReturnSpaceAndF2OpenTheEditorAsTheButtonDoes)
{
    editor.place(PaletteButton::TextTBtn, 2, 2);
    activate(inspector);

    QToolButton *button = common->viewport()->findChild<QToolButton *>("EllipsisButton");
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
        common->setFocus(Qt::TabFocusReason);
        QWidget *value = QApplication::focusWidget();
        ASSERT_TRUE(common->isAncestorOf(value));
        EXPECT_EQ(test::whileModal([value, key] { QTest::keyClick(value, Qt::Key(key)); }).dialog,
                  editor.lines)
            << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(common->value(0), QStringLiteral("(Zeilen)")) << "the marker is not typed into";
    }
    // The list itself, with the row current but its value not focused, does the same.
    activate(inspector);
    common->setFocus(Qt::OtherFocusReason);
    common->setCurrentCell(0, 1);
    EXPECT_EQ(test::whileModal([&] { QTest::keyClick(common, Qt::Key_F2); }).dialog, editor.lines);

    editor.place(PaletteButton::HistoryTBtn, 6, 2);
    activate(inspector);
    common->setFocus(Qt::TabFocusReason);
    QWidget *history = QApplication::focusWidget();
    EXPECT_EQ(test::whileModal([history] { QTest::keyClick(history, Qt::Key_Return); }).dialog,
              editor.data);
}

// ---- The properties of each cell ----

QImage kindTile(const Editor &editor, int kind)
{
    const QString name = QString::fromStdString(editor.model().kinds.kind(kind).tile);
    return editor.main->pictures().tile(name).convertToFormat(QImage::Format_RGB32);
}

QImage shownCell(const TInspectForm &inspector)
{
    return inspector.CellImg->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

struct CellCase
{
    const char *name;
    PaletteButton button;
    bool turned;
    std::vector<int> kinds; // tab by tab
};

using CellTabs = EditingWith<CellCase>;

TEST_P(CellTabs, ShowEachCellsPropertiesAndTile)
{
    const CellCase &c = GetParam();
    if (c.button == PaletteButton::DynInputTBtn)
        editor.clickSelector(0);
    editor.place(c.button, 3, 2, c.turned);
    ASSERT_EQ(inspector.CellTabBar->count(), int(c.kinds.size()));
    ValueListEditor *cells = inspector.CellValueList;

    for (int tab = 0; tab < int(c.kinds.size()); ++tab) {
        if (tab > 0)
            QTest::keyClick(inspector.CellTabBar, Qt::Key_Right);
        ASSERT_EQ(inspector.CellTabBar->currentIndex(), tab);
        const int kind = c.kinds[std::size_t(tab)];
        EXPECT_EQ(shownRows(cells), cellRows(editor.model().kinds.kind(kind))) << "kind " << kind;
        EXPECT_EQ(shownCell(inspector), kindTile(editor, kind)) << "kind " << kind;
    }
    // Back to the first cell.
    while (inspector.CellTabBar->currentIndex() > 0)
        QTest::keyClick(inspector.CellTabBar, Qt::Key_Left);
    EXPECT_EQ(shownRows(cells), cellRows(editor.model().kinds.kind(c.kinds.front())));
    EXPECT_EQ(shownCell(inspector), kindTile(editor, c.kinds.front()));
}

TALVEX_INSTANTIATE_NAMED(
    Elements, CellTabs,
    ::testing::Values(
        CellCase{"Market", PaletteButton::MarketTBtn, false, {215, 216, 217, 218, 219}},
        CellCase{"VerticalMarket", PaletteButton::MarketTBtn, true, {220, 221, 222, 223, 224}},
        CellCase{"FreeFunction", PaletteButton::fFunctTBtn, false, {169, 170, 171}},
        CellCase{"DynamicInput", PaletteButton::DynInputTBtn, false, {147, 148, 149}},
        CellCase{"VerticalDynamicInput", PaletteButton::DynInputTBtn, true, {150, 151, 152}},
        CellCase{"Text", PaletteButton::TextTBtn, false, {252}}));

TEST_F(Editing, ChoosingAnElementKeepsTheCellPictureButShowsItsFirstCell)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    editor.place(PaletteButton::fFunctTBtn, 3, 4);
    QTest::keyClick(inspector.CellTabBar, Qt::Key_Right);
    QTest::keyClick(inspector.CellTabBar, Qt::Key_Right);
    const QImage picture = shownCell(inspector);
    ASSERT_EQ(picture, kindTile(editor, 171));

    choose(1);
    EXPECT_EQ(inspector.CellTabBar->currentIndex(), 0);
    EXPECT_EQ(tabs(inspector).size(), 5);
    EXPECT_EQ(shownRows(inspector.CellValueList), cellRows(editor.model().kinds.kind(215)));
    EXPECT_EQ(shownCell(inspector), picture);
    EXPECT_EQ(inspector.cellImage().convertToFormat(QImage::Format_RGB32), picture);

    choose(0);
    EXPECT_TRUE(inspector.CellValueList->isHidden());
    EXPECT_EQ(inspector.CellValueList->itemCount(), 0);
    EXPECT_EQ(shownCell(inspector), picture);
}

} // namespace
