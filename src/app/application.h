#pragma once

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace talvex {

// The application object: sets the application title, the window icon and the launcher name,
// and delivers every event inside one guard, so that a model error raised by any handler
// abandons only that user action. The error is shown by the installed error reporter and the
// editor keeps running.
class TalvexApplication : public QApplication
{
    Q_OBJECT

public:
    TalvexApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The font of every window: Liberation Sans 8 point, with close fallbacks.
    static QFont editorFont();

    // The logo in the sizes the program embeds (48 and 256 pixels), read on first use.
    static QIcon logo();
};

} // namespace talvex
