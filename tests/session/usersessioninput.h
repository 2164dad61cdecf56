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
// On a real X display with TALVEX_SESSION_XTEST set, clicks can go through the X server's test
// extension (xdotool), taking the way a user's click takes: window manager, stacking,
// activation, and the pointer's move to the click. Only where the widget is the topmost window
// at that point.
bool canClickThroughX(QWidget *widget, QPoint position);
// Moves the pointer there, clicks, waits for the click to arrive, and parks the pointer off
// every window again.
void clickThroughX(QWidget *widget, Qt::MouseButton button, QPoint position);
// Makes control characters and blanks readable in the log.
QString visible(const QString &text);
// Types one character, control characters included, as a key press and release.
void typeCharacter(QWidget *widget, QChar c);
bool isEditorOpen(const QPointer<QLineEdit> &edit);

} // namespace talvex::test
