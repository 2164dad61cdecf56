#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace talvex {

// A violated bound inside the element model: the current user action is abandoned,
// the program keeps running.
class ModelError : public std::runtime_error
{
public:
    explicit ModelError(const std::string &what)
        : std::runtime_error(what)
    {}
};

// 32-bit arithmetic that reports overflow instead of wrapping.
inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result))
        throw ModelError("Ganzzahlüberlauf");
    return result;
}

inline std::int32_t checkedSub(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result))
        throw ModelError("Ganzzahlüberlauf");
    return result;
}

inline std::int32_t checkedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result))
        throw ModelError("Ganzzahlüberlauf");
    return result;
}

// Checks that index lies in [first, last]; names the table in the error text.
inline void checkIndex(long long index, long long first, long long last, const char *table)
{
    if (index < first || index > last)
        throw ModelError(std::string("Index außerhalb des gültigen Bereichs: ") + table + " " +
                         std::to_string(index));
}

} // namespace talvex
