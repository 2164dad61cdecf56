#pragma once

#include <QProxyStyle>

namespace talvex {

// The application's style with the few metrics the windows need to be exact: tool bars without
// spacing, margins or frame (buttons stand at their fixed places), status panels that draw their
// own bevel, small cell tabs, and drop-down lists that keep to their number of visible entries.
// Cheaper than style sheets, which restyle every widget.
class CompactStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
};

} // namespace talvex
