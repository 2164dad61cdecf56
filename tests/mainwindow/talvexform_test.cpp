#include "editorfixture.h"
#include "model/fatal.h"
#include "tables.h"
#include "testnames.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;

namespace {

const QColor Silver(192, 192, 192);

bool uniform(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

QAction *action(const Editor &editor, const char *name)
{
    return editor.main->findChild<QAction *>(QString::fromUtf8(name));
}

int pressedCount(const Editor &editor)
{
    int pressed = 0;
    for (int i = 1; i <= PaletteButtonCount; ++i)
        pressed += editor.main->paletteButton(paletteButtonAt(i))->isChecked() ? 1 : 0;
    return pressed;
}

} // namespace

TEST(TalvexFormStart, ShowsTheStartState)
{
    Editor editor;
    EXPECT_EQ(editor.main->windowTitle(), QStringLiteral("Talvex™"));
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_EQ(editor.main->statusText(1), QStringLiteral("Entwurfsmodus"));
    EXPECT_TRUE(editor.main->statusText(2).isEmpty());
    EXPECT_TRUE(editor.main->statusText(3).isEmpty());
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    EXPECT_EQ(pressedCount(editor), 1);
    EXPECT_FALSE(editor.main->paletteButton(PaletteButton::DynInputTBtn)->isEnabled());
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::AllDistribTBtn)->isEnabled());
    EXPECT_EQ(editor.main->selectorImage(1)->toolTip(), QStringLiteral("Leiterart: Verteilungen"));
    EXPECT_EQ(editor.main->selectorImage(0)->toolTip(), QStringLiteral("Leiterart auswählen"));
    EXPECT_EQ(editor.main->selectorImage(2)->toolTip(), QStringLiteral("Leiterart auswählen"));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
    EXPECT_TRUE(uniform(editor.background(), Silver));
    EXPECT_FALSE(editor.inspector->isVisible());
    EXPECT_FALSE(action(editor, "AttributeInspect")->isChecked());
    EXPECT_FALSE(editor.about->isVisible());
}

TEST(TalvexFormStart, SheetSizeComesFromThePanel)
{
    Editor editor;
    EXPECT_EQ(editor.main->width(), TTalvexForm::ClientWidth);
    EXPECT_EQ(editor.main->minimumWidth(), editor.main->maximumWidth());
    EXPECT_EQ(editor.main->minimumHeight(), editor.main->maximumHeight());
    const QWidget *panel = editor.main->findChild<QWidget *>(QStringLiteral("ForegroundPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width(), 1004);
    EXPECT_EQ(editor.main->sheetColumns(), 42);
    EXPECT_EQ(editor.main->sheetRows(), (panel->height() + 23) / 24);
    EXPECT_LE(editor.main->sheetRows(), MaxRows);
    EXPECT_EQ(editor.sheet()->geometry(), QRect(5, 5, 994, panel->height() - 10));
    EXPECT_EQ(editor.foreground().size(), QSize(994, panel->height() - 10));
}

TEST(TalvexFormStartDeathTest, ASheetTallerThanTheGridEndsStartUp)
{
    auto start = [] {
        setFatalHandler([](const std::string &text, int code) {
            std::fprintf(stderr, "box:%s:%d\n", text.c_str(), code);
        });
        ElementModel model;
        TTalvexForm tooTall(model, nullptr, 1200);
    };
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(1), "box:VerticalMax müsste [0-9]+ sein:1");
}

TEST(TalvexFormLayout, PaletteButtonsStandAtTheirPlaces)
{
    Editor editor;
    const int lefts[] = {0,   39,  78,  117, 156, 187, 218, 257, 288, 327, 358, 397,
                         428, 459, 490, 521, 560, 591, 622, 653, 684, 723, 762};
    for (int i = 1; i <= PaletteButtonCount; ++i) {
        const QToolButton *button = editor.main->paletteButton(paletteButtonAt(i));
        EXPECT_EQ(button->geometry(), QRect(lefts[i - 1], button->y(), 31, 30)) << i;
        EXPECT_EQ(button->iconSize(), QSize(24, 24));
    }
    EXPECT_EQ(editor.main->paletteButton(PaletteButton::MixerTBtn)->toolTip(),
              QStringLiteral("Linearer Mischer"));
    EXPECT_EQ(editor.main->paletteButton(PaletteButton::PointerTBtn)->toolTip(),
              QStringLiteral("hebt Vor-Auswahl auf"));
    const auto *pointLabel = editor.main->findChild<QLabel *>(QStringLiteral("PointLabel"));
    ASSERT_NE(pointLabel, nullptr);
    EXPECT_EQ(pointLabel->text(), QStringLiteral("Aufheber"));
    // 767 in the design; at 8 pt the text needs 45 px, so the label moves left just far enough
    // to end at the panel's edge.
    EXPECT_EQ(pointLabel->pos(), QPoint(764, 2));
    EXPECT_EQ(pointLabel->geometry().right(), pointLabel->parentWidget()->width() - 1);
}

TEST(TalvexFormLayout, LeftToolBarsCarryTheirHintsAndStates)
{
    Editor editor;
    struct Expected
    {
        const char *name;
        const char *hint;
        bool enabled;
        int left;
    };
    const Expected buttons[] = {
        {"NewTBtn", "Neues Projekt", true, 0},
        {"SaveTBtn", "Projekt speichern", false, 46},
        {"RedoTBtn", "Wiederholen ", false, 115},
        {"GenerateTBtn", "Simulator generieren!", false, 138},
        {"PrintTBtn", "Drucken...", false, 92},
        {"ExitTBtn", "Beenden", true, 138},
    };
    for (const Expected &expected : buttons) {
        const auto *button =
            editor.main->findChild<QToolButton *>(QString::fromUtf8(expected.name));
        ASSERT_NE(button, nullptr) << expected.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.hint));
        EXPECT_EQ(button->isEnabled(), expected.enabled) << expected.name;
        const auto *bar = qobject_cast<QToolBar *>(button->parentWidget());
        const QWidget *first = bar->widgetForAction(bar->actions().first());
        EXPECT_EQ(button->x() - first->x(), expected.left) << expected.name;
    }
}

TEST(TalvexFormLayout, MenusKeepTheirCaptions)
{
    Editor editor;
    QStringList titles;
    for (QAction *menu : editor.main->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"Datei ", "Bearbeiten ", "Ansicht ", "Projekt ", "Werkzeuge ",
                                   "Hilfe"}));
    const QMenu *view = editor.main->findChild<QMenu *>(QStringLiteral("View"));
    EXPECT_EQ(view->defaultAction(), action(editor, "Design"));
    EXPECT_TRUE(action(editor, "Design")->isChecked());
    EXPECT_FALSE(action(editor, "Content")->isEnabled());
    EXPECT_EQ(action(editor, "Redo")->toolTip(), QStringLiteral("Redo"));
    EXPECT_EQ(action(editor, "About")->text(), QStringLiteral("Über Talvex..."));
}

// Status text for every palette button under one conductor kind, in a panel it fits: the
// preselection texts are the longest.
class PaletteStatusTest : public ::testing::TestWithParam<int>
{};

TEST_P(PaletteStatusTest, NamesTheChosenTool)
{
    const int kind = GetParam();
    Editor editor;
    editor.clickSelector(kind);
    const auto *panel = editor.main->findChild<QLabel *>(QStringLiteral("StatusPanel0"));
    ASSERT_NE(panel, nullptr);
    for (const test::Tool &tool : test::Tools) {
        if (!tool.classNames[kind])
            continue;
        editor.click(tool.button);
        EXPECT_EQ(editor.main->statusText(0).toStdString(), test::statusText(tool.button, kind));
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width())
            << tool.name;
        EXPECT_TRUE(editor.main->paletteButton(tool.button)->isChecked()) << tool.name;
        EXPECT_EQ(pressedCount(editor), 1) << tool.name;
    }
}

TALVEX_INSTANTIATE_NAMED(ConductorKinds, PaletteStatusTest, ::testing::Range(0, 3));

TEST(PaletteButtons, DisabledButtonsDeliverNoClick)
{
    Editor editor;
    editor.click(PaletteButton::DynInputTBtn);
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));
    editor.clickSelector(2);
    EXPECT_FALSE(editor.main->paletteButton(PaletteButton::AllDistribTBtn)->isEnabled());
    EXPECT_FALSE(editor.main->paletteButton(PaletteButton::DynInputTBtn)->isEnabled());
    editor.click(PaletteButton::AllDistribTBtn);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    editor.clickSelector(0);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::AllDistribTBtn)->isEnabled());
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::DynInputTBtn)->isEnabled());
}

TEST(PaletteButtons, ClickingThePressedButtonKeepsItPressed)
{
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
    editor.click(PaletteButton::MarketTBtn);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::MarketTBtn)->isChecked());
    editor.click(PaletteButton::PointerTBtn);
    editor.click(PaletteButton::PointerTBtn);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    EXPECT_EQ(pressedCount(editor), 1);
}

TEST(Selectors, ShowTheChosenKindAndReturnToThePointer)
{
    Editor editor;
    editor.click(PaletteButton::AllConnectTBtn);
    editor.clickSelector(0);
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_EQ(editor.main->selectorImage(0)->toolTip(), QStringLiteral("Leiterart: Zahlenwerte"));
    EXPECT_EQ(editor.main->selectorImage(1)->toolTip(), QStringLiteral("Leiterart auswählen"));
    const Pictures &pictures = editor.main->pictures();
    for (int kind = 0; kind < 3; ++kind) {
        const QImage shown = editor.main->selectorImage(kind)->image();
        EXPECT_EQ(shown.copy(0, 0, 25, 10), pictures.selectorSource(kind, kind == 0)
                                                .convertToFormat(shown.format())
                                                .copy(0, 0, 25, 10))
            << kind;
        EXPECT_EQ(shown.pixelColor(25, 5), Silver);
    }
    editor.clickSelector(2);
    EXPECT_EQ(editor.main->selectorImage(2)->toolTip(),
              QStringLiteral("Leiterart: Entscheidungen"));
}

TEST(AboutBox, PaletteAndSelectorClicksHideIt)
{
    Editor editor;
    action(editor, "About")->trigger();
    EXPECT_TRUE(editor.about->isVisible());
    editor.click(PaletteButton::PointerTBtn); // already pressed: only hides the box
    EXPECT_FALSE(editor.about->isVisible());
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));

    action(editor, "About")->trigger();
    action(editor, "About")->trigger();
    EXPECT_TRUE(editor.about->isVisible());
    editor.clickSelector(1);
    EXPECT_FALSE(editor.about->isVisible());

    action(editor, "About")->trigger();
    QTest::mouseClick(editor.about->OKButton, Qt::LeftButton);
    EXPECT_FALSE(editor.about->isVisible());
}

TEST(AboutBox, HasItsFixedLayout)
{
    Editor editor;
    EXPECT_EQ(editor.about->windowTitle(), QStringLiteral("Über Talvex™..."));
    EXPECT_EQ(editor.about->size(), QSize(250, 322));
    EXPECT_EQ(editor.about->minimumSize(), editor.about->maximumSize());
    EXPECT_EQ(editor.about->OKButton->geometry(), QRect(114, 305, 24, 17));
    EXPECT_EQ(editor.about->VorqLogo->geometry(), QRect(0, 55, 250, 249));
    EXPECT_TRUE(
        editor.about->AboutMemo->toPlainText().startsWith(QStringLiteral("     Talvex 0.02\n")));
    EXPECT_EQ(editor.about->AboutMemo->document()->blockCount(), 4);
    EXPECT_FALSE(editor.about->isModal());
}

TEST(Commands, AttributeInspectTogglesTheInspector)
{
    Editor editor;
    QAction *inspect = action(editor, "AttributeInspect");
    inspect->trigger();
    EXPECT_TRUE(editor.inspector->isVisible());
    EXPECT_TRUE(inspect->isChecked());
    inspect->trigger();
    EXPECT_FALSE(editor.inspector->isVisible());
    EXPECT_FALSE(inspect->isChecked());
}

TEST(Commands, TheCheckMarkFollowsTheInspectorClosedByItsCloseBox)
{
    Editor editor;
    QAction *inspect = action(editor, "AttributeInspect");
    inspect->trigger();
    ASSERT_TRUE(inspect->isChecked());
    editor.inspector->close(); // the window manager's close request
    EXPECT_FALSE(inspect->isChecked());
    inspect->trigger();
    EXPECT_TRUE(editor.inspector->isVisible()) << "one click shows it again";
    EXPECT_TRUE(inspect->isChecked());
}

TEST(Commands, CommandsWithoutActionChangeNothing)
{
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
    const QImage sheetBefore = editor.foreground();
    for (const char *name :
         {"New",     "Open",     "Save",      "SaveAs",       "PrnSetup", "Print",
          "Undo",    "Redo",     "Cut",       "Copy",         "Paste",    "SelectAll",
          "Design",  "Diagram",  "Generate",  "Beautifier",   "NewTBtn",  "OpenTBtn",
          "CutTBtn", "CopyTBtn", "PasteTBtn", "PrnSetupTBtn", "HelpTBtn"}) {
        QAction *command = action(editor, name);
        ASSERT_NE(command, nullptr) << name;
        command->trigger();
    }
    EXPECT_TRUE(editor.main->isVisible());
    EXPECT_FALSE(editor.inspector->isVisible());
    EXPECT_TRUE(action(editor, "Design")->isChecked());
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("Markt vorgewählt"));
    EXPECT_EQ(editor.foreground(), sheetBefore);
}

TEST(Commands, BeendenClosesTheMainWindow)
{
    Editor editor;
    QTest::mouseClick(editor.main->findChild<QToolButton *>(QStringLiteral("ExitTBtn")),
                      Qt::LeftButton);
    EXPECT_FALSE(editor.main->isVisible());
    editor.main->show();
    action(editor, "Exit")->trigger();
    EXPECT_FALSE(editor.main->isVisible());
}

// With a placing tool, moving over these controls erases the outline; over the others it stays.
TEST(TopPanelMouseMove, ErasesTheOutlineOnlyOverTheListedControls)
{
    Editor editor;
    editor.click(PaletteButton::MarketTBtn);
    const QImage plain = editor.foreground();
    auto outlineErasedBy = [&](const char *name) {
        editor.moveOnSheet(QPoint(100, 100));
        EXPECT_NE(editor.foreground(), plain);
        QWidget *target = editor.main->findChild<QWidget *>(QString::fromUtf8(name));
        if (!target && QString::fromUtf8(name) == QStringLiteral("TalvexForm"))
            target = editor.main;
        EXPECT_NE(target, nullptr) << name;
        Editor::moveOver(target, QPoint(1, 1));
        return editor.foreground() == plain;
    };
    for (const char *name :
         {"TalvexForm", "TopPanel", "LeftPanel", "LeftTopToolBar", "LeftBotToolBar", "MidPanel",
          "eSelectImg", "RightPanel", "CoolBar", "ComponToolBar", "ForegroundPanel"})
        EXPECT_TRUE(outlineErasedBy(name)) << name;
    for (const char *name : {"wSelectImg", "vSelectImg", "VorqLogo", "ConnectLabel", "StatusBar",
                             "MarketTBtn", "NewTBtn"})
        EXPECT_FALSE(outlineErasedBy(name)) << name;
}

TEST(TopPanelMouseMove, ThePointerToolLeavesTheSheetAlone)
{
    Editor editor;
    editor.moveOnSheet(QPoint(100, 100));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
    Editor::moveOver(editor.main->findChild<QWidget *>(QStringLiteral("TopPanel")), QPoint(3, 3));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
}
