// The windows' rules in outer sizes on a real X desktop, at every opening: run by desktop-session
// under each window manager (TALVEX_WM) and with TALVEX_NO_WM=1 on the bare X server. Positions
// and frames are read as the X server and the window manager report them (xwininfo, xprop), not
// as Qt caches them.

#include "editorfixture.h"

#include "app/windowsystem.h"
#include "widgets/framefollower.h"

#include <QAbstractNativeEventFilter>
#include <QComboBox>
#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>

// Readable values in the failure messages.
void PrintTo(const QPoint &point, std::ostream *out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}

void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << "(" << rect.x() << ", " << rect.y() << ") " << rect.width() << " x " << rect.height();
}

namespace talvex::test {
namespace {

QString windowManager()
{
    if (qEnvironmentVariableIsSet("TALVEX_NO_WM"))
        return QStringLiteral("none");
    const QString wm = qEnvironmentVariable("TALVEX_WM");
    return wm.isEmpty() ? QStringLiteral("openbox") : wm;
}

bool windowManagerRuns()
{
    return windowManager() != QLatin1String("none");
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromLatin1(process.readAllStandardOutput());
}

QString hex(WId id)
{
    return QStringLiteral("0x") + QString::number(id, 16);
}

QString xprop(const QWidget &window, const char *property)
{
    return run(QStringLiteral("xprop"),
               {QStringLiteral("-id"), hex(window.winId()), QString::fromLatin1(property)});
}

int field(const QString &text, const char *name)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QString::fromLatin1(name) + QStringLiteral(":\\s+(-?\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A window's rectangle in root coordinates as the X server has it.
QRect serverGeometry(const QString &id)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    return {field(info, "Absolute upper-left X"), field(info, "Absolute upper-left Y"),
            field(info, "Width"), field(info, "Height")};
}

// A window as the window manager reports it: the client in root coordinates and the frame,
// from _NET_FRAME_EXTENTS or, where the manager sets none, from the frame window around it.
struct Reported
{
    QRect client;
    QMargins frame;
    QRect outer() const { return client.marginsAdded(frame); }
};

Reported reported(const QWidget &window)
{
    const QString id = hex(window.winId());
    Reported result{serverGeometry(id), {}};
    const QRegularExpressionMatch extents =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(xprop(window, "_NET_FRAME_EXTENTS"));
    if (extents.hasMatch()) {
        result.frame = {extents.captured(1).toInt(), extents.captured(3).toInt(),
                        extents.captured(2).toInt(), extents.captured(4).toInt()};
        return result;
    }
    const QString tree =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), id});
    const QRegularExpressionMatch parent =
        QRegularExpression(QStringLiteral("Parent window id: (0x[0-9a-f]+)")).match(tree);
    const QRegularExpressionMatch root =
        QRegularExpression(QStringLiteral("Root window id: (0x[0-9a-f]+)")).match(tree);
    if (parent.hasMatch() && root.hasMatch() && parent.captured(1) != root.captured(1)) {
        const QRect frame = serverGeometry(parent.captured(1));
        result.frame = {result.client.left() - frame.left(), result.client.top() - frame.top(),
                        frame.right() - result.client.right(),
                        frame.bottom() - result.client.bottom()};
    }
    return result;
}

using Actions = std::set<std::string>;

// The actions the window manager allows on a window (_NET_WM_ALLOWED_ACTIONS, without the
// prefix); empty where it announces none.
Actions allowedActions(const QWidget &window)
{
    Actions actions;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("_NET_WM_ACTION_(\\w+)"))
                                             .globalMatch(xprop(window, "_NET_WM_ALLOWED_ACTIONS"));
    while (it.hasNext())
        actions.insert(it.next().captured(1).toStdString());
    return actions;
}

// The window an event of that type is about.
template<typename Event>
xcb_window_t windowOf(const xcb_generic_event_t *event)
{
    return reinterpret_cast<const Event *>(event)->window;
}

// Every place where the X server showed the window's client, sampled at each event about the
// window: the window manager sends one whenever it moves the frame.
class PlaceWatch : public QAbstractNativeEventFilter
{
public:
    explicit PlaceWatch(QWidget &window)
        : m_connection(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection())
        , m_window(static_cast<xcb_window_t>(window.winId()))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PlaceWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    const QList<QPoint> &places() const { return m_places; }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const std::uint8_t type = event->response_type & 0x7f;
        const xcb_window_t about =
            type == XCB_EXPOSE             ? windowOf<xcb_expose_event_t>(event)
            : type == XCB_CONFIGURE_NOTIFY ? windowOf<xcb_configure_notify_event_t>(event)
            : type == XCB_MAP_NOTIFY       ? windowOf<xcb_map_notify_event_t>(event)
            : type == XCB_REPARENT_NOTIFY  ? windowOf<xcb_reparent_notify_event_t>(event)
            : type == XCB_PROPERTY_NOTIFY  ? windowOf<xcb_property_notify_event_t>(event)
                                           : xcb_window_t{XCB_WINDOW_NONE};
        if (about == m_window)
            sample();
        return false;
    }

private:
    void sample()
    {
        xcb_connection_t *c = m_connection;
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, m_window), nullptr),
            &std::free);
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, m_window, root, 0, 0),
                                            nullptr),
            &std::free);
        if (origin)
            m_places.append(QPoint(origin->dst_x, origin->dst_y));
    }

    xcb_connection_t *const m_connection;
    const xcb_window_t m_window;
    QList<QPoint> m_places;
};

std::string name(const QWidget &window)
{
    return window.objectName().toStdString();
}

// Waits until the window is on screen and, under a window manager, framed; then lets the events
// that follow the framing arrive.
Reported waitFramed(QWidget &window)
{
    const std::string who = name(window);
    if (!QTest::qWaitForWindowExposed(&window, 20000)) {
        ADD_FAILURE() << who << " was never exposed";
        return {};
    }
    if (windowManagerRuns()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !reported(window).frame.isNull(); }, 10000))
            << who << " was never framed";
    }
    QTest::qWait(400);
    return reported(window);
}

// The rule holds from the first expose on: the window never stood anywhere else.
void expectNoStrayPlace(const PlaceWatch &watch, const QWidget &window)
{
    // kwin_x11 5.27 shows every client it maps at the root's origin for a moment, wherever the
    // client asked to be, before it moves its frame there; nothing a client sends changes that.
    if (windowManager() == QLatin1String("kwin"))
        return;
    QList<QPoint> stray = watch.places();
    stray.removeAll(reported(window).client.topLeft());
    EXPECT_EQ(stray, QList<QPoint>{}) << name(window) << " was seen elsewhere first";
}

// Actions a manager allows whatever the Motif hints say: openbox keeps close and minimise
// ("don't let mwm hints kill any buttons"), xfwm4 keeps close, kwin reads only move, resize and
// close from them; a resizable window can be maximised under openbox, kwin and fluxbox.
Actions imposedActions(const QWidget &window)
{
    const QString wm = windowManager();
    const bool resizable = window.minimumSize() != window.maximumSize();
    Actions imposed;
    if (wm == QLatin1String("openbox"))
        imposed = {"CLOSE", "MINIMIZE"};
    else if (wm == QLatin1String("xfwm4"))
        imposed = {"CLOSE"};
    else if (wm == QLatin1String("kwin"))
        imposed = {"MINIMIZE"};
    if (resizable && (wm == QLatin1String("openbox") || wm == QLatin1String("kwin") ||
                      wm == QLatin1String("fluxbox")))
        imposed.insert({"MAXIMIZE_HORZ", "MAXIMIZE_VERT"});
    return imposed;
}

// Waits until the window manager has let go of a hidden window (WM_STATE withdrawn or gone), as
// it has by the time a user opens the window again; a manager still busy with the last closing
// may take the next opening for part of it.
void waitWithdrawn(const QWidget &window)
{
    const auto withdrawn = [&] {
        const QString state = xprop(window, "WM_STATE");
        return !state.contains(QLatin1String("Normal")) && !state.contains(QLatin1String("Iconic"));
    };
    EXPECT_TRUE(QTest::qWaitFor(withdrawn, 10000)) << name(window) << " was never withdrawn";
}

// Title-bar functions each window has where the manager announces the allowed actions; no
// window may be maximised.
void expectActions(const QWidget &window, const Actions &wanted, Actions unwanted)
{
    const Actions allowed = allowedActions(window);
    if (allowed.empty())
        return;
    // What the window asked for, in the failure message.
    const std::string asked = xprop(window, "_MOTIF_WM_HINTS").trimmed().toStdString();
    for (const std::string &action : wanted)
        EXPECT_TRUE(allowed.count(action)) << name(window) << " lacks " << action << "; " << asked;
    unwanted.insert({"MAXIMIZE_HORZ", "MAXIMIZE_VERT"});
    const Actions imposed = imposedActions(window);
    for (const std::string &action : unwanted) {
        if (!imposed.count(action)) {
            EXPECT_FALSE(allowed.count(action))
                << name(window) << " allows " << action << "; " << asked;
        }
    }
}

class Frames : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
        main = waitFramed(*editor.main);
    }

    TInspectForm &inspector() { return *editor.inspector; }

    // Opens a value editor through its ellipsis button and checks it once it is framed: it stands
    // beside the inspector, its cancel button centred or 6 pixels from its right edge.
    void openEditor(QWidget &expected, bool cancelCentred)
    {
        const QRect inspectorFrame = reported(inspector()).outer();
        const int cellPanelTop = inspector().CellPanel->mapTo(&inspector(), QPoint()).y();
        PlaceWatch watch(expected);
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog != &expected) {
                ADD_FAILURE() << "no editor opened";
                return;
            }
            const Reported seen = waitFramed(*dialog);
            const QRect outer = seen.outer();
            EXPECT_EQ(outer.topLeft(),
                      QPoint(inspectorFrame.left() + inspectorFrame.width() - 4,
                             inspectorFrame.top() + cellPanelTop + 85 - outer.height() / 2))
                << "frame " << seen.frame.left() << "," << seen.frame.right() << ","
                << seen.frame.top() << "," << seen.frame.bottom();
            const auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("CancelButton"));
            EXPECT_EQ(cancel->x(),
                      cancelCentred ? outer.width() / 2 : outer.width() - cancel->width() - 6);
            expectNoStrayPlace(watch, *dialog);
            // A close box that cancels; no minimise, maximise or resizing.
            expectActions(*dialog, {"MOVE", "CLOSE"}, {"MINIMIZE", "RESIZE"});
            dialog->reject();
        });
        inspector().CommonValueListEditButtonClick();
        waitWithdrawn(expected);
    }

    Editor editor;
    Reported main;
};

TEST_F(Frames, MainWindowHoldsItsOuterHeightAndPosition)
{
    TTalvexForm &window = *editor.main;
    // At the right edge: a frame wider than the design's 1012 pixels moves it left.
    EXPECT_EQ(main.outer().topLeft(), QPoint(1280 - std::max(1012, main.outer().width()), 33));
    EXPECT_EQ(main.client.width(), 1004);
    if (windowManagerRuns()) {
        EXPECT_EQ(main.outer().height(), 957);
    } else {
        EXPECT_EQ(main.client.height(), 927);
    }
    // The sheet follows the panel the frame left.
    const QWidget *panel = window.findChild<QWidget *>(QStringLiteral("ForegroundPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(window.sheetRows(), (panel->height() + 23) / 24);
    EXPECT_EQ(editor.sheet()->geometry(), QRect(5, 5, 994, panel->height() - 10));
    EXPECT_EQ(editor.foreground().size(), QSize(994, panel->height() - 10));
    // System menu, minimise and close; no maximise, no resizing.
    expectActions(window, {"MOVE", "MINIMIZE", "CLOSE"}, {"RESIZE"});

    // Later events do not move it off the rule.
    QTest::qWait(300);
    EXPECT_EQ(reported(window).outer(), main.outer());
}

TEST_F(Frames, InspectorFillsTheRoomLeftOfTheMainWindow)
{
    for (const int opening : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        PlaceWatch watch(inspector());
        editor.main->ShowInspector();
        const QRect outer = waitFramed(inspector()).outer();
        EXPECT_EQ(outer, QRect(0, 446, main.outer().left(), 447)) << "opening " << opening;
        EXPECT_EQ(inspector().ComboBox->width(), outer.width() - 8);
        expectNoStrayPlace(watch, inspector());
        // Resizable by its frame; no close, minimise or maximise.
        expectActions(inspector(), {"MOVE", "RESIZE"}, {"CLOSE", "MINIMIZE"});
        editor.main->AttributeInspectClick();
        ASSERT_FALSE(inspector().isVisible());
        waitWithdrawn(inspector());
    }
}

TEST_F(Frames, AboutBoxIsCentredByItsOuterFrame)
{
    for (const int opening : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        PlaceWatch watch(*editor.about);
        editor.main->AboutClick();
        const QRect outer = waitFramed(*editor.about).outer();
        EXPECT_EQ(editor.about->size(), QSize(250, 322));
        EXPECT_EQ(outer.left(), (1280 - outer.width()) / 2) << "opening " << opening;
        EXPECT_EQ(outer.top(), (1024 - outer.height()) / 2) << "opening " << opening;
        expectNoStrayPlace(watch, *editor.about);
        // No buttons at all.
        expectActions(*editor.about, {"MOVE"}, {"CLOSE", "MINIMIZE", "RESIZE"});
        editor.about->OKButtonClick();
        ASSERT_FALSE(editor.about->isVisible());
        waitWithdrawn(*editor.about);
    }
}

TEST_F(Frames, ValueEditorsOpenBesideTheInspector)
{
    // The text element's lines editor, then the history's data table.
    for (const bool lines : {true, false}) {
        editor.place(lines ? PaletteButton::TextTBtn : PaletteButton::HistoryTBtn, lines ? 2 : 6,
                     3);
        EXPECT_EQ(waitFramed(inspector()).outer().topLeft(), QPoint(0, 446));
        for (const int opening : {1, 2}) {
            SCOPED_TRACE(testing::Message()
                         << (lines ? "lines" : "data") << ", opening " << opening);
            openEditor(lines ? static_cast<QWidget &>(*editor.lines) : *editor.data, lines);
        }
    }
}

// A Wayland desktop with Xwayland (Weston): the editor takes X11 on its own, and the windows
// keep the sizes their rules give in the frames the manager reports. Weston places the windows
// itself, so their places are not checked here.
TEST(XwaylandSession, ChoosesX11AndKeepsTheSizes)
{
    if (windowManager() != QLatin1String("weston"))
        GTEST_SKIP() << "not under Weston";
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    EXPECT_EQ(QGuiApplication::platformName(), "xcb");
    Editor editor;
    const Reported main = waitFramed(*editor.main);
    EXPECT_EQ(main.client.width(), 1004);
    EXPECT_EQ(main.outer().height(), 957);
    editor.main->ShowInspector();
    const QRect inspector = waitFramed(*editor.inspector).outer();
    // The room the rule leaves, but never narrower than the design's client width.
    const int room = 1280 - std::max(1012, main.outer().width());
    const int frameWidth = inspector.width() - editor.inspector->width();
    EXPECT_EQ(editor.inspector->width(),
              std::max(room - frameWidth, int{TInspectForm::DesignClientWidth}));
    EXPECT_EQ(inspector.height(), 447);
    editor.main->AboutClick();
    waitFramed(*editor.about);
    EXPECT_EQ(editor.about->size(), QSize(250, 322));
}

// A Wayland session without an X display: the compositor places the windows, the editor keeps
// the sizes its rules give and says once where the places come from.
TEST(WaylandOnly, KeepsTheSizesAndSaysWhoPlacesTheWindows)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "not on Wayland";
    std::FILE *said = std::tmpfile();
    ASSERT_NE(said, nullptr);
    EXPECT_TRUE(reportWindowPlaces(said));
    std::rewind(said);
    char text[300] = {};
    EXPECT_NE(std::fgets(text, sizeof text, said), nullptr);
    std::fclose(said);
    EXPECT_THAT(text, ::testing::HasSubstr("Compositor"));

    Editor editor;
    editor.main->ShowInspector();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.inspector, 20000));
    // As wide as the room left of the main window would be on this screen, not its design width.
    const int mainOuterWidth = FrameFollower::outerGeometry(editor.main).width();
    const int room =
        QGuiApplication::primaryScreen()->geometry().width() - std::max(1012, mainOuterWidth);
    EXPECT_EQ(FrameFollower::outerGeometry(editor.inspector).width(), room);
    EXPECT_GT(editor.inspector->width(), TInspectForm::DesignClientWidth);
}

} // namespace
} // namespace talvex::test
