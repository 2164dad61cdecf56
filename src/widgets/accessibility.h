#pragma once

#include <QAccessible>

class QComboBox;
class QWidget;

namespace talvex {

// Gives a widget another role for assistive technology than its class gets, such as a window
// or dialog for a top-level QWidget. Call it first thing: a title or name given to the widget
// makes Qt build and keep the interface of its class.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Exposes a combo box with its accessible name as name and its current entry as value; Qt on
// Linux names a combo box by its entry, so the label would be lost. Call it before the name is
// set, for the same reason.
void exposeNamedComboBox(QComboBox *comboBox);

} // namespace talvex
