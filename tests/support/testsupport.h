#pragma once

#include "modal.h"

#include <QDialog>
#include <QTest>
#include <QWidget>

#include <functional>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Runs dialog.exec() the way the inspector opens an editor and lets whileOpen act as the user
// once the dialog is the active modal window.
inline int runModal(QDialog &dialog, const std::function<void()> &whileOpen)
{
    int result = -1;
    talvex::test::whileModal([&] { result = dialog.exec(); }, [&](QDialog &) { whileOpen(); });
    return result;
}

// The widgets that Tab visits, in order, starting at first.
inline QStringList tabOrder(QWidget *first)
{
    QStringList names;
    QWidget *w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}
