#pragma once

#include <QWidget>

namespace talvex {

class SheetLayers;

// Shows the foreground layer of the sheet one image pixel per logical pixel, never scaled
// smoothly, and reports the pointer's moves and presses in image coordinates.
class SheetView : public QWidget
{
    Q_OBJECT

public:
    SheetView(const SheetLayers &layers, QWidget *parent = nullptr);

signals:
    void mouseMoved(QPoint position);
    void mousePressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const SheetLayers &m_layers;
};

// A small picture that reports clicks: the conductor-kind selectors.
class ClickableImage : public QWidget
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget *parent = nullptr);
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
};

} // namespace talvex
