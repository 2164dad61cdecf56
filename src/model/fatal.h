#pragma once

#include <functional>
#include <string>

namespace talvex {

// Receives the fatal errors of the element model. The handler reports the text (the app shows
// a message box, tests and tools write to stderr); the process then ends with exitCode.
using FatalHandler = std::function<void(const std::string &text, int exitCode)>;

// Installs handler and returns the previous one. An empty handler restores the default.
FatalHandler setFatalHandler(FatalHandler handler);

// Reports text through the installed handler without ending the process; for failures that are
// reported one after the other before the process ends.
void reportFatal(const std::string &text, int exitCode);

// Reports text through the installed handler, then ends the process with exitCode.
[[noreturn]] void fatalError(const std::string &text, int exitCode);

} // namespace talvex
