// The windows' rules in outer sizes on a real X desktop, from the first showing on: run by
// desktop-session under openbox, and with TALVEX_NO_WM=1 on the bare X server.

#include "editorfixture.h"
#include "modal.h"

#include <QComboBox>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace talvex::test {
namespace {

bool windowManagerRuns()
{
    return !qEnvironmentVariableIsSet("TALVEX_NO_WM");
}

// The frame as the window manager announces it (_NET_FRAME_EXTENTS: left, right, top, bottom);
// empty where none frames the window.
QMargins announcedFrame(const QWidget &window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_FRAME_EXTENTS")});
    if (!xprop.waitForFinished(5000))
        return {};
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(QString::fromLatin1(xprop.readAllStandardOutput()));
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(3).toInt(), match.captured(2).toInt(),
            match.captured(4).toInt()};
}

// Waits until the window is on screen and, under a window manager, framed; then lets the events
// that follow the framing arrive. The frame Qt knows must be the one the window manager drew.
void waitFramed(QWidget &window)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 20000)) << window.objectName().toStdString();
    if (windowManagerRuns()) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); }, 5000))
            << window.objectName().toStdString() << " was never framed";
    }
    QTest::qWait(400);
    const QMargins frame = announcedFrame(window);
    EXPECT_EQ(window.windowHandle()->frameMargins(), frame) << window.objectName().toStdString();
    if (windowManagerRuns()) {
        EXPECT_FALSE(frame.isNull()) << window.objectName().toStdString();
    }
}

class Frames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
        waitFramed(*editor.main);
    }

    // Opens an editor through its ellipsis button and reads it once it is framed.
    struct Opened
    {
        QRect frame;
        int cancelLeft = -1;
        int cancelWidth = 0;
    };

    Opened openEditor()
    {
        Opened opened;
        auto read = [&](QDialog &dialog) {
            waitFramed(dialog);
            const auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelButton"));
            // On a loaded machine the placement after the framing may still be on its way.
            (void)QTest::qWaitFor(
                [&] {
                    return dialog.frameGeometry().topLeft() ==
                               besideTheInspector(dialog.frameGeometry().height()) &&
                           cancel->x() > 0;
                },
                5000);
            opened.frame = dialog.frameGeometry();
            opened.cancelLeft = cancel->x();
            opened.cancelWidth = cancel->width();
        };
        EXPECT_TRUE(whileModal([&] { inspector().CommonValueListEditButtonClick(); }, read).dialog)
            << "no editor opened";
        return opened;
    }

    TInspectForm &inspector() { return *editor.inspector; }

    // Where a value editor of that outer height has to stand beside the framed inspector.
    QPoint besideTheInspector(int editorOuterHeight)
    {
        const QRect frame = inspector().frameGeometry();
        const int cellPanelTop = inspector().CellPanel->mapTo(&inspector(), QPoint()).y();
        return {frame.left() + frame.width() - 4,
                frame.top() + cellPanelTop + 85 - editorOuterHeight / 2};
    }

    Editor editor;
};

TEST_F(Frames, MainWindowHoldsItsOuterHeightAndPosition)
{
    TTalvexForm &main = *editor.main;
    const QRect frame = main.frameGeometry();
    const QMargins margins = main.windowHandle()->frameMargins();
    EXPECT_EQ(frame.topLeft(), QPoint(268, 33));
    EXPECT_EQ(main.width(), 1004);
    if (windowManagerRuns()) {
        EXPECT_EQ(frame.height(), 957);
        EXPECT_EQ(main.height(), 957 - margins.top() - margins.bottom());
    } else {
        EXPECT_EQ(main.height(), 927);
        EXPECT_EQ(frame.height(), 927);
    }
    // The sheet follows the panel the frame left.
    const QWidget *panel = main.findChild<QWidget *>(QStringLiteral("ForegroundPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(main.sheetRows(), (panel->height() + 23) / 24);
    EXPECT_EQ(editor.sheet()->geometry(), QRect(5, 5, 994, panel->height() - 10));
    EXPECT_EQ(editor.foreground().size(), QSize(994, panel->height() - 10));

    // Later events do not move it off the rule.
    QTest::qWait(300);
    EXPECT_EQ(main.frameGeometry(), frame);
}

TEST_F(Frames, InspectorFillsTheRoomLeftOfTheMainWindow)
{
    editor.main->ShowInspector();
    waitFramed(inspector());
    const QRect frame = inspector().frameGeometry();
    EXPECT_EQ(frame.left(), 0);
    EXPECT_EQ(frame.width(), editor.main->frameGeometry().left());
    EXPECT_EQ(frame.width(), 268);
    EXPECT_EQ(frame.height(), 447);
    EXPECT_EQ(inspector().ComboBox->width(), 260);
}

TEST_F(Frames, AboutBoxIsCentredByItsOuterFrame)
{
    editor.main->AboutClick();
    waitFramed(*editor.about);
    const QRect frame = editor.about->frameGeometry();
    EXPECT_EQ(editor.about->size(), QSize(250, 322));
    EXPECT_EQ(frame.left(), (1280 - frame.width()) / 2);
    EXPECT_EQ(frame.top(), (1024 - frame.height()) / 2);
}

TEST_F(Frames, ValueEditorsOpenBesideTheInspector)
{
    editor.place(PaletteButton::TextTBtn, 2, 3);
    waitFramed(inspector());
    const Opened lines = openEditor();
    EXPECT_EQ(lines.frame.topLeft(), besideTheInspector(lines.frame.height()));
    EXPECT_EQ(lines.cancelLeft, lines.frame.width() / 2);

    editor.place(PaletteButton::HistoryTBtn, 6, 3);
    const Opened data = openEditor();
    EXPECT_EQ(data.frame.topLeft(), besideTheInspector(data.frame.height()));
    EXPECT_EQ(data.cancelLeft, data.frame.width() - data.cancelWidth - 6);
}

} // namespace
} // namespace talvex::test
