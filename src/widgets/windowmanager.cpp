#include "widgets/windowmanager.h"

#include "model/titlebar.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace talvex::windowmanager {

namespace {

// How long a window may wait, once before its first showing, for the manager to say which
// frame it will draw; managers answer within milliseconds.
constexpr int FrameRequestPatience = 200;

// Whether the manager left a request unanswered: some announce the request and ignore it.
bool &managerIgnoresRequests()
{
    static bool ignores = false;
    return ignores;
}

template<typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
ReplyPointer<Reply> owned(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t *connection()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The atoms of one connection; a process has one.
struct Atoms
{
    explicit Atoms(xcb_connection_t *c)
        : frameExtents(atom(c, "_NET_FRAME_EXTENTS"))
        , requestFrameExtents(atom(c, "_NET_REQUEST_FRAME_EXTENTS"))
        , supported(atom(c, "_NET_SUPPORTED"))
        , motifHints(atom(c, "_MOTIF_WM_HINTS"))
    {}
    const xcb_atom_t frameExtents;
    const xcb_atom_t requestFrameExtents;
    const xcb_atom_t supported;
    const xcb_atom_t motifHints;
};

const Atoms &atoms(xcb_connection_t *c)
{
    static const Atoms known(c);
    return known;
}

// _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<FrameExtents> announcedFrame(xcb_connection_t *c, xcb_window_t window)
{
    const auto reply = owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms(c).frameExtents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != 16)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return FrameExtents{static_cast<int>(values[0]), static_cast<int>(values[2]),
                        static_cast<int>(values[1]), static_cast<int>(values[3])};
}

struct Tree
{
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t parent = XCB_WINDOW_NONE;
};

std::optional<Tree> treeOf(xcb_connection_t *c, xcb_window_t window)
{
    const auto reply = owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!reply)
        return {};
    return Tree{reply->root, reply->parent};
}

// The frame window a manager put around the client: the client's ancestor just below the root.
std::optional<FrameExtents> frameWindowExtents(xcb_connection_t *c, xcb_window_t window)
{
    std::optional<Tree> tree = treeOf(c, window);
    if (!tree)
        return {};
    const xcb_window_t root = tree->root;
    xcb_window_t top = window;
    while (tree && tree->parent != root && tree->parent != XCB_WINDOW_NONE) {
        top = tree->parent;
        tree = treeOf(c, top);
    }
    if (!tree)
        return {};
    if (top == window)
        return FrameExtents{};
    const auto client = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const auto frame = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, top), nullptr));
    const auto origin = owned(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
    if (!client || !frame || !origin)
        return {};
    const int border = 2 * frame->border_width;
    const int left = origin->dst_x - frame->x;
    const int top_ = origin->dst_y - frame->y;
    const FrameExtents extents{left, top_, frame->width + border - left - client->width,
                               frame->height + border - top_ - client->height};
    // A frame window still being set up is smaller than the client.
    if (extents.left < 0 || extents.top < 0 || extents.right < 0 || extents.bottom < 0)
        return FrameExtents{};
    return extents;
}

bool managerSupports(xcb_connection_t *c, xcb_window_t root, xcb_atom_t feature)
{
    const auto reply = owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atoms(c).supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return false;
    const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(values, values + count, feature) != values + count;
}

} // namespace

bool placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<FrameExtents> reportedFrame(const QWidget *window)
{
    xcb_connection_t *c = connection();
    const WId id = window->internalWinId();
    if (!c || !id)
        return {};
    if (std::optional<FrameExtents> frame = announcedFrame(c, id))
        return frame;
    // A manager that announces frames has not framed the window yet.
    const std::optional<Tree> tree = treeOf(c, id);
    if (!tree || managerSupports(c, tree->root, atoms(c).frameExtents))
        return FrameExtents{};
    return frameWindowExtents(c, id);
}

std::optional<FrameExtents> requestFrame(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return {};
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (std::optional<FrameExtents> frame = announcedFrame(c, id))
        return frame;
    const std::optional<Tree> tree = treeOf(c, id);
    if (managerIgnoresRequests() || !tree ||
        !managerSupports(c, tree->root, atoms(c).requestFrameExtents))
        return {};

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms(c).requestFrameExtents;
    xcb_send_event(c, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(c);
    // The answer is a property on the window; the manager sets it in its own time.
    const QDeadlineTimer deadline(FrameRequestPatience);
    do {
        if (std::optional<FrameExtents> frame = announcedFrame(c, id))
            return frame;
        QThread::msleep(2);
    } while (!deadline.hasExpired());
    managerIgnoresRequests() = true;
    return {};
}

void sendGeometry(QWidget *window)
{
    xcb_connection_t *c = connection();
    const WId id = window->internalWinId();
    if (!c || !id)
        return;
    const QRect client = window->geometry();
    const std::array<std::uint32_t, 4> values = {
        static_cast<std::uint32_t>(client.x()), static_cast<std::uint32_t>(client.y()),
        static_cast<std::uint32_t>(client.width()), static_cast<std::uint32_t>(client.height())};
    xcb_configure_window(c, static_cast<xcb_window_t>(id),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values.data());
    xcb_flush(c);
}

void setTitleBar(QWidget *window, const TitleBar &titleBar)
{
    xcb_connection_t *c = connection();
    if (!c)
        return;
    const MotifHints hints = motifHints(titleBar);
    const std::array<std::uint32_t, 5> values = {hints.flags, hints.functions, hints.decorations, 0,
                                                 0};
    const xcb_atom_t motif = atoms(c).motifHints;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), motif,
                        motif, 32, values.size(), values.data());
    xcb_flush(c);
}

FrameWatch::FrameWatch(QWidget *window, std::function<void()> changed)
    : QObject(window)
    , m_window(window)
    , m_changed(std::move(changed))
{
    if (connection())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

FrameWatch::~FrameWatch()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool FrameWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const WId id = m_window->internalWinId();
    if (!id)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    bool frameNews = false;
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto *property = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        frameNews = property->window == id && property->atom == atoms(connection()).frameExtents;
        break;
    }
    case XCB_REPARENT_NOTIFY:
        frameNews = reinterpret_cast<const xcb_reparent_notify_event_t *>(event)->window == id;
        break;
    default:
        break;
    }
    // After Qt has taken the event in: the window's geometry is up to date then.
    if (frameNews)
        QMetaObject::invokeMethod(
            this, [this] { m_changed(); }, Qt::QueuedConnection);
    return false;
}

} // namespace talvex::windowmanager
