#pragma once

class QWidget;

namespace talvex {

// Keeps a read-only text field read-only against the input paths Qt lets through: input-method
// commits (dead keys arrive this way), pastes and drops. The field may switch between read-only
// and editable later; only its current state counts.
void guardReadOnlyInput(QWidget *field);

} // namespace talvex
