// Every window carries the logo as its icon, in the sizes task bars and window switchers ask
// for, and the application names its launcher entry so that desktops find the installed icon.

#include "editorfixture.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace talvex::test {
namespace {

// Fully transparent pictures are what a missing or undecodable file leaves behind.
bool hasOpaquePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

TEST(WindowIcon, TheLogoComesInBothSizesAndDecodesAtEach)
{
    // The windows get it once the main window's first frame is out, or when all are made.
    Editor editor;
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {48, 256}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(hasOpaquePixel(image));
    }
    // Asked after the pictures were read: an entry whose file failed to load drops out.
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(48, 48))) << sizes.size() << " sizes";
    EXPECT_TRUE(sizes.contains(QSize(256, 256))) << sizes.size() << " sizes";
}

TEST(WindowIcon, NoWindowReplacesTheApplicationIcon)
{
    Editor editor;
    const qint64 logo = QApplication::windowIcon().cacheKey();
    const QList<QWidget *> windows{editor.main, editor.inspector, editor.about, editor.lines,
                                   editor.data};
    for (const QWidget *window : windows) {
        EXPECT_EQ(window->windowIcon().cacheKey(), logo) << window->objectName().toStdString();
    }
}

TEST(WindowIcon, TheDesktopFileNameIsTheLauncherEntry)
{
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.talvex.Talvex"));
}

} // namespace
} // namespace talvex::test
