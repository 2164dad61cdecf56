#include "aboutform.h"
#include "dataform.h"
#include "errorreport.h"
#include "inspectform.h"
#include "linesform.h"
#include "talvexform.h"

#include <QApplication>

using namespace talvex;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dynamischer Ökonomie/Ökologie-Modellierer"));
    installFatalMessageBox();

    // The five windows, created in this order; the element model is built inside the first.
    TTalvexForm talvexForm;
    TInspectForm inspectForm(talvexForm);
    TAboutTalvexForm aboutTalvexForm(talvexForm.pictures());
    TLinesForm linesForm;
    TDataForm dataForm;
    talvexForm.setCompanions(&inspectForm, &aboutTalvexForm);
    inspectForm.setEditors(&linesForm, &dataForm);

    talvexForm.show();
    return QApplication::exec();
}
