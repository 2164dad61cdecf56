#pragma once

class QLineEdit;

namespace talvex {

// Exposes a line edit with its shown text as one run of text. Qt's own interface reports a run
// of no length at every offset, and Orca, splitting the text into runs before it speaks, then
// says at most the first character of a value. Call before the line edit's interface is built.
void exposeLineEdit(QLineEdit *edit);

} // namespace talvex
