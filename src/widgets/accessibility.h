#pragma once

#include <QAccessible>

class QWidget;

namespace talvex {

// Gives a widget another role for assistive technology than its class gets, such as a window
// or dialog for a top-level QWidget. Call it first thing: a title or name given to the widget
// makes Qt build and keep the interface of its class.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

} // namespace talvex
