#include "mainwindow/sheet.h"

#include "model/geometry.h"
#include "pictures/ink.h"

#include <QPainter>

namespace talvex {

void SheetLayers::create(QSize size)
{
    m_background = QImage(size, QImage::Format_RGB32);
    m_background.fill(ink::Silver);
    // Shares the background's pixels until the first overlay is drawn.
    m_foreground = m_background;
    m_overlay = Overlay::None;
    m_overlayRect = QRect();
    m_dirty = QRect();
}

void SheetLayers::DrawTile(const QImage &tile, int px, int py)
{
    QPainter painter(&m_background);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(px, py), tile, QRect(0, 0, CellSize, CellSize));
    m_dirty |= QRect(px, py, CellSize, CellSize) & m_background.rect();
}

QRect SheetLayers::RefreshSheet()
{
    const QRect changed = m_dirty & m_foreground.rect();
    if (!changed.isEmpty()) {
        const int bytesPerPixel = 4;
        for (int row = changed.top(); row <= changed.bottom(); ++row) {
            const uchar *source = m_background.constScanLine(row) + changed.left() * bytesPerPixel;
            uchar *target = m_foreground.scanLine(row) + changed.left() * bytesPerPixel;
            std::copy(source, source + changed.width() * bytesPerPixel, target);
        }
    }
    m_dirty = QRect();
    m_overlay = Overlay::None;
    m_overlayRect = QRect();
    return changed;
}

QRect SheetLayers::DrawOutline(int x, int y, int width, int height)
{
    QRect changed = RefreshSheet();
    const int right = x + width * CellSize - 1;
    const int bottom = y + height * CellSize - 1;
    {
        // The frame as four one-pixel bars: a one-pixel polyline that Qt clips at the left
        // edge loses the corner where the clipped segment starts.
        QPainter painter(&m_foreground);
        painter.fillRect(QRect(QPoint(x, y), QPoint(right, y)), Qt::black);
        painter.fillRect(QRect(QPoint(right, y), QPoint(right, bottom)), Qt::black);
        painter.fillRect(QRect(QPoint(x, bottom), QPoint(right, bottom)), Qt::black);
        painter.fillRect(QRect(QPoint(x, y), QPoint(x, bottom)), Qt::black);
    }
    m_overlay = Overlay::Outline;
    m_overlayRect = QRect(QPoint(x, y), QPoint(right, bottom)).normalized() & m_foreground.rect();
    m_dirty = m_overlayRect;
    return changed | m_overlayRect;
}

QRect SheetLayers::drawCornerMarks(const PixelRect &rect, const QImage &brush)
{
    QRect changed = RefreshSheet();
    QRect marked;
    {
        QPainter painter(&m_foreground);
        const QBrush pattern(brush);
        for (const PixelRect &square : cornerMarks(rect)) {
            const QRect area(QPoint(square.left, square.top), QPoint(square.right, square.bottom));
            painter.fillRect(area, pattern);
            marked |= area;
        }
    }
    m_overlay = Overlay::Marks;
    m_overlayRect = marked & m_foreground.rect();
    m_dirty = m_overlayRect;
    return changed | m_overlayRect;
}

} // namespace talvex
