#include "inspector/valuelist.h"
#include "mainwindow/sheetaccessible.h"
#include "mainwindowtest.h"
#include "widgets/accessiblefocus.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTabBar>
#include <QTableWidget>

using namespace talvex;
using namespace talvex::test;

namespace {

QAccessibleInterface *face(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString accessibleText(QObject *object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// Controls a user can reach with the pointer or the keyboard; Qt's own parts of composite
// widgets (scroll bars, headers, the tool bar's overflow button) are named by Qt itself.
bool isReachableControl(QWidget *widget)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<QAbstractItemView *>(up))
            return false; // headers, corner buttons and cell editors of a list
    if (auto *tabs = qobject_cast<QTabBar *>(widget); tabs && tabs->count() == 0)
        return false; // nothing to reach before an element is shown
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<ValueListEditor *>(widget) || qobject_cast<QLineEdit *>(widget) ||
           qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTabBar *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget) || qobject_cast<ClickableImage *>(widget) ||
           qobject_cast<SheetView *>(widget);
}

using Accessibility = EditorTest;

} // namespace

TEST_F(Accessibility, EveryReachableControlHasAName)
{
    int checked = 0;
    for (QWidget *window : std::initializer_list<QWidget *>{
             editor.main, editor.inspector, editor.about, editor.lines, editor.data}) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!isReachableControl(widget) || widget->parentWidget()->inherits("QComboBox"))
                continue;
            if (qobject_cast<QAbstractItemView *>(widget) && widget->window() != window)
                continue; // a combo box's drop-down list
            EXPECT_FALSE(accessibleText(widget).isEmpty())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString()
                << " in " << window->objectName().toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST_F(Accessibility, NamesAreTheTextsTheUserSees)
{
    EXPECT_EQ(accessibleText(button(B::MixerTBtn)), QStringLiteral("Linearer Mischer"));
    EXPECT_EQ(accessibleText(button(B::PointerTBtn)), QStringLiteral("hebt Vor-Auswahl auf"));
    // The selectors are named after their kinds; their descriptions are the hints they show.
    EXPECT_EQ(accessibleText(main.selectorImage(1)), QStringLiteral("Verteilungen"));
    EXPECT_EQ(accessibleText(main.selectorImage(1), QAccessible::Description),
              QStringLiteral("Leiterart: Verteilungen"));
    editor.clickSelector(2);
    EXPECT_EQ(accessibleText(main.selectorImage(2)), QStringLiteral("Entscheidungen"));
    EXPECT_EQ(accessibleText(main.selectorImage(1), QAccessible::Description),
              QStringLiteral("Leiterart auswählen"));
    EXPECT_EQ(accessibleText(inspector.CommonValueList),
              QStringLiteral("Zell-übergreifende Merkmale"));
    // The element list is named by its entry, as Qt names a combo box, and labelled by its
    // label; its text is the entry too, since Qt's bridge carries no value of a combo box.
    editor.place(B::MarketTBtn, 3, 2);
    QAccessibleInterface *list = face(inspector.ComboBox);
    EXPECT_EQ(list->role(), QAccessible::ComboBox);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("0001  Markt"));
    ASSERT_NE(list->textInterface(), nullptr);
    EXPECT_EQ(list->textInterface()->text(0, list->textInterface()->characterCount()),
              QStringLiteral("0001  Markt"));
    const auto labels = list->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->object(), inspector.ComponLabel);
}

namespace {

// Records what assistive technology hears while it lives: the events that the editor's filter
// lets through to the bridge.
class Heard
{
public:
    Heard()
        : m_wasActive(QAccessible::isActive())
    {
        current = this;
        m_previous = QAccessible::installUpdateHandler(&Heard::record);
        QAccessible::setActive(true);
    }
    ~Heard()
    {
        QAccessible::installUpdateHandler(m_previous);
        QAccessible::setActive(m_wasActive);
        current = nullptr;
    }

    // Qt hands events on only while a bridge to assistive technology is up: on a desktop with
    // an accessibility bus, not offscreen.
    static bool listening()
    {
        return QGuiApplication::platformName() != QLatin1String("offscreen") &&
               QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000);
    }

    bool heard(QAccessible::Event type, const QString &name) const
    {
        return events.contains({type, name});
    }

    QList<std::pair<QAccessible::Event, QString>> events;

private:
    static void record(QAccessibleEvent *event)
    {
        if (!reachesAssistiveTechnology(event))
            return;
        QAccessibleInterface *face = event->accessibleInterface();
        current->events.append({event->type(), face ? face->text(QAccessible::Name) : QString()});
    }

    static inline Heard *current = nullptr;
    bool m_wasActive;
    QAccessible::UpdateHandler m_previous = nullptr;
};

} // namespace

TEST_F(Accessibility, TheSelectorsAreARadioGroupWithTheChosenKindChecked)
{
    const QString names[] = {"Zahlenwerte", "Verteilungen", "Entscheidungen"};
    for (int kind = 0; kind < 3; ++kind) {
        QAccessibleInterface *radio = face(main.selectorImage(kind));
        EXPECT_EQ(radio->role(), QAccessible::RadioButton);
        EXPECT_EQ(radio->text(QAccessible::Name), names[kind]);
        EXPECT_TRUE(radio->state().checkable);
        EXPECT_EQ(radio->state().checked, kind == Distributions);
        EXPECT_TRUE(radio->state().focusable) << "a tab stop or reached by the arrows";
    }
    QAccessibleActionInterface *press = face(main.selectorImage(0))->actionInterface();
    ASSERT_NE(press, nullptr);
    ASSERT_TRUE(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(main.palette().conductorKind(), NumericValues);
    EXPECT_TRUE(face(main.selectorImage(0))->state().checked);
    EXPECT_FALSE(face(main.selectorImage(1))->state().checked);
}

TEST_F(Accessibility, StatusPanelsReadTheirTextsAndAnnounceThePreselection)
{
    const char *panels[] = {"Vorauswahl", "Modus", "Meldung", "Zustand"};
    for (int i = 0; i < 4; ++i) {
        QObject *panel = main.findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(i));
        EXPECT_EQ(accessibleText(panel), main.statusText(i));
        EXPECT_EQ(accessibleText(panel, QAccessible::Description), QString::fromUtf8(panels[i]));
    }
    EXPECT_EQ(accessibleText(main.findChild<QLabel *>("StatusPanel1")),
              QStringLiteral("Entwurfsmodus"));
    // The preselection is a notification: Orca reads one as it appears, not a label's new name.
    QObject *preselection = main.findChild<QLabel *>("StatusPanel0");
    EXPECT_EQ(face(preselection)->role(), QAccessible::Notification);
    editor.click(B::MarketTBtn);
    EXPECT_EQ(accessibleText(preselection), QStringLiteral("Markt vorgewählt"));
}

TEST_F(Accessibility, FocusIsReportedForTheFocusWidgetOfTheActiveWindowOnly)
{
    // The hidden data editor's grid keeps no current cell, and a report from it goes nowhere.
    auto *grid = editor.data->findChild<QTableWidget *>("StringGrid");
    EXPECT_FALSE(grid->currentIndex().isValid());
    QAccessibleInterface *hiddenCell = face(grid)->tableInterface()->cellAt(0, 1);
    QAccessibleEvent fromHiddenCell(hiddenCell, QAccessible::Focus);
    EXPECT_FALSE(reachesAssistiveTechnology(&fromHiddenCell));

    // A value list hands the focus to its value's editor: only the editor is reported, and a
    // caret moved in a value without the focus is not.
    editor.place(B::MarketTBtn, 3, 2);
    ASSERT_TRUE(activate(editor.inspector));
    ValueListEditor *list = inspector.ElementValueList;
    list->setFocus(Qt::TabFocusReason);
    QWidget *value = QApplication::focusWidget();
    ASSERT_TRUE(value && list->isAncestorOf(value));
    QAccessibleEvent fromList(list, QAccessible::Focus);
    EXPECT_FALSE(reachesAssistiveTechnology(&fromList));
    QAccessibleEvent fromValue(value, QAccessible::Focus);
    EXPECT_TRUE(reachesAssistiveTechnology(&fromValue));
    QAccessibleTextCursorEvent caretElsewhere(editor.lines->findChild<QPlainTextEdit *>(), 0);
    EXPECT_FALSE(reachesAssistiveTechnology(&caretElsewhere));
    QAccessibleEvent named(list, QAccessible::NameChanged);
    EXPECT_TRUE(reachesAssistiveTechnology(&named)) << "other reports pass";

    // Shown, the grid has its current cell again, where it was when it was hidden.
    editor.data->show();
    grid->setCurrentCell(3, 1);
    editor.data->hide();
    EXPECT_FALSE(grid->currentIndex().isValid());
    editor.data->show();
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 1);
    editor.data->hide();
}

TEST_F(Accessibility, ValuesAreReadWithTheirKeysAndTheirWholeText)
{
    editor.place(B::TextTBtn, 2, 2);
    ASSERT_TRUE(activate(editor.inspector));
    ValueListEditor *list = inspector.ElementValueList;
    list->setFocus(Qt::TabFocusReason);
    QAccessibleInterface *value = face(QApplication::focusWidget());
    EXPECT_EQ(value->text(QAccessible::Name), QStringLiteral("Zellenzahl waagerecht"));
    QAccessibleTextInterface *text = value->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()).trimmed(), QStringLiteral("1"));
    // Screen readers read the caret's line and split the text where its attribute runs end.
    EXPECT_EQ(text->cursorPosition(), 0);
    EXPECT_EQ(text->selectionCount(), 1);
    int start = -1, end = -1;
    text->attributes(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, text->characterCount()));

    // The "..." row says what its keys open.
    auto *lines = qobject_cast<QLineEdit *>(
        inspector.CommonValueList->indexWidget(inspector.CommonValueList->model()->index(0, 1)));
    ASSERT_NE(lines, nullptr);
    QAccessibleInterface *ellipsis = face(lines);
    EXPECT_EQ(ellipsis->text(QAccessible::Name), QStringLiteral("Textzeilen"));
    EXPECT_EQ(ellipsis->text(QAccessible::Description), QStringLiteral("Textzeilen bearbeiten"));
    EXPECT_TRUE(ellipsis->state().readOnly);

    // A pick list is read with its key and its entry.
    editor.place(B::MarketTBtn, 6, 6);
    ASSERT_TRUE(activate(editor.inspector));
    inspector.ComboBox->setFocus(Qt::OtherFocusReason);
    list->setFocus(Qt::TabFocusReason);
    QAccessibleInterface *pick = face(QApplication::focusWidget());
    EXPECT_EQ(pick->role(), QAccessible::ComboBox);
    EXPECT_EQ(pick->text(QAccessible::Name), QStringLiteral("Orientierung"));
    ASSERT_NE(pick->textInterface(), nullptr);
    EXPECT_EQ(pick->textInterface()->text(0, pick->textInterface()->characterCount()),
              QStringLiteral("waagerecht"));

    // Walking up from an editor, a screen reader asks where each part of a list stands: Qt
    // answers without a warning, which would fail this test.
    for (ValueListEditor *parts : {list, inspector.CommonValueList, inspector.CellValueList}) {
        QAccessibleInterface *table = face(parts);
        for (QWidget *part : parts->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            EXPECT_GE(table->indexOfChild(face(part)), 0) << part->metaObject()->className();
    }
}

TEST_F(Accessibility, EachKeyboardPointerReportIsANewCellThatKeepsWhatItSaid)
{
    // Orca takes two objects of the same role, name and place for one, and says a focus report
    // only for an object it does not have already.
    ASSERT_TRUE(activate(editor.main));
    SheetView *sheet = main.sheetView();
    sheet->setFocus(Qt::TabFocusReason);
    QAccessibleInterface *canvas = face(sheet);
    QAccessibleInterface *first = canvas->child(canvas->childCount() - 1);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Spalte 1, Zeile 1"));
    QTest::keyClick(sheet, Qt::Key_Right);
    announceSheetPointer(sheet);
    QAccessibleInterface *second = canvas->child(canvas->childCount() - 1);
    EXPECT_NE(second, first);
    EXPECT_EQ(canvas->indexOfChild(second), canvas->childCount() - 1);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Spalte 2, Zeile 1"));
    EXPECT_TRUE(second->state().focused);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Spalte 1, Zeile 1"));
    EXPECT_NE(first->rect(), second->rect());
    EXPECT_FALSE(first->state().focused);
}

TEST_F(Accessibility, SeparateWindowsAreWindowsAndDialogs)
{
    EXPECT_EQ(face(editor.inspector)->role(), QAccessible::Window);
    EXPECT_EQ(face(editor.about)->role(), QAccessible::Dialog);
    EXPECT_EQ(face(editor.lines)->role(), QAccessible::Dialog);
    EXPECT_EQ(face(editor.data)->role(), QAccessible::Dialog);
    EXPECT_EQ(face(editor.main)->role(), QAccessible::Window);
}

TEST_F(Accessibility, TheSheetListsItsElementsAndTheKeyboardPointersCell)
{
    QWidget *sheet = editor.sheet();
    QAccessibleInterface *canvas = face(sheet);
    EXPECT_EQ(canvas->role(), QAccessible::Canvas);
    EXPECT_EQ(canvas->text(QAccessible::Name), QStringLiteral("Zeichenfläche"));
    EXPECT_EQ(canvas->childCount(), 1) << "only the keyboard pointer's cell";

    editor.place(B::MarketTBtn, 3, 2);
    editor.place(B::TextTBtn, 10, 5);
    ASSERT_EQ(canvas->childCount(), 3);
    QAccessibleInterface *market = canvas->child(0);
    EXPECT_EQ(market->role(), QAccessible::Graphic);
    EXPECT_EQ(market->text(QAccessible::Name), QStringLiteral("0001  Markt"));
    EXPECT_EQ(market->text(QAccessible::Description),
              QStringLiteral("Spalte 3, Zeile 2, 5 × 1 Zellen"));
    EXPECT_EQ(market->rect(), QRect(sheet->mapToGlobal(QPoint(48, 24)), QSize(5 * 24, 24)));
    EXPECT_EQ(market->parent(), canvas);
    EXPECT_EQ(canvas->indexOfChild(market), 0);
    EXPECT_EQ(canvas->childAt(market->rect().right(), market->rect().center().y()), market);
    EXPECT_EQ(canvas->child(1)->text(QAccessible::Name).right(12), QStringLiteral("Text-Element"));
    const QPoint free = sheet->mapToGlobal(QPoint(2, 2));
    EXPECT_EQ(canvas->childAt(free.x(), free.y()), nullptr);

    // The keyboard pointer's cell is the focused child and says what lies there.
    ASSERT_TRUE(activate(editor.main));
    sheet->setFocus(Qt::TabFocusReason);
    QAccessibleInterface *pointer = canvas->child(2);
    EXPECT_EQ(canvas->focusChild(), pointer);
    EXPECT_TRUE(pointer->state().focused);
    EXPECT_EQ(pointer->text(QAccessible::Name), QStringLiteral("Spalte 1, Zeile 1"));
    keyClicks(sheet, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
    // Listening assistive technology gets a new object for each move.
    pointer = canvas->child(2);
    EXPECT_EQ(pointer->text(QAccessible::Name), QStringLiteral("Spalte 3, Zeile 2, 0001  Markt"));
    EXPECT_EQ(pointer->rect(), QRect(sheet->mapToGlobal(QPoint(48, 24)), QSize(24, 24)));
}

TEST_F(Accessibility, PopupMenuAndPickListAreExposedWhileOpen)
{
    ASSERT_TRUE(activate(editor.main));
    editor.click(B::MarketTBtn);
    editor.sheet()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor.sheet(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = main.orientPopupMenu();
    ASSERT_TRUE(menu->isVisible());
    QAccessibleInterface *popup = face(menu);
    EXPECT_EQ(popup->role(), QAccessible::PopupMenu);
    EXPECT_FALSE(popup->state().invisible);
    ASSERT_EQ(popup->childCount(), 1);
    EXPECT_EQ(popup->child(0)->text(QAccessible::Name).trimmed(),
              QStringLiteral("Orientierung ändern"));
    menu->close();

    QTest::keyClick(editor.sheet(), Qt::Key_Return);
    ValueListEditor *list = inspector.ElementValueList;
    int row = -1;
    for (int i = 0; i < list->itemCount(); ++i)
        if (list->key(i) == QStringLiteral("Orientierung"))
            row = i;
    ASSERT_GE(row, 0);
    list->setCurrentCell(row, 1);
    auto *pick = list->viewport()->findChild<QComboBox *>();
    ASSERT_NE(pick, nullptr);
    pick->showPopup();
    QAccessibleInterface *entries = face(pick->view());
    EXPECT_EQ(entries->role(), QAccessible::List);
    EXPECT_FALSE(entries->state().invisible);
    EXPECT_EQ(entries->childCount(), 2);
    pick->hidePopup();
}

// What a screen reader hears as things change. Run by desktop_accessibility on an X desktop with
// an accessibility bus; offscreen nothing listens and the tests are skipped.
TEST(AccessibilityEvents, ChoicesPlacingAndTheKeyboardPointerAreAnnounced)
{
    if (!Heard::listening())
        GTEST_SKIP() << "no accessibility bridge on this platform";
    Editor editor;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.main, 20000));
    Heard heard;

    editor.clickSelector(0);
    EXPECT_TRUE(heard.heard(QAccessible::StateChanged, "Zahlenwerte"));
    EXPECT_TRUE(heard.heard(QAccessible::StateChanged, "Verteilungen"));

    // The preselection is read out as a notification that appears.
    editor.click(B::MarketTBtn);
    EXPECT_TRUE(heard.heard(QAccessible::ObjectShow, QStringLiteral("Markt vorgewählt")));
    editor.clickSheet(Editor::cellPixel(3, 2));
    EXPECT_TRUE(heard.heard(QAccessible::ObjectCreated, QStringLiteral("0001  Markt")));

    // The keyboard pointer's cell, after the sheet itself, and at every move.
    ASSERT_TRUE(activate(editor.main));
    QWidget *sheet = editor.sheet();
    sheet->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return heard.heard(QAccessible::Focus, QStringLiteral("Spalte 1, Zeile 1")); }));
    keyClicks(sheet, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
    EXPECT_TRUE(heard.heard(QAccessible::Focus, QStringLiteral("Spalte 3, Zeile 2, 0001  Markt")));
    QTest::keyClick(sheet, Qt::Key_Down);
    EXPECT_TRUE(heard.heard(QAccessible::Focus, QStringLiteral("Spalte 3, Zeile 3")));

    // The element list's entry as it changes under the keys.
    editor.place(B::TextTBtn, 10, 5);
    ASSERT_TRUE(activate(editor.inspector));
    editor.inspector->ComboBox->setFocus(Qt::TabFocusReason);
    QTest::keyClick(editor.inspector->ComboBox, Qt::Key_Up);
    EXPECT_TRUE(heard.heard(QAccessible::Focus, QStringLiteral("0001  Markt")));
}
