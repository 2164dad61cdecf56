#pragma once

#include "model/geometry.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace talvex {

struct TitleBar;

// What a top-level window tells the window manager and learns from it, on X11: the title bar it
// wants and the frame the manager draws around it. Elsewhere the calls do nothing and the
// answers are empty.
namespace windowmanager {

// Whether the application places its own windows; on Wayland the compositor does.
bool placesWindows();

// The frame the window manager reports for the window: _NET_FRAME_EXTENTS, or the frame window
// around the client where a manager reparents it without announcing extents. No frame (all
// zero) where none frames it; empty off X11 and before the window exists.
std::optional<FrameExtents> reportedFrame(const QWidget *window);

// The frame the window manager is going to draw around the window, asked for before the window
// is mapped (_NET_REQUEST_FRAME_EXTENTS); waits a short while for the answer. Empty where the
// manager does not answer; a manager that let one request go unanswered is not asked again.
std::optional<FrameExtents> requestFrame(QWidget *window);

// Sends the window's client geometry to the X server as Qt holds it. Qt sends only changes to
// the geometry it believes the window has, and a manager may have moved the window meanwhile
// (metacity and fluxbox do while they withdraw or frame it).
void sendGeometry(QWidget *window);

// Gives the window's title bar the functions and decorations it offers. Qt writes the Motif
// hints without decorations for a window without buttons, so managers drew their defaults.
void setTitleBar(QWidget *window, const TitleBar &titleBar);

// Calls changed() whenever the window manager announces or changes the window's frame.
class FrameWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameWatch(QWidget *window, std::function<void()> changed);
    ~FrameWatch() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QWidget *const m_window;
    const std::function<void()> m_changed;
};

} // namespace windowmanager
} // namespace talvex
