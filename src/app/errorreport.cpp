#include "app/errorreport.h"

#include "model/fatal.h"

#include <QApplication>
#include <QMessageBox>

namespace talvex {

void installFatalMessageBox()
{
    setFatalHandler([](const std::string &text, int exitCode) {
        // The table overflow is told in a plain box, the catalogue and sheet errors as errors.
        const QMessageBox::Icon icon = exitCode == 3 ? QMessageBox::NoIcon : QMessageBox::Critical;
        QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.exec();
    });
}

} // namespace talvex
