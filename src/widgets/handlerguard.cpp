#include "widgets/handlerguard.h"

#include <QApplication>
#include <QMessageBox>

namespace talvex {

namespace {

void showErrorBox(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent ? parent->window() : nullptr, QApplication::applicationName(),
                          text);
}

ErrorReporter &installedReporter()
{
    static ErrorReporter reporter = showErrorBox;
    return reporter;
}

} // namespace

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = installedReporter();
    installedReporter() = reporter ? std::move(reporter) : ErrorReporter(showErrorBox);
    return previous;
}

void reportError(QWidget *parent, const QString &text)
{
    installedReporter()(parent, text);
}

} // namespace talvex
