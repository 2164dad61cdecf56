#include "model/fatal.h"

#include <cstdio>
#include <cstdlib>

namespace talvex {

namespace {

void writeToStderr(const std::string &text, int)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

FatalHandler &installedHandler()
{
    static FatalHandler handler = writeToStderr;
    return handler;
}

} // namespace

FatalHandler setFatalHandler(FatalHandler handler)
{
    FatalHandler previous = installedHandler();
    installedHandler() = handler ? std::move(handler) : FatalHandler(writeToStderr);
    return previous;
}

void reportFatal(const std::string &text, int exitCode)
{
    installedHandler()(text, exitCode);
}

void fatalError(const std::string &text, int exitCode)
{
    reportFatal(text, exitCode);
    std::exit(exitCode);
}

} // namespace talvex
