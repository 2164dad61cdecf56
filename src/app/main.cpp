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
    return talvex::TalvexApplication::exec();
}
