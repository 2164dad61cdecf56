#pragma once

// What both scenarios check after each placing: record, inspector, palette and sheet.

#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "model/attributes.h"
#include "model/elementmodel.h"

#include <QComboBox>
#include <QTabBar>

#include <gtest/gtest.h>

namespace talvex::test {

inline void expectPlaced(const Editor &editor, int number, int column, int row)
{
    const Element &record = editor.model().elements.at(number);
    EXPECT_EQ(std::pair(record.head.x, record.head.y), std::pair(column, row));
    TInspectForm &inspector = *editor.inspector;
    EXPECT_EQ(inspector.ComboBox->currentText(), QString::fromStdString(elementListEntry(record)));
    EXPECT_EQ(inspector.ElementValueList->value(0), QStringLiteral("%1,%2").arg(column).arg(row));
    EXPECT_EQ(inspector.CellTabBar->count(), record.head.width * record.head.height);
    EXPECT_EQ(editor.main->statusText(0), QStringLiteral("kein Element vorgewählt"));
    EXPECT_TRUE(editor.main->paletteButton(PaletteButton::PointerTBtn)->isChecked());
    const QPoint corner((column - 1) * CellSize, (row - 1) * CellSize);
    const QImage &firstTile =
        editor.main->kindTile(record.head.height >= 2 ? record.head.firstKind + record.head.height
                                                      : record.head.firstKind);
    EXPECT_EQ(editor.background().copy(QRect(corner, QSize(24, 24))),
              firstTile.convertToFormat(editor.background().format()));
    EXPECT_EQ(editor.foreground().pixelColor(corner), QColor(Qt::black)) << "corner mark";
}

} // namespace talvex::test
