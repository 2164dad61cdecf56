#pragma once

// The one way the tests wait for a modal dialog: from inside the dialog's own event loop, so
// that a test can act in it as the user does. Header-only, for the memory benchmark too.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace talvex::test {

// The dialog an action opened, or nullptr, and its outer geometry as it was shown.
struct Modal
{
    QDialog *dialog = nullptr;
    QRect frame;
};

// Runs action and hands the first modal dialog it opens to whileOpen, which acts in it as the
// user does; the dialog is rejected afterwards should it still be open, so that a failing test
// cannot hang.
inline Modal whileModal(const std::function<void()> &action,
                        const std::function<void(QDialog &)> &whileOpen = {})
{
    Modal opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        opened = {dialog, dialog->frameGeometry()};
        if (whileOpen)
            whileOpen(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start(0);
    action();
    poll.stop();
    return opened;
}

} // namespace talvex::test
