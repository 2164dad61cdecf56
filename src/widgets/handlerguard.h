#pragma once

#include "model/modelerror.h"

#include <QString>

#include <functional>
#include <utility>

class QWidget;

namespace talvex {

// Shows a model error that abandoned a user action; the program keeps running. The default
// shows the toolkit's error box; tests install their own so that no modal box blocks them.
using ErrorReporter = std::function<void(QWidget *parent, const QString &text)>;
ErrorReporter setErrorReporter(ErrorReporter reporter);
void reportError(QWidget *parent, const QString &text);

// Runs one user action. A model error abandons it and is reported over the context's window;
// nothing is thrown on into Qt, whose event delivery and signal emission must not see
// exceptions. Every handler entry and every connected lambda goes through here.
template<typename Action>
void guarded(const QWidget *context, Action &&action) noexcept
{
    try {
        std::forward<Action>(action)();
    } catch (const ModelError &error) {
        reportError(const_cast<QWidget *>(context), QString::fromStdString(error.what()));
    }
}

// A slot for connect() that runs action through guarded(); Args are the arguments the slot
// takes from the signal.
template<typename... Args, typename Action>
auto guardedSlot(const QWidget *context, Action action)
{
    return [context, action = std::move(action)](Args... args) noexcept {
        guarded(context, [&] { action(args...); });
    };
}

} // namespace talvex
