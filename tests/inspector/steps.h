#pragma once

// Steps of the user the inspector's tests share: a window made active as a window manager would,
// Tab and Backtab sent where the focus is, the name of what holds it, and a cell of the data
// table editor opened for typing.

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

inline void activate(QWidget &window)
{
    window.show();
    window.activateWindow(); // no window manager does it offscreen
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

inline QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

inline void tab(bool forward = true)
{
    QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
}

// The data table's in-place editor while it has the focus, or nullptr.
inline QLineEdit *cellEditor(const QWidget &form)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && form.findChild<QTableWidget *>("StringGrid")->isAncestorOf(focus)
               ? qobject_cast<QLineEdit *>(focus)
               : nullptr;
}

// The editor of a data table cell once the user has moved there, its text selected; rows count
// from 1 below the title row.
inline QLineEdit *openCell(QWidget &form, int column, int row)
{
    auto *grid = form.findChild<QTableWidget *>("StringGrid");
    grid->setFocus();
    grid->setCurrentCell(row - 1, column);
    if (!QTest::qWaitFor([&] { return cellEditor(form); }))
        return nullptr;
    cellEditor(form)->selectAll();
    return cellEditor(form);
}
