#pragma once

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace talvex {

// The application object: sets the application title, the font of every window, the style and
// the launcher name.
class TalvexApplication : public QApplication
{
    Q_OBJECT

public:
    TalvexApplication(int &argc, char **argv);

    // The font of every window: Liberation Sans 8 point, with close fallbacks.
    static QFont editorFont();

    // The logo in the sizes the program embeds (48 and 256 pixels), read on first use.
    static QIcon logo();
};

} // namespace talvex
