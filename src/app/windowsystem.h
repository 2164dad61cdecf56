#pragma once

#include <QString>

#include <cstdio>

namespace talvex {

// The session the editor starts in, as its environment describes it.
struct Session
{
    QString chosenPlatform;      // QT_QPA_PLATFORM as the user set it; empty when unset
    bool x11Display = false;     // DISPLAY names an X server, Xwayland on a Wayland desktop
    bool waylandDisplay = false; // a Wayland compositor: WAYLAND_DISPLAY, or a Wayland session
};

// The platform Qt is to load, or empty where Qt's own choice stands (the user chose one, or
// there is no Wayland). On a Wayland desktop that offers an X display too, X11 through Xwayland
// comes first: only there the editor places its windows; Wayland is the fallback.
QString preferredPlatform(const Session &session);

// Reads the session from the environment and asks Qt for the preferred platform; runs before
// the application object exists.
void choosePlatform();

// On a platform where the compositor places the windows, says so once on the stream; runs once
// the application object exists. Returns whether it said so.
bool reportWindowPlaces(std::FILE *stream);

} // namespace talvex
