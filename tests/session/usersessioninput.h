#pragma once

#include <QPointer>
#include <QString>

class QLineEdit;
class QPoint;
class QWidget;

namespace talvex::test {

// Input as the random user gives it, shared by its operations.

// A press and a release at position, delivered like the window system delivers them to the
// widget under the pointer.
void sendClick(QWidget *widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
               QPoint position);
QString buttonName(Qt::MouseButton button);
// Makes control characters and blanks readable in the log.
QString visible(const QString &text);
// Types one character, control characters included, as a key press and release.
void typeCharacter(QWidget *widget, QChar c);
bool isEditorOpen(const QPointer<QLineEdit> &edit);

} // namespace talvex::test
