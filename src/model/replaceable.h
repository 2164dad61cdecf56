#pragma once

#include <utility>

namespace talvex {

// A process-wide function that callers may replace, such as how errors are reported: the app
// installs its own, tests theirs. Replacing it with an empty function restores the default.
template<typename Function>
class Replaceable
{
public:
    explicit Replaceable(Function standard)
        : m_standard(standard)
        , m_current(std::move(standard))
    {}

    // Installs function and returns the one it replaces.
    Function replace(Function function)
    {
        return std::exchange(m_current, function ? std::move(function) : m_standard);
    }

    template<typename... Args>
    void operator()(Args &&...args) const
    {
        m_current(std::forward<Args>(args)...);
    }

private:
    const Function m_standard;
    Function m_current;
};

} // namespace talvex
