#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Runs dialog.exec() the way the inspector opens an editor and lets whileOpen act as the user
// once the dialog is the active modal window. Should whileOpen not close it, the dialog is
// rejected after a few seconds so that a failing test cannot hang.
inline int runModal(QDialog &dialog, const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, &dialog, [&dialog, whileOpen] {
        if (QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &dialog; }))
            whileOpen();
    });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.reject(); });
    return dialog.exec();
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
