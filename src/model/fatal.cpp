#include "model/fatal.h"

#include "model/replaceable.h"

#include <cstdio>
#include <cstdlib>

namespace talvex {

namespace {

void writeToStderr(const std::string &text, int)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

Replaceable<FatalHandler> &installedHandler()
{
    static Replaceable<FatalHandler> handler{FatalHandler(writeToStderr)};
    return handler;
}

} // namespace

FatalHandler setFatalHandler(FatalHandler handler)
{
    return installedHandler().replace(std::move(handler));
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
