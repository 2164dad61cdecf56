#include "app/application.h"

#include "app/applicationstyle.h"
#include "app/keynames.h"

namespace talvex {

TalvexApplication::TalvexApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // The name, not the display name: Qt appends a display name to every window caption.
    setApplicationName(QStringLiteral("Dynamischer Ökonomie/Ökologie-Modellierer"));
    setFont(editorFont());
    setStyle(new ApplicationStyle);
    installTranslator(new GermanKeyNames(this));
    // Wayland and the task bars find the launcher entry, and with it the installed icon, by this.
    // The windows get the logo itself once the first frame is shown (EditorWindows).
    setDesktopFileName(QStringLiteral(TALVEX_APP_ID));
}

QIcon TalvexApplication::logo()
{
    // With its size given, addFile only records the file: nothing is decoded before a window
    // system asks for a picture of that size.
    QIcon icon;
    for (const int size : {48, 256})
        icon.addFile(QStringLiteral(":/icons/talvex-%1.png").arg(size), QSize(size, size));
    return icon;
}

QFont TalvexApplication::editorFont()
{
    // The fixed layouts are measured for an 8-point sans serif with Arial's metrics. Liberation
    // Sans has them and comes with the package; Arial and Helvetica stand in where it is missing.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace talvex
