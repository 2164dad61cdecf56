#include "model/focusorder.h"

namespace talvex {

int stepToEnabled(const std::vector<bool> &enabled, int from, int step, bool wrap)
{
    const int count = static_cast<int>(enabled.size());
    if (count == 0 || step == 0)
        return firstEnabled(enabled);
    const int direction = step > 0 ? 1 : -1;
    int at = from;
    for (int tried = 0; tried < count; ++tried) {
        at += direction;
        if (at < 0 || at >= count) {
            if (!wrap)
                break;
            at = at < 0 ? count - 1 : 0;
        }
        if (enabled[static_cast<std::size_t>(at)])
            return at;
    }
    if (from >= 0 && from < count && enabled[static_cast<std::size_t>(from)])
        return from;
    return direction > 0 ? lastEnabled(enabled) : firstEnabled(enabled);
}

int firstEnabled(const std::vector<bool> &enabled)
{
    for (std::size_t i = 0; i < enabled.size(); ++i)
        if (enabled[i])
            return static_cast<int>(i);
    return -1;
}

int lastEnabled(const std::vector<bool> &enabled)
{
    for (std::size_t i = enabled.size(); i-- > 0;)
        if (enabled[i])
            return static_cast<int>(i);
    return -1;
}

FocusArea nextFocusArea(std::optional<FocusArea> current, bool forward, bool inspectorShown)
{
    constexpr int Count = 4;
    const int areas = inspectorShown ? Count : Count - 1;
    int at;
    if (!current || static_cast<int>(*current) >= areas)
        at = forward ? 0 : areas - 1;
    else
        at = (static_cast<int>(*current) + (forward ? 1 : areas - 1)) % areas;
    return static_cast<FocusArea>(at);
}

} // namespace talvex
