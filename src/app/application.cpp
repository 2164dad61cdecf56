#include "app/application.h"

#include "app/errorreport.h"
#include "model/modelerror.h"

namespace talvex {

TalvexApplication::TalvexApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The name, not the display name: Qt appends a display name to every window caption.
    setApplicationName(QStringLiteral("Dynamischer Ökonomie/Ökologie-Modellierer"));
}

bool TalvexApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ModelError &error) {
        reportError(activeWindow(), QString::fromStdString(error.what()));
        return true;
    }
}

} // namespace talvex
