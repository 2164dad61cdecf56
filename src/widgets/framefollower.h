#pragma once

#include "model/geometry.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace talvex {

// Re-applies a window's rule in outer sizes whenever the frame around it changes. Qt learns the
// frame only once the window manager has framed the window, some time after show(); the rule
// runs at every showing and again when the frame arrives or changes, so it holds from the first
// showing on. Without a window manager the frame stays empty and the rule runs once per showing.
class FrameFollower : public QObject
{
public:
    using Rule = std::function<void(const FrameExtents &frame)>;

    FrameFollower(QWidget *window, Rule rule);

    // The frame as the platform knows it now: empty until the window manager has framed the
    // window, and on a platform without one.
    static FrameExtents frameOf(const QWidget *window);
    // The window's outer rectangle from its client geometry and the frame the window system
    // reports now; QWidget::frameGeometry() can hold a frame from before the window was shown.
    static QRect outerGeometry(const QWidget *window);
    // The frame of a window manager: the offscreen platform fakes a frame that none draws.
    static FrameExtents windowManagerFrameOf(const QWidget *window);

    // Runs the rule with the frame known now.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *const m_window;
    const Rule m_rule;
    std::optional<FrameExtents> m_applied;
    bool m_applying = false;
};

} // namespace talvex
