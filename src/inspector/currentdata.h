#pragma once

#include <QList>
#include <QStringList>

namespace talvex {

// A grid of strings as rows of cells; row 0 is the title row.
using StringTable = QList<QStringList>;

// The text lines and the history table last handed over by the inspector or by the OK button of
// the lines editor and the data table editor. Both hold copies, so they never outlive their
// source; nothing in the system reads them yet.
extern QStringList CurrentTextLines;
extern StringTable CurrentHistoryTable;

} // namespace talvex
