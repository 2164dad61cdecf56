#include "widgets/accessiblefocus.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QWidget>

namespace talvex {

namespace {

// The widget an interface belongs to: its own, or that of the nearest ancestor with one (a cell
// of a list, the sheet's keyboard pointer, a combo box's current entry).
QWidget *widgetOf(QAccessibleInterface *face)
{
    for (int depth = 0; face && depth < 8; ++depth, face = face->parent()) {
        QObject *object = face->object();
        if (object && object->isWidgetType())
            return static_cast<QWidget *>(object);
    }
    return nullptr;
}

void filterUpdate(QAccessibleEvent *event)
{
    // Qt has applied a table's model change to its interface before any handler runs; the
    // bridge ignores the event, and handing it on would apply the change a second time.
    if (event->type() == QAccessible::TableModelChanged || !reachesAssistiveTechnology(event))
        return;
    // Qt hands an event to the platform's bridge only while no handler is installed.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

} // namespace

void installAccessibleFocusFilter()
{
    static const bool installed = [] {
        QAccessible::installUpdateHandler(&filterUpdate);
        return true;
    }();
    (void)installed;
}

bool reachesAssistiveTechnology(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::Focus:
    // Orca takes a moved caret or selection for a focus change: an in-place editor selects its
    // text before it gets the focus.
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        break;
    default:
        return true;
    }
    const QWidget *widget = widgetOf(event->accessibleInterface());
    if (!widget)
        return true;
    if (widget->window()->windowType() == Qt::Popup || qobject_cast<const QMenuBar *>(widget))
        return true;
    return widget == QApplication::focusWidget() && widget->window()->isActiveWindow();
}

} // namespace talvex
