#include "widgets/framefollower.h"

#include "widgets/windowmanager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace talvex {

namespace {

// The frame a window manager last drew around a dialog, and around any other window: the best
// guess for a window it has not framed yet, of the same kind or else of the other.
std::optional<FrameExtents> &lastDrawn(bool dialog)
{
    static std::optional<FrameExtents> frames[2];
    return frames[dialog ? 1 : 0];
}

} // namespace

FrameFollower::FrameFollower(QWidget *window, const TitleBar &titleBar, Rule rule)
    : QObject(window)
    , m_window(window)
    , m_titleBar(titleBar)
    , m_rule(std::move(rule))
    , m_dialog(window->windowType() == Qt::Dialog)
{
    window->installEventFilter(this);
    new windowmanager::FrameWatch(window, [this] {
        if (m_window->isVisible())
            follow();
    });
}

FrameExtents FrameFollower::frameOf(const QWidget *window)
{
    if (const std::optional<FrameExtents> frame = windowmanager::reportedFrame(window))
        return *frame;
    const QWindow *handle = window->windowHandle();
    if (!handle)
        return {};
    const QMargins margins = handle->frameMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

QRect FrameFollower::outerGeometry(const QWidget *window)
{
    // A window with a rule is laid out in the frame its rule last ran with: the manager may
    // not have announced the frame it estimated yet.
    const auto *follower =
        window->findChild<FrameFollower *>(QString(), Qt::FindDirectChildrenOnly);
    const FrameExtents frame =
        follower && follower->m_applied ? *follower->m_applied : frameOf(window);
    return window->geometry().adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
}

FrameExtents FrameFollower::drawnByManager(const FrameExtents &frame)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return {};
    return frame;
}

void FrameFollower::moveOuter(QWidget *window, QPoint outerTopLeft, const FrameExtents &frame)
{
    // The client's own geometry: QWidget::move() would add the frame Qt has cached, which is
    // empty until the window has been framed once.
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left, frame.top), window->size()));
}

void FrameFollower::apply()
{
    run(frameOf(m_window));
}

void FrameFollower::run(const FrameExtents &frame)
{
    if (m_applying)
        return;
    m_applying = true;
    m_applied = frame;
    m_rule(frame);
    // The window stands, or maps, where its rule put it, whatever Qt believes the X server has.
    windowmanager::sendGeometry(m_window);
    m_applying = false;
}

void FrameFollower::showing()
{
    // Before the window is mapped: the manager estimates the frame from the title bar.
    windowmanager::setTitleBar(m_window, m_titleBar);
    std::optional<FrameExtents> frame = windowmanager::requestFrame(m_window);
    if (!frame || (frame->none() && m_drawn))
        frame = m_drawn               ? m_drawn
                : lastDrawn(m_dialog) ? lastDrawn(m_dialog)
                                      : lastDrawn(!m_dialog);
    run(frame ? *frame : frameOf(m_window));
}

void FrameFollower::follow()
{
    const FrameExtents frame = frameOf(m_window);
    // A window laid out in a frame that the manager has not drawn yet keeps it until then.
    if (frame.none() && m_applied && !m_applied->none())
        return;
    if (!frame.none()) {
        m_drawn = frame;
        lastDrawn(m_dialog) = frame;
    }
    if (!m_applied || frame != *m_applied)
        run(frame);
}

bool FrameFollower::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Sent before the platform window is mapped.
        if (watched == m_window) {
            // The platform window exists now; its expose events tell when the frame is drawn.
            if (QWindow *handle = m_window->windowHandle())
                handle->installEventFilter(this);
            showing();
        }
        break;
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (m_window->isVisible())
            follow();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talvex
