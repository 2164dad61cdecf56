#include "usersessioninput.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <utility>

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
    static const std::pair<char16_t, Qt::Key> Others[] = {
        {u',', Qt::Key_Comma},   {u'.', Qt::Key_Period},     {u' ', Qt::Key_Space},
        {u'-', Qt::Key_Minus},   {u'+', Qt::Key_Plus},       {u'\t', Qt::Key_Tab},
        {u'\n', Qt::Key_Return}, {u'ä', Qt::Key_Adiaeresis}, {u'ß', Qt::Key_ssharp}};
    for (const auto &[character, key] : Others)
        if (u == character)
            return key;
    return Qt::Key_unknown;
}

// Counts the mouse presses and releases a widget receives, to know when a click from outside
// has arrived.
class ClickCounter : public QObject
{
public:
    explicit ClickCounter(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    ~ClickCounter() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }
    int presses = 0;
    int releases = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        else if (event->type() == QEvent::MouseButtonRelease)
            ++releases;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
};

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// The pointer waits in the screen's bottom-right corner, below every window of the editor, so
// that it crosses nothing between two clicks.
void parkPointer()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.right()),
             QString::number(screen.bottom())});
}

bool xtestEnabled()
{
    static const bool enabled = [] {
        if (!qEnvironmentVariableIsSet("TALVEX_SESSION_XTEST") ||
            QGuiApplication::platformName() != QLatin1String("xcb"))
            return false;
        parkPointer();
        return true;
    }();
    return enabled;
}

} // namespace

bool canClickThroughX(QWidget *widget, QPoint position)
{
    return xtestEnabled() && QApplication::widgetAt(widget->mapToGlobal(position)) == widget;
}

void clickThroughX(QWidget *widget, Qt::MouseButton button, QPoint position)
{
    const QPoint global = widget->mapToGlobal(position);
    const int number = button == Qt::LeftButton ? 1 : button == Qt::MiddleButton ? 2 : 3;
    ClickCounter counter(widget);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
             QString::number(global.y()), QStringLiteral("click"), QString::number(number)});
    // The press may come late on a loaded machine. The release goes to a popup menu that the
    // press opened, so it is waited for briefly. A click that does not arrive shows up in the
    // next coherence check.
    if (QTest::qWaitFor([&] { return counter.presses > 0; }, 10000))
        (void)QTest::qWaitFor([&] { return counter.releases > 0; }, 100);
    parkPointer();
    QCoreApplication::processEvents();
}

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
    return button == Qt::LeftButton    ? QStringLiteral("links")
           : button == Qt::RightButton ? QStringLiteral("rechts")
                                       : QStringLiteral("Mitte");
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
