#pragma once

class QLabel;

namespace talvex {

// Exposes a label as a notification whose name is the label's text, so that announce() makes
// assistive technology read the text: Orca speaks a notification that appears, but not a
// label's name change, and Qt 6.4 has no announcement of its own. Call before the label's
// interface is built.
void exposeAsNotification(QLabel *label);

// Reads the label's current text to the user, as a notification that appears again.
void announce(QLabel *label);

} // namespace talvex
