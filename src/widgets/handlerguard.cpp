#include "widgets/handlerguard.h"

#include "model/replaceable.h"

#include <QApplication>
#include <QMessageBox>

namespace talvex {

namespace {

void showErrorBox(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent ? parent->window() : nullptr, QApplication::applicationName(),
                          text);
}

Replaceable<ErrorReporter> &installedReporter()
{
    static Replaceable<ErrorReporter> reporter{ErrorReporter(showErrorBox)};
    return reporter;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return installedReporter().replace(std::move(reporter));
}

void reportError(QWidget *parent, const QString &text)
{
    installedReporter()(parent, text);
}

} // namespace talvex
