#include "mainwindow/sheetview.h"

#include "mainwindow/sheet.h"

#include <QMouseEvent>
#include <QPainter>

namespace talvex {

SheetView::SheetView(const SheetLayers &layers, QWidget *parent)
    : QWidget(parent)
    , m_layers(layers)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // One layer pixel is one logical pixel; on a high-DPI screen pixels are repeated, not blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & m_layers.foreground().rect();
    painter.drawImage(area, m_layers.foreground(), area);
}

void SheetView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
}

void SheetView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

ClickableImage::ClickableImage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClickableImage::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void ClickableImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), m_image);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace talvex
