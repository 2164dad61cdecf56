#pragma once

// What the main window's tests share: a fresh editor for each test and the readings they repeat.

#include "editorfixture.h"
#include "model/elementmodel.h"
#include "tables.h"

// The widgets the tests read.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace talvex::test {

inline const QColor Silver(192, 192, 192);

// Key clicks on widget, one after the other.
inline void keyClicks(QWidget *widget, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(widget, key);
}

inline int placedCount(const ElementModel &model)
{
    int count = 0;
    for (int n = 1; n <= LastElementNumber; ++n)
        count += model.elements.at(n).number != 0 ? 1 : 0;
    return count;
}

// Makes window the active one, which no window manager does offscreen.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

struct EditorTest : ::testing::Test
{
    QAction *action(const char *name) const { return main.findChild<QAction *>(name); }
    QToolButton *button(PaletteButton b) const { return main.paletteButton(b); }

    Editor editor;
    TTalvexForm &main = *editor.main;
    TInspectForm &inspector = *editor.inspector;
};

} // namespace talvex::test
