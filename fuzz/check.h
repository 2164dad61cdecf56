#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace talvex::fuzz {

// Ends the run when a property fails, so that libFuzzer keeps the input as a crash.
inline void check(bool holds, const char *property, std::string_view subject = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n", property);
    if (!subject.empty())
        std::fprintf(stderr, "  subject: \"%.*s\"\n", static_cast<int>(subject.size()),
                     subject.data());
    std::abort();
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace talvex::fuzz
