#pragma once

class QComboBox;

namespace talvex {

// Exposes a combo box with its current entry as the text assistive technology reads, and, each
// time the entry changes while the combo box has the keyboard focus, as a newly focused child.
// Qt's bridge carries no value for a combo box, and Orca speaks neither its name changes nor a
// selection it cannot read; it does speak a newly focused object. The combo box keeps Qt's name
// (its current entry, a label given by QLabel::setBuddy read as labelled-by) unless it has an
// accessible name of its own. Call before the combo box is named or its interface is built.
void exposeComboBox(QComboBox *comboBox);

} // namespace talvex
