#include "mainwindow/bevelpanel.h"

#include <QApplication>
#include <QPainter>

namespace talvex {

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawRaisedBevel(painter, rect().adjusted(1, 1, -1, -1), 4);
    const bool focused = focusProxyHasFocus();
    painter.setPen(palette().color(focused ? QPalette::Highlight : QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (focused)
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

bool BevelPanel::focusProxyHasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && focus->parentWidget() == this;
}

void BevelPanel::drawRaisedBevel(QPainter &painter, const QRect &r, int lineWidth) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    for (int i = 0; i < lineWidth; ++i) {
        painter.fillRect(QRect(x, y + i, w - 1 - i, 1), light);
        painter.fillRect(QRect(x + i, y + i, 1, h - 1 - 2 * i), light);
    }
    for (int i = 0; i < lineWidth; ++i) {
        painter.fillRect(QRect(x + i, y + h - 1 - i, w - i, 1), dark);
        painter.fillRect(QRect(x + w - 1 - i, y + i, 1, h - lineWidth - i), dark);
    }
}

} // namespace talvex
