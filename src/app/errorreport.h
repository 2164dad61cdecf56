#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace talvex {

// Shows a model error that abandoned a user action; the program keeps running. The default
// shows the toolkit's error box; tests install their own so that no modal box blocks them.
using ErrorReporter = std::function<void(QWidget *parent, const QString &text)>;
ErrorReporter setErrorReporter(ErrorReporter reporter);
void reportError(QWidget *parent, const QString &text);

// Makes fatal errors of the element model show an error box before the process ends.
void installFatalMessageBox();

} // namespace talvex
