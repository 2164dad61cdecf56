#pragma once

namespace talvex {

// Makes fatal errors of the element model show a message box before the process ends.
void installFatalMessageBox();

} // namespace talvex
