#pragma once

#include "model/element.h"

class QImage;
class QStyle;

namespace talvex {

// What the inspector needs of the main window, and nothing more: the window the inspector
// stands beside, the sheet on which it marks the shown element, the pointer outline it erases,
// and the pictures and style that both windows share.
class InspectorHost
{
public:
    virtual ~InspectorHost() = default;

    // Left edge of the main window's outer frame: the room left of it is the inspector's.
    virtual int hostLeft() const = 0;

    // Makes the visible sheet equal to the background layer again.
    virtual void RefreshSheet() = 0;
    // RefreshSheet(), then the four corner marks of rect on the visible sheet, drawn with
    // BlackImg as brush.
    virtual void markElement(const PixelRect &rect) = 0;
    // Erases the pointer outline unless the pointer tool is active.
    virtual void TopPanelMouseMove() = 0;

    // Tile picture of kind 1 to 283; throws ModelError for any other number.
    virtual const QImage &kindTile(int kind) const = 0;
    // The style that gives tabs, tool bars and status panels their exact metrics.
    virtual QStyle *compactStyle() const = 0;

protected:
    InspectorHost() = default;
    InspectorHost(const InspectorHost &) = default;
    InspectorHost &operator=(const InspectorHost &) = default;
};

} // namespace talvex
