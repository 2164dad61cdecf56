#pragma once

#include <QProxyStyle>

namespace talvex {

// The application's style: the platform's default style, except that the pictures of tool bar
// and menu bar extension buttons are decoded when first drawn instead of when every bar is
// built. Those buttons show only where a bar overflows, and decoding their pictures loads the
// image format plugins, a good part of the start-up.
class ApplicationStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                       const QWidget *widget) const override;
};

} // namespace talvex
