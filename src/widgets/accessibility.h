#pragma once

#include <QAccessible>
#include <QPointer>
#include <QVariant>

#include <typeinfo>

class QWidget;

namespace talvex {

// Gives a widget another role for assistive technology than its class gets, such as a window
// or dialog for a top-level QWidget. Call it first thing: a title or name given to the widget
// makes Qt build and keep the interface of its class.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Makes Qt build the accessible interface Face (constructed from the widget) for this widget;
// other widgets of its class keep Qt's own. Qt installs each factory once.
template<typename Face, typename Widget>
void exposeAs(Widget *widget)
{
    QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
        auto *marked = qobject_cast<Widget *>(object);
        if (!marked || !marked->property(typeid(Face).name()).toBool())
            return nullptr;
        return new Face(marked);
    });
    widget->setProperty(typeid(Face).name(), true);
}

// An accessible child of a widget that is no widget itself, such as a list entry or a cell: it
// has no children and takes no text. Valid while its owner lives.
template<typename Widget>
class WidgetPartAccessible : public QAccessibleInterface
{
public:
    explicit WidgetPartAccessible(Widget *owner)
        : m_owner(owner)
    {}

    bool isValid() const override { return m_owner; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return m_owner ? QAccessible::queryAccessibleInterface(m_owner.data()) : nullptr;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    QPointer<Widget> m_owner;
};

} // namespace talvex
