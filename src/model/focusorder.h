#pragma once

#include <optional>
#include <vector>

namespace talvex {

// Moves along a row of controls of which some are enabled: the nearest enabled index from
// `from` in the direction of step (+1 or -1). Without wrap the move stops at the last enabled
// one and returns from; with wrap it goes round. Returns -1 when none is enabled.
int stepToEnabled(const std::vector<bool> &enabled, int from, int step, bool wrap);
int firstEnabled(const std::vector<bool> &enabled);
int lastEnabled(const std::vector<bool> &enabled);

// The areas F6 cycles through, in their order.
enum class FocusArea
{
    Palette,
    ConductorKinds,
    Sheet,
    Inspector,
};

// The area after (forward) or before current; a hidden inspector is passed over. Without a
// current area forward starts at the palette and backward at the last area.
FocusArea nextFocusArea(std::optional<FocusArea> current, bool forward, bool inspectorShown);

} // namespace talvex
