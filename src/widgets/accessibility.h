#pragma once

#include <QAccessible>
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

} // namespace talvex
