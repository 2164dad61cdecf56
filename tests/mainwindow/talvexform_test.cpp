#include "mainwindowtest.h"
#include "model/fatal.h"
#include "testnames.h"

#include <QToolBar>

#include <tuple>

using namespace talvex;
using namespace talvex::test;

namespace {

bool uniform(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

int pressedCount(const TTalvexForm &main)
{
    int pressed = 0;
    for (int i = 1; i <= PaletteButtonCount; ++i)
        pressed += main.paletteButton(paletteButtonAt(i))->isChecked() ? 1 : 0;
    return pressed;
}

using TalvexFormStart = EditorTest;
using TalvexFormLayout = EditorTest;
using PaletteButtons = EditorTest;
using Selectors = EditorTest;
using AboutBox = EditorTest;
using Commands = EditorTest;
using TopPanelMouseMove = EditorTest;

} // namespace

TEST_F(TalvexFormStart, ShowsTheStartState)
{
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Talvex™"));
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_EQ(main.statusText(1), QStringLiteral("Entwurfsmodus"));
    EXPECT_TRUE(main.statusText(2).isEmpty());
    EXPECT_TRUE(main.statusText(3).isEmpty());
    EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
    EXPECT_EQ(pressedCount(main), 1);
    EXPECT_FALSE(button(B::DynInputTBtn)->isEnabled());
    EXPECT_TRUE(button(B::AllDistribTBtn)->isEnabled());
    EXPECT_EQ(main.selectorImage(1)->toolTip(), QStringLiteral("Leiterart: Verteilungen"));
    EXPECT_EQ(main.selectorImage(0)->toolTip(), QStringLiteral("Leiterart auswählen"));
    EXPECT_EQ(main.selectorImage(2)->toolTip(), QStringLiteral("Leiterart auswählen"));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
    EXPECT_TRUE(uniform(editor.background(), Silver));
    EXPECT_FALSE(inspector.isVisible());
    EXPECT_EQ(inspector.windowTitle(), QStringLiteral("Merkmal-Einstellung"));
    EXPECT_FALSE(action("AttributeInspect")->isChecked());
    EXPECT_FALSE(editor.about->isVisible());
}

TEST_F(TalvexFormStart, SheetSizeComesFromThePanel)
{
    EXPECT_EQ(main.width(), TTalvexForm::ClientWidth);
    EXPECT_EQ(main.minimumWidth(), main.maximumWidth());
    EXPECT_EQ(main.minimumHeight(), main.maximumHeight());
    const QWidget *panel = main.findChild<QWidget *>(QStringLiteral("ForegroundPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width(), 1004);
    EXPECT_EQ(main.sheetColumns(), 42);
    EXPECT_EQ(main.sheetRows(), (panel->height() + 23) / 24);
    EXPECT_LE(main.sheetRows(), MaxRows);
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

TEST_F(TalvexFormLayout, PaletteButtonsStandAtTheirPlaces)
{
    const int lefts[] = {0,   39,  78,  117, 156, 187, 218, 257, 288, 327, 358, 397,
                         428, 459, 490, 521, 560, 591, 622, 653, 684, 723, 762};
    for (int i = 1; i <= PaletteButtonCount; ++i) {
        const QToolButton *at = main.paletteButton(paletteButtonAt(i));
        EXPECT_EQ(at->geometry(), QRect(lefts[i - 1], at->y(), 31, 30)) << i;
        EXPECT_EQ(at->iconSize(), QSize(24, 24));
    }
    EXPECT_EQ(button(B::MixerTBtn)->toolTip(), QStringLiteral("Linearer Mischer"));
    EXPECT_EQ(button(B::PointerTBtn)->toolTip(), QStringLiteral("hebt Vor-Auswahl auf"));
    const auto *pointLabel = main.findChild<QLabel *>(QStringLiteral("PointLabel"));
    ASSERT_NE(pointLabel, nullptr);
    EXPECT_EQ(pointLabel->text(), QStringLiteral("Aufheber"));
    // 767 in the design; at 8 pt the text needs 45 px, so the label moves left just far enough
    // to end at the panel's edge.
    EXPECT_EQ(pointLabel->pos(), QPoint(764, 2));
    EXPECT_EQ(pointLabel->geometry().right(), pointLabel->parentWidget()->width() - 1);
}

TEST_F(TalvexFormLayout, LeftToolBarsCarryTheirHintsAndStates)
{
    const std::tuple<const char *, const char *, bool, int> buttons[] = {
        {"NewTBtn", "Neues Projekt", true, 0},
        {"SaveTBtn", "Projekt speichern", false, 46},
        {"RedoTBtn", "Wiederholen ", false, 115},
        {"GenerateTBtn", "Simulator generieren!", false, 138},
        {"PrintTBtn", "Drucken...", false, 92},
        {"ExitTBtn", "Beenden", true, 138}};
    for (const auto &[name, hint, enabled, left] : buttons) {
        const auto *button = main.findChild<QToolButton *>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(button->isEnabled(), enabled) << name;
        const auto *bar = qobject_cast<QToolBar *>(button->parentWidget());
        const QWidget *first = bar->widgetForAction(bar->actions().first());
        EXPECT_EQ(button->x() - first->x(), left) << name;
    }
}

TEST_F(TalvexFormLayout, MenusKeepTheirCaptions)
{
    QStringList titles;
    for (QAction *menu : main.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"Datei ", "Bearbeiten ", "Ansicht ", "Projekt ", "Werkzeuge ",
                                   "Hilfe"}));
    const QMenu *view = main.findChild<QMenu *>(QStringLiteral("View"));
    EXPECT_EQ(view->defaultAction(), action("Design"));
    EXPECT_TRUE(action("Design")->isChecked());
    EXPECT_FALSE(action("Content")->isEnabled());
    EXPECT_EQ(action("Redo")->toolTip(), QStringLiteral("Redo"));
    EXPECT_EQ(action("About")->text(), QStringLiteral("Über Talvex..."));
}

// Status text for every palette button under one conductor kind, in a panel it fits: the
// preselection texts are the longest.
class PaletteStatusTest : public EditorTest, public ::testing::WithParamInterface<int>
{};

TEST_P(PaletteStatusTest, NamesTheChosenTool)
{
    const int kind = GetParam();
    editor.clickSelector(kind);
    const auto *panel = main.findChild<QLabel *>(QStringLiteral("StatusPanel0"));
    ASSERT_NE(panel, nullptr);
    for (const Tool &tool : Tools) {
        if (!tool.classNames[kind])
            continue;
        editor.click(tool.button);
        EXPECT_EQ(main.statusText(0).toStdString(), statusText(tool.button, kind));
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()),
                  panel->contentsRect().width())
            << tool.name;
        EXPECT_TRUE(main.paletteButton(tool.button)->isChecked()) << tool.name;
        EXPECT_EQ(pressedCount(main), 1) << tool.name;
    }
}

TALVEX_INSTANTIATE_NAMED(ConductorKinds, PaletteStatusTest, ::testing::Range(0, 3));

TEST_F(PaletteButtons, DisabledButtonsDeliverNoClick)
{
    editor.click(B::DynInputTBtn);
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));
    editor.clickSelector(2);
    EXPECT_FALSE(button(B::AllDistribTBtn)->isEnabled());
    EXPECT_FALSE(button(B::DynInputTBtn)->isEnabled());
    editor.click(B::AllDistribTBtn);
    EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
    editor.clickSelector(0);
    EXPECT_TRUE(button(B::AllDistribTBtn)->isEnabled());
    EXPECT_TRUE(button(B::DynInputTBtn)->isEnabled());
}

TEST_F(PaletteButtons, ClickingThePressedButtonKeepsItPressed)
{
    editor.click(B::MarketTBtn);
    editor.click(B::MarketTBtn);
    EXPECT_TRUE(button(B::MarketTBtn)->isChecked());
    editor.click(B::PointerTBtn);
    editor.click(B::PointerTBtn);
    EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
    EXPECT_EQ(pressedCount(main), 1);
}

TEST_F(Selectors, ShowTheChosenKindAndReturnToThePointer)
{
    editor.click(B::AllConnectTBtn);
    editor.clickSelector(0);
    EXPECT_TRUE(button(B::PointerTBtn)->isChecked());
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_EQ(main.selectorImage(0)->toolTip(), QStringLiteral("Leiterart: Zahlenwerte"));
    EXPECT_EQ(main.selectorImage(1)->toolTip(), QStringLiteral("Leiterart auswählen"));
    const Pictures &pictures = main.pictures();
    for (int kind = 0; kind < 3; ++kind) {
        const QImage shown = main.selectorImage(kind)->image();
        const QImage source =
            pictures.selectorSource(kind, kind == 0).convertToFormat(shown.format());
        EXPECT_EQ(shown.copy(0, 0, 25, 10), source.copy(0, 0, 25, 10)) << kind;
        EXPECT_EQ(shown.pixelColor(25, 5), Silver);
    }
    editor.clickSelector(2);
    EXPECT_EQ(main.selectorImage(2)->toolTip(), QStringLiteral("Leiterart: Entscheidungen"));
}

TEST_F(AboutBox, PaletteAndSelectorClicksHideIt)
{
    action("About")->trigger();
    EXPECT_TRUE(editor.about->isVisible());
    editor.click(B::PointerTBtn); // already pressed: only hides the box
    EXPECT_FALSE(editor.about->isVisible());
    EXPECT_EQ(main.statusText(0), QStringLiteral("kein Element vorgewählt"));

    action("About")->trigger();
    action("About")->trigger();
    EXPECT_TRUE(editor.about->isVisible());
    editor.clickSelector(1);
    EXPECT_FALSE(editor.about->isVisible());

    action("About")->trigger();
    QTest::mouseClick(editor.about->OKButton, Qt::LeftButton);
    EXPECT_FALSE(editor.about->isVisible());
}

TEST_F(AboutBox, HasItsFixedLayout)
{
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

// The check mark follows the inspector, closed by its close box too.
TEST_F(Commands, AttributeInspectTogglesTheInspectorAndFollowsItsCloseBox)
{
    QAction *inspect = action("AttributeInspect");
    inspect->trigger();
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_TRUE(inspect->isChecked());
    inspect->trigger();
    EXPECT_FALSE(inspector.isVisible());
    EXPECT_FALSE(inspect->isChecked());

    inspect->trigger();
    ASSERT_TRUE(inspect->isChecked());
    inspector.close(); // the window manager's close request
    EXPECT_FALSE(inspect->isChecked());
    inspect->trigger();
    EXPECT_TRUE(inspector.isVisible()) << "one click shows it again";
    EXPECT_TRUE(inspect->isChecked());
}

TEST_F(Commands, CommandsWithoutActionChangeNothing)
{
    editor.click(B::MarketTBtn);
    const QImage sheetBefore = editor.foreground();
    for (const char *name :
         {"New",     "Open",     "Save",      "SaveAs",       "PrnSetup", "Print",
          "Undo",    "Redo",     "Cut",       "Copy",         "Paste",    "SelectAll",
          "Design",  "Diagram",  "Generate",  "Beautifier",   "NewTBtn",  "OpenTBtn",
          "CutTBtn", "CopyTBtn", "PasteTBtn", "PrnSetupTBtn", "HelpTBtn"}) {
        QAction *command = action(name);
        ASSERT_NE(command, nullptr) << name;
        command->trigger();
    }
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(inspector.isVisible());
    EXPECT_TRUE(action("Design")->isChecked());
    EXPECT_EQ(main.statusText(0), QStringLiteral("Markt vorgewählt"));
    EXPECT_EQ(editor.foreground(), sheetBefore);
}

TEST_F(Commands, BeendenClosesTheMainWindow)
{
    QTest::mouseClick(main.findChild<QToolButton *>(QStringLiteral("ExitTBtn")), Qt::LeftButton);
    EXPECT_FALSE(main.isVisible());
    main.show();
    action("Exit")->trigger();
    EXPECT_FALSE(main.isVisible());
}

// With a placing tool, moving over these controls erases the outline; over the others it stays.
TEST_F(TopPanelMouseMove, ErasesTheOutlineOnlyOverTheListedControls)
{
    editor.click(B::MarketTBtn);
    const QImage plain = editor.foreground();
    auto outlineErasedBy = [&](const char *name) {
        editor.moveOnSheet(QPoint(100, 100));
        EXPECT_NE(editor.foreground(), plain);
        QWidget *target =
            std::string_view(name) == "TalvexForm" ? &main : main.findChild<QWidget *>(name);
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

TEST_F(TopPanelMouseMove, ThePointerToolLeavesTheSheetAlone)
{
    editor.moveOnSheet(QPoint(100, 100));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
    Editor::moveOver(main.findChild<QWidget *>(QStringLiteral("TopPanel")), QPoint(3, 3));
    EXPECT_TRUE(uniform(editor.foreground(), Silver));
}
