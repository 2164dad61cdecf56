#include "widgets/compactstyle.h"

namespace talvex {

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    switch (metric) {
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
    case PM_ToolBarFrameWidth:
        return 0;
    case PM_TabBarTabHSpace:
        // The cell tabs are 39 pixels wide: room for "10.Zelle" with a small margin.
        return 4;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void CompactStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameStatusBarItem)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int CompactStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    // A drop-down list, not a popup over the current entry: only then does a combo box keep to
    // its number of visible entries.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize CompactStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                     const QSize &size, const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab)
        result = QSize(39, 15);
    return result;
}

} // namespace talvex
