#pragma once

#include "model/element.h"

#include <QImage>
#include <QRect>

namespace talvex {

// The two raster layers of the drawing sheet. The background holds the silver ground and every
// placed tile; the foreground is what the user sees: the background plus at most one overlay,
// either the pointer outline or the corner marks of the inspected element.
class SheetLayers
{
public:
    enum class Overlay
    {
        None,
        Outline,
        Marks
    };

    // Creates both layers of size, filled with silver.
    void create(QSize size);

    // Copies a whole 24 x 24 tile into the background with its top-left corner at (px, py),
    // clipped at the layer's edges.
    void DrawTile(const QImage &tile, int px, int py);

    // Makes the foreground equal to the background again. Returns the foreground area that
    // changed, so that a view repaints only that.
    QRect RefreshSheet();

    // RefreshSheet(), then the closed one-pixel black outline of width x height cells with its
    // top-left pixel at (x, y). Returns the changed foreground area.
    QRect DrawOutline(int x, int y, int width, int height);

    // RefreshSheet(), then four 3 x 3 squares centred on the corners of rect, filled with brush
    // as a pattern. Returns the changed foreground area.
    QRect drawCornerMarks(const PixelRect &rect, const QImage &brush);

    const QImage &background() const { return m_background; }
    const QImage &foreground() const { return m_foreground; }
    Overlay overlay() const { return m_overlay; }
    // Where the overlay stands on the foreground; empty without one.
    QRect overlayRect() const { return m_overlayRect; }

private:
    QImage m_background;
    QImage m_foreground;
    Overlay m_overlay = Overlay::None;
    QRect m_overlayRect;
    // Foreground area that differs from the background: the overlay and tiles drawn since the
    // last refresh. Copying just this keeps the refresh cheap on every pointer move.
    QRect m_dirty;
};

} // namespace talvex
