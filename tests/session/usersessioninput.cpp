#include "usersessioninput.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace talvex::test {

namespace {

// The key a character comes from on a German keyboard, for the key event that carries it.
Qt::Key keyOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return Qt::Key(Qt::Key_0 + (u - '0'));
    if (u >= 'a' && u <= 'z')
        return Qt::Key(Qt::Key_A + (u - 'a'));
    if (u >= 'A' && u <= 'Z')
        return Qt::Key(Qt::Key_A + (u - 'A'));
    switch (u) {
    case ',':
        return Qt::Key_Comma;
    case '.':
        return Qt::Key_Period;
    case ' ':
        return Qt::Key_Space;
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    case '\t':
        return Qt::Key_Tab;
    case '\n':
        return Qt::Key_Return;
    case u'ä':
        return Qt::Key_Adiaeresis;
    case u'ß':
        return Qt::Key_ssharp;
    default:
        return Qt::Key_unknown;
    }
}

} // namespace

// A press and a release at position, delivered like the window system delivers them to the
// widget under the pointer.
void sendClick(QWidget *widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
               QPoint position)
{
    const QPointF global = widget->mapToGlobal(QPointF(position));
    const QPointF at(position);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, modifiers);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &release);
}

QString buttonName(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return QStringLiteral("links");
    case Qt::RightButton:
        return QStringLiteral("rechts");
    default:
        return QStringLiteral("Mitte");
    }
}

// Makes control characters and blanks readable in the log.
QString visible(const QString &text)
{
    QString shown;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// Types one character, control characters included, as a key press and release.
void typeCharacter(QWidget *widget, QChar c)
{
    const QString text = c == QLatin1Char('\n') ? QStringLiteral("\r") : QString(c);
    QTest::sendKeyEvent(QTest::Click, widget, keyOf(c), text, Qt::NoModifier);
}

bool isEditorOpen(const QPointer<QLineEdit> &edit)
{
    return edit && edit->isVisible();
}

} // namespace talvex::test
