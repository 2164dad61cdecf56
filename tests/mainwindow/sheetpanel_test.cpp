// The sheet panel draws its raised bevel itself; it must stay pixel for pixel the toolkit's
// shade panel around the sheet.

#include "editorfixture.h"

#include <QPainter>
#include <qdrawutil.h>

#include <gtest/gtest.h>

using talvex::test::Editor;

TEST(SheetPanel, BevelIsTheToolkitsRaisedShadePanel)
{
    Editor editor;
    auto *panel = editor.main->findChild<QWidget *>(QStringLiteral("ForegroundPanel"));
    ASSERT_NE(panel, nullptr);
    const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage expected(panel->size(), QImage::Format_RGB32);
    expected.fill(Qt::magenta);
    {
        QPainter painter(&expected);
        painter.setPen(panel->palette().color(QPalette::Dark));
        painter.drawRect(expected.rect().adjusted(0, 0, -1, -1));
        qDrawShadePanel(&painter, expected.rect().adjusted(1, 1, -1, -1), panel->palette(), false,
                        4);
        // The border and the bevel: five pixels on every side; the sheet covers the inside.
        const QRect inside = expected.rect().adjusted(5, 5, -5, -5);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(inside, shown, inside);
    }
    EXPECT_EQ(shown, expected);
}
