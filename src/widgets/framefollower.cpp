#include "widgets/framefollower.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace talvex {

FrameFollower::FrameFollower(QWidget *window, Rule rule)
    : QObject(window)
    , m_window(window)
    , m_rule(std::move(rule))
{
    window->installEventFilter(this);
}

FrameExtents FrameFollower::frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle)
        return {};
    const QMargins margins = handle->frameMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

QRect FrameFollower::outerGeometry(const QWidget *window)
{
    const FrameExtents frame = frameOf(window);
    return window->geometry().adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
}

FrameExtents FrameFollower::windowManagerFrameOf(const QWidget *window)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return {};
    return frameOf(window);
}

void FrameFollower::apply()
{
    if (m_applying)
        return;
    m_applying = true;
    const FrameExtents frame = frameOf(m_window);
    m_applied = frame;
    m_rule(frame);
    m_applying = false;
}

void FrameFollower::follow()
{
    if (!m_applied || frameOf(m_window) != *m_applied)
        apply();
}

bool FrameFollower::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched == m_window) {
            // The platform window exists now; its expose events tell when the frame is drawn.
            if (QWindow *handle = m_window->windowHandle())
                handle->installEventFilter(this);
            apply();
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
