#include "editorwindows.h"
#include "errorreport.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dynamischer Ökonomie/Ökologie-Modellierer"));
    talvex::installFatalMessageBox();

    talvex::EditorWindows windows;
    windows.TalvexForm.show();
    return QApplication::exec();
}
