#include "mainwindow/rovingfocus.h"

#include "model/focusorder.h"

#include <QKeyEvent>
#include <QWidget>

namespace talvex {

RovingFocus::RovingFocus(Axis axis, bool activateOnMove, QObject *parent)
    : QObject(parent)
    , m_axis(axis)
    , m_activateOnMove(activateOnMove)
{}

void RovingFocus::setMembers(const QList<QWidget *> &members, std::function<void(int)> activate)
{
    for (QWidget *member : std::as_const(m_members))
        member->removeEventFilter(this);
    m_members = members;
    m_activate = std::move(activate);
    for (QWidget *member : std::as_const(m_members))
        member->installEventFilter(this);
    setStop(m_members.isEmpty() ? -1 : 0);
}

void RovingFocus::setStop(int member)
{
    m_stop = member >= 0 && member < m_members.size() ? member : -1;
    // Clicks never move the focus here: only Tab (to the stop) and the arrow keys do.
    for (int i = 0; i < m_members.size(); ++i)
        m_members[i]->setFocusPolicy(i == m_stop ? Qt::TabFocus : Qt::NoFocus);
}

int RovingFocus::focusedMember() const
{
    for (int i = 0; i < m_members.size(); ++i)
        if (m_members[i]->hasFocus())
            return i;
    return -1;
}

void RovingFocus::focusStop(Qt::FocusReason reason)
{
    if (m_stop >= 0)
        m_members[m_stop]->setFocus(reason);
}

bool RovingFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int from = m_members.indexOf(static_cast<QWidget *>(watched));
    auto *key = static_cast<QKeyEvent *>(event);
    if (from < 0 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_activate && m_members[from]->isEnabled())
            m_activate(from);
        return true;
    }
    return moveFocus(from, key->key());
}

bool RovingFocus::moveFocus(int from, int key)
{
    std::vector<bool> enabled;
    for (QWidget *member : std::as_const(m_members))
        enabled.push_back(member->isEnabled() && member->isVisible());
    int to;
    if (m_axis == Axis::Horizontal) {
        switch (key) {
        case Qt::Key_Left:
            to = stepToEnabled(enabled, from, -1, false);
            break;
        case Qt::Key_Right:
            to = stepToEnabled(enabled, from, 1, false);
            break;
        case Qt::Key_Home:
            to = firstEnabled(enabled);
            break;
        case Qt::Key_End:
            to = lastEnabled(enabled);
            break;
        default:
            return false;
        }
    } else {
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        to = stepToEnabled(enabled, from, key == Qt::Key_Down ? 1 : -1, true);
    }
    if (to < 0 || to == from)
        return true;
    m_members[to]->setFocus(Qt::OtherFocusReason);
    if (m_activateOnMove && m_activate)
        m_activate(to);
    return true;
}

} // namespace talvex
