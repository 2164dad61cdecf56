#include "app/windowsystem.h"

#include "widgets/windowmanager.h"

#include <QtGlobal>

namespace talvex {

QString preferredPlatform(const Session &session)
{
    if (!session.chosenPlatform.isEmpty() || !session.waylandDisplay || !session.x11Display)
        return {};
    return QStringLiteral("xcb;wayland");
}

void choosePlatform()
{
    Session session;
    session.chosenPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    session.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    session.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                             !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") ||
                             qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    const QString platform = preferredPlatform(session);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
}

bool reportWindowPlaces(std::FILE *stream)
{
    if (windowmanager::placesWindows())
        return false;
    std::fputs("Talvex: Auf dieser Wayland-Sitzung bestimmt der Compositor, wo die Fenster "
               "stehen; mit einer X-Anzeige (DISPLAY, Xwayland) hält Talvex die "
               "Fensterpositionen selbst.\n",
               stream);
    return true;
}

} // namespace talvex
