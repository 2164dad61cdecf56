#pragma once

class QAbstractItemView;

namespace talvex {

// Qt's interface of a table or list counts only its cells and a pane (the corner) among its
// children and warns when asked where any of its child widgets stands: the viewport, parent of
// the in-place editors, the header views, the scroll bar containers, the corner button. They are
// given the pane's role, so that a screen reader walking up from an editor gets an answer and no
// warning comes; the header cells stay cells of the table. Call right after the view is built.
void exposeItemViewParts(QAbstractItemView *view);

} // namespace talvex
