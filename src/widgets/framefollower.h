#pragma once

#include "model/geometry.h"
#include "model/titlebar.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace talvex {

// Re-applies a window's rule in outer sizes whenever the frame around it changes. Before each
// showing it gives the window manager the title bar and asks which frame it will draw, so the
// window is mapped where its rule puts it; the rule runs again when the frame arrives or
// changes. Without a window manager the frame stays empty and the rule runs once per showing.
class FrameFollower : public QObject
{
    Q_OBJECT

public:
    using Rule = std::function<void(const FrameExtents &frame)>;

    FrameFollower(QWidget *window, const TitleBar &titleBar, Rule rule);

    // The frame as the window system reports it now: the window manager's on X11, empty until
    // the window has been framed or the manager has said which frame it will draw, and on a
    // platform without one.
    static FrameExtents frameOf(const QWidget *window);
    // The window's outer rectangle from its client geometry and the frame its rule last ran
    // with, or else the frame reported now; QWidget::frameGeometry() can hold a frame from
    // before the window was shown.
    static QRect outerGeometry(const QWidget *window);
    // The frame as far as a window manager draws it: the offscreen platform fakes one.
    static FrameExtents drawnByManager(const FrameExtents &frame);
    // Puts the window's outer top-left at the point, with the client inside the given frame.
    static void moveOuter(QWidget *window, QPoint outerTopLeft, const FrameExtents &frame);

    // Runs the rule with the frame known now.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showing();
    void follow();
    void run(const FrameExtents &frame);

    QWidget *const m_window;
    const TitleBar m_titleBar;
    const Rule m_rule;
    std::optional<FrameExtents> m_applied;
    // The last frame a window manager drew around the window: what it will draw next time
    // where it cannot say so beforehand.
    std::optional<FrameExtents> m_drawn;
    // Dialogs and other windows: managers frame windows of one kind alike.
    const bool m_dialog;
    bool m_applying = false;
};

} // namespace talvex
