#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace talvex {

// Makes a row of controls one tab stop: Tab reaches only the stop, arrow keys move the focus
// along the enabled members. Controls keep their own keys (Space on a button); Return
// activates the focused member. In a radio group moving the focus also activates the member
// it lands on.
class RovingFocus : public QObject
{
    Q_OBJECT

public:
    enum class Axis
    {
        Horizontal, // Left, Right, Home, End; no wrapping at the ends
        Vertical,   // Up, Down; going round
    };

    RovingFocus(Axis axis, bool activateOnMove, QObject *parent = nullptr);

    // activate is what a click on the member does.
    void setMembers(const QList<QWidget *> &members, std::function<void(int)> activate);
    const QList<QWidget *> &members() const { return m_members; }
    // The one member Tab reaches; the others take the focus only by the arrow keys.
    void setStop(int member);
    int stop() const { return m_stop; }
    // The member that has the focus, or -1.
    int focusedMember() const;
    // Gives the focus to the stop, as Tab does.
    void focusStop(Qt::FocusReason reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool moveFocus(int from, int key);

    Axis m_axis;
    bool m_activateOnMove;
    QList<QWidget *> m_members;
    std::function<void(int)> m_activate;
    int m_stop = -1;
};

} // namespace talvex
