#pragma once

class QAccessibleEvent;

namespace talvex {

// Keeps assistive technology's focus where the keyboard focus is. Qt reports a table's new
// current cell as focused even while the table, or its whole window, has no focus, and it reports
// a widget that hands the focus on from its focus-in handler after the widget it handed it to;
// a screen reader follows such a report into a hidden window or away from the focused control.
// Installed once, before the first window is shown; every other event passes unchanged.
void installAccessibleFocusFilter();

// Whether the event reaches assistive technology: a focus, caret or text selection event only
// for the focus widget of the active window or a part of it (a cell, an entry), or for a menu or
// drop-down list, which move the accessible focus themselves; every other event always.
bool reachesAssistiveTechnology(QAccessibleEvent *event);

} // namespace talvex
