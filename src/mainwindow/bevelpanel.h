#pragma once

#include <QFrame>

namespace talvex {

// The sheet panel: one pixel of border around a raised bevel of four. While the sheet in it has
// the focus the border and the bevel's outer ring show it in the highlight colour; the sheet
// picture itself stays as it is.
class BevelPanel : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool focusProxyHasFocus() const;
    // The pixels of qDrawShadePanel(raised), filled row by row: its line drawing costs more than
    // the rest of the first frame's sheet panel.
    void drawRaisedBevel(QPainter &painter, const QRect &r, int lineWidth) const;
};

} // namespace talvex
