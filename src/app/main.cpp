#include "app/application.h"
#include "app/editorwindows.h"
#include "app/errorreport.h"
#include "app/windowsystem.h"
#include "model/fatal.h"
#include "model/modelerror.h"

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    talvex::choosePlatform();
    talvex::TalvexApplication app(argc, argv);
    talvex::reportWindowPlaces(stderr);
    talvex::installFatalMessageBox();

    // A model error while the windows are built leaves no editor to go on with.
    std::unique_ptr<talvex::EditorWindows> windows;
    try {
        windows = std::make_unique<talvex::EditorWindows>();
    } catch (const talvex::ModelError &error) {
        talvex::fatalError(error.what(), 1);
    }
    windows->TalvexForm.show();
    // Without a window manager nobody else gives the window the keyboard; Qt asks for it once
    // the window is mapped (under a window manager, through _NET_ACTIVE_WINDOW).
    windows->TalvexForm.activateWindow();
    return talvex::TalvexApplication::exec();
}
