#include "inspector/currentdata.h"

namespace talvex {

QStringList CurrentTextLines;
StringTable CurrentHistoryTable;

} // namespace talvex
