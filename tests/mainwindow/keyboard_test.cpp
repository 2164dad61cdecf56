// The main window without a mouse: palette, conductor kinds and sheet by keys, the keys that
// move between areas, and focus that can be seen. Every key must do what the click does.

#include "mainwindow/palettelayout.h"
#include "mainwindowtest.h"

#include <QSignalSpy>

using namespace talvex;
using namespace talvex::test;

namespace {

class MainKeys : public EditorTest
{
protected:
    void SetUp() override { ASSERT_TRUE(activate(&main)); }

    static QWidget *focus() { return QApplication::focusWidget(); }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = focus() ? focus() : QApplication::activeWindow();
        QTest::keyClick(target ? target : &main, Qt::Key(key), modifiers);
    }

    QWidget *sheet() const { return editor.sheet(); }
    const SheetPointer &pointer() const { return main.sheetView()->keyboardPointer(); }

    void focusSheet()
    {
        sheet()->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focus(), sheet());
    }
};

TEST_F(MainKeys, TabVisitsThePressedPaletteButtonTheChosenKindAndTheSheet)
{
    main.setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        visited << focus()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"PointerTBtn", "vSelectImg", "ForegroundImg", "PointerTBtn"}));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), sheet());

    // The stops follow the choices, made by mouse or keys.
    editor.click(B::MixerTBtn);
    editor.clickSelector(2);
    editor.click(B::MixerTBtn);
    main.setFocus();
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), button(B::MixerTBtn));
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), main.selectorImage(2));
}

TEST_F(MainKeys, ArrowsWalkTheEnabledPaletteButtonsAndReturnOrSpaceChoose)
{
    button(B::PointerTBtn)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Home);
    EXPECT_EQ(focus(), button(paletteButtonAt(1)));
    QList<QWidget *> walked{focus()};
    for (int i = 0; i < PaletteButtonCount + 2; ++i) {
        key(Qt::Key_Right);
        if (walked.last() != focus())
            walked << focus();
    }
    // DynInputTBtn is disabled while distributions are the kind: the walk holds exactly the
    // enabled buttons, in palette order.
    QList<QWidget *> enabled;
    for (int position = 1; position <= PaletteButtonCount; ++position)
        if (main.palette().isEnabled(paletteButtonAt(position)))
            enabled << button(paletteButtonAt(position));
    EXPECT_EQ(walked, enabled);
    EXPECT_LT(enabled.size(), PaletteButtonCount) << "a disabled button to pass";
    key(Qt::Key_Left);
    EXPECT_EQ(focus(), enabled[enabled.size() - 2]);
    key(Qt::Key_End);
    EXPECT_EQ(focus(), enabled.last());

    // Moving the focus chooses nothing; Return and Space choose as a click does.
    EXPECT_TRUE(main.palette().pointerToolActive());
    button(B::MarketTBtn)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Return);
    EXPECT_TRUE(button(B::MarketTBtn)->isChecked());
    EXPECT_EQ(main.statusText(0).toStdString(), statusText(B::MarketTBtn, Distributions));
    key(Qt::Key_Right);
    QToolButton *next = static_cast<QToolButton *>(focus());
    key(Qt::Key_Space);
    EXPECT_TRUE(next->isChecked());
    EXPECT_FALSE(button(B::MarketTBtn)->isChecked());
}

TEST_F(MainKeys, UpAndDownChooseTheConductorKindAsAClickDoes)
{
    editor.click(B::MixerTBtn);
    main.selectorImage(1)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Down);
    EXPECT_EQ(main.palette().conductorKind(), Decisions);
    EXPECT_EQ(focus(), main.selectorImage(2));
    EXPECT_TRUE(main.selectorImage(2)->isChecked());
    EXPECT_FALSE(main.selectorImage(1)->isChecked());
    // Choosing a kind returns the palette to the pointer tool, as the click does.
    EXPECT_TRUE(main.palette().pointerToolActive());
    EXPECT_EQ(main.selectorImage(2)->toolTip(), QStringLiteral("Leiterart: Entscheidungen"));
    key(Qt::Key_Down);
    EXPECT_EQ(main.palette().conductorKind(), NumericValues) << "the group goes round";
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(main.palette().conductorKind(), Distributions);
    editor.clickSelector(0);
    main.selectorImage(1)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Space);
    EXPECT_EQ(main.palette().conductorKind(), Distributions);
}

TEST_F(MainKeys, ArrowsOnTheSheetMoveAsThePointerWould)
{
    editor.click(B::MarketTBtn);
    focusSheet();
    EXPECT_EQ(std::pair(pointer().column(), pointer().row()), std::pair(1, 1));
    keyClicks(sheet(), {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
    EXPECT_EQ(std::pair(pointer().x(), pointer().y()), std::pair(48, 24));
    const QImage byKeys = editor.foreground();
    main.ForegroundImgMouseMove(QPoint(48, 24));
    EXPECT_EQ(byKeys, editor.foreground()) << "the same outline as the mouse draws";
    EXPECT_EQ(byKeys.pixelColor(48, 24), QColor(Qt::black));

    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(pointer().column(), 8);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(pointer().row(), 1) << "clamped to the sheet";
    for (int i = 0; i < 20; ++i)
        key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(pointer().x(), (sheet()->width() - 1) / CellSize * CellSize);

    // With the pointer tool a move draws nothing.
    key(Qt::Key_Escape);
    EXPECT_TRUE(main.palette().pointerToolActive());
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));
    const QImage before = editor.foreground();
    key(Qt::Key_Left);
    EXPECT_EQ(editor.foreground(), before);
}

TEST_F(MainKeys, TheSheetStartsUnderTheLastMousePosition)
{
    editor.moveOnSheet(QPoint(100, 60));
    focusSheet();
    EXPECT_EQ(std::pair(pointer().column(), pointer().row()), std::pair(5, 3));
}

TEST_F(MainKeys, ReturnPlacesAndShiftF10OffersTheTurnAtTheKeyboardPointer)
{
    // Where the menu fits on the screen, it opens exactly at the pointer.
    main.move(0, 0);
    editor.click(B::MarketTBtn);
    focusSheet();
    keyClicks(sheet(), {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});

    key(Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = main.orientPopupMenu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    EXPECT_EQ(menu->geometry().topLeft(), sheet()->mapToGlobal(QPoint(48, 24)));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(main.palette().chosenCategory().orientation, Vertical);

    key(Qt::Key_Return);
    const Element &market = editor.model().elements.at(1);
    EXPECT_EQ(std::tuple(market.head.name, market.head.x, market.head.y, market.head.height),
              std::tuple("Markt", 3, 2, 5));
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_TRUE(main.palette().pointerToolActive());

    // The menu key offers nothing with the pointer tool, as the right button does not.
    key(Qt::Key_Menu);
    EXPECT_FALSE(menu->isVisible());
    // Return with the pointer tool shows the inspector and places nothing.
    inspector.hide();
    key(Qt::Key_Return);
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_EQ(editor.model().elements.at(2).number, 0);
}

TEST_F(MainKeys, F6CyclesPaletteKindsSheetAndInspector)
{
    main.setFocus();
    QStringList areas;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_F6);
        areas << focus()->objectName();
    }
    EXPECT_EQ(areas, QStringList({"PointerTBtn", "vSelectImg", "ForegroundImg", "PointerTBtn"}))
        << "a hidden inspector is passed over";

    main.ShowInspector();
    focusSheet();
    key(Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.inspector));
    EXPECT_EQ(focus()->window(), editor.inspector);
    key(Qt::Key_F6);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(focus(), button(B::PointerTBtn));
    key(Qt::Key_F6, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.inspector));
    key(Qt::Key_F6, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(focus(), sheet());
}

TEST_F(MainKeys, F10OpensTheFirstMenuAndCtrlQQuits)
{
    key(Qt::Key_F10);
    auto *files = main.findChild<QMenu *>(QStringLiteral("Files"));
    ASSERT_TRUE(QTest::qWaitFor([files] { return files->isVisible(); }, 1000));
    QTest::keyClick(files, Qt::Key_Escape);
    QTest::keyClick(main.menuBar(), Qt::Key_Escape);

    auto *exit = main.findChild<QAction *>(QStringLiteral("Exit"));
    EXPECT_EQ(exit->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+Q"));
    QSignalSpy exits(exit, &QAction::triggered);
    main.ShowInspector();
    ASSERT_TRUE(activate(editor.inspector));
    // Ctrl+Q quits from every window.
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(main.isVisible());
}

TEST_F(MainKeys, CommandsThatDoNothingHaveNoShortcut)
{
    for (const QAction *action : main.findChildren<QAction *>())
        EXPECT_TRUE(action->objectName() == QLatin1String("Exit") || action->shortcut().isEmpty())
            << action->objectName().toStdString();
}

// ---- Focus can be seen ----

QImage pictureOf(QWidget *widget)
{
    QApplication::processEvents();
    return widget->grab().toImage();
}

TEST_F(MainKeys, FocusIsVisibleOnPaletteKindsSheetAndMenuBar)
{
    main.setAttribute(Qt::WA_KeyboardFocusChange);
    // Each control with the widget whose picture shows its focus.
    const std::pair<QWidget *, QWidget *> cases[] = {
        {button(B::PointerTBtn), button(B::PointerTBtn)},
        {main.selectorImage(1), main.selectorImage(1)},
        {sheet(), main.findChild<QWidget *>(QStringLiteral("ForegroundPanel"))}};
    for (const auto &[control, picture] : cases) {
        main.setFocus();
        const QImage without = pictureOf(picture);
        control->setFocus(Qt::TabFocusReason);
        EXPECT_NE(pictureOf(picture), without) << control->objectName().toStdString();
    }
    // The sheet picture itself carries no focus mark.
    const QImage sheetPicture = editor.foreground();
    main.setFocus();
    EXPECT_EQ(editor.foreground(), sheetPicture);

    const QImage bar = pictureOf(main.menuBar());
    key(Qt::Key_F10);
    EXPECT_NE(pictureOf(main.menuBar()), bar) << "the opened entry is marked";
    QTest::keyClick(main.findChild<QMenu *>(QStringLiteral("Files")), Qt::Key_Escape);
}

} // namespace
