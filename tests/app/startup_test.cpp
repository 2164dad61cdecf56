// The editor shows its main window first and builds the four hidden windows after the first
// frame, or earlier when a command needs one of them. Either way the editor must behave as if
// all five had been built together.

#include "editorfixture.h"
#include "inspectorlists.h"

#include "app/editorwindows.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace talvex::test {
namespace {

// The main window shown as the program shows it, no event processed yet.
struct Started
{
    Started() { windows->TalvexForm.show(); }

    std::unique_ptr<EditorWindows> windows = std::make_unique<EditorWindows>();
    TTalvexForm &main = windows->TalvexForm;
};

TEST(Startup, HiddenWindowsFollowTheFirstFrame)
{
    Started started;
    EXPECT_FALSE(started.windows->companionsCreated());
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.windows->companionsCreated(); }));
    EXPECT_FALSE(started.windows->InspectForm().isVisible());
    EXPECT_FALSE(started.windows->AboutTalvexForm().isVisible());
    EXPECT_FALSE(started.windows->LinesForm().isVisible());
    EXPECT_FALSE(started.windows->DataForm().isVisible());
    // The logo comes with them, for the main window too.
    EXPECT_FALSE(started.windows->TalvexForm.windowIcon().isNull());
}

TEST(Startup, CommandsBeforeTheHiddenWindowsExistFindThemAsIfBuiltTogether)
{
    // Geometry and list of an inspector built with the others, for comparison.
    QRect eagerGeometry;
    QStringList eagerEntries;
    {
        Editor eager;
        eager.main->AttributeInspectClick();
        eagerGeometry = eager.inspector->geometry();
        eagerEntries = entries(*eager.inspector);
    }

    Started started;
    // Choosing a tool hides an about box only if there is one; it builds none.
    started.main.ChooseTool(PaletteButton::PointerTBtn);
    EXPECT_FALSE(started.windows->companionsCreated());

    started.main.AttributeInspectClick();
    ASSERT_TRUE(started.windows->companionsCreated());
    TInspectForm &inspector = started.windows->InspectForm();
    EXPECT_TRUE(inspector.isVisible());
    EXPECT_EQ(inspector.geometry(), eagerGeometry);
    EXPECT_EQ(entries(inspector), eagerEntries);
    auto *menuItem = started.main.findChild<QAction *>(QStringLiteral("AttributeInspect"));
    ASSERT_NE(menuItem, nullptr);
    EXPECT_TRUE(menuItem->isChecked());
    // The inspector's own close box still clears the check mark.
    inspector.close();
    EXPECT_FALSE(menuItem->isChecked());
}

TEST(Startup, PlacingBeforeTheHiddenWindowsExistListsTheElement)
{
    Started started;
    started.main.ChooseTool(PaletteButton::DigitalTBtn);
    started.main.ForegroundImgMouseDown(Qt::LeftButton, Editor::cellPixel(3, 2));
    ASSERT_TRUE(started.windows->companionsCreated());
    TInspectForm &inspector = started.windows->InspectForm();
    EXPECT_TRUE(inspector.isVisible());
    ASSERT_EQ(inspector.ComboBox->count(), 2);
    EXPECT_EQ(inspector.ComboBox->currentIndex(), 1);
    // The tile stands on the sheet: its cell is no longer the plain silver ground.
    const QImage sheet = started.main.sheet().foreground();
    const QImage ground = sheet.copy(QRect(Editor::cellPixel(20, 20), QSize(CellSize, CellSize)));
    EXPECT_NE(sheet.copy(QRect(Editor::cellPixel(3, 2), QSize(CellSize, CellSize))), ground);
}

TEST(Startup, AboutBoxBeforeTheHiddenWindowsExistOpens)
{
    Started started;
    started.main.AboutClick();
    ASSERT_TRUE(started.windows->companionsCreated());
    EXPECT_TRUE(started.windows->AboutTalvexForm().isVisible());
}

// Bars build their overflow buttons with the picture deferred; once drawn it is the style's own.
TEST(Startup, OverflowButtonsShowTheStylesPicture)
{
    Started started;
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(plain, nullptr);
    const QList<QToolButton *> buttons = started.main.findChildren<QToolButton *>();
    int overflowButtons = 0;
    for (QToolButton *button : buttons) {
        const bool inBar = qobject_cast<QToolBar *>(button->parentWidget()) ||
                           qobject_cast<QMenuBar *>(button->parentWidget());
        if (!inBar || button->defaultAction())
            continue;
        ++overflowButtons;
        ASSERT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        const QImage shown = button->icon().pixmap(16).toImage();
        auto picture = [&](QStyle::StandardPixmap which) {
            return plain->standardIcon(which).pixmap(16).toImage();
        };
        const bool vertical = shown == picture(QStyle::SP_ToolBarVerticalExtensionButton);
        const bool horizontal = shown == picture(QStyle::SP_ToolBarHorizontalExtensionButton);
        EXPECT_TRUE(vertical || horizontal) << button->objectName().toStdString();
    }
    // The menu bar and the three tool bars.
    EXPECT_EQ(overflowButtons, 4);
}

} // namespace
} // namespace talvex::test
