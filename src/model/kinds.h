#pragma once

#include "model/properties.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace talvex {

inline constexpr int KindPlaces = 283;      // kind numbers 1 to 283
inline constexpr int RegisteredKinds = 263; // the build registers kinds 1 to 263

using AProps = std::vector<CellPropType>;

// One element kind: the component name of its 24 x 24 tile and its properties with defaults.
// An unused place has an empty tile name.
struct Default
{
    std::string tile;
    AProps props;
    std::vector<std::uint8_t> propIndexes; // catalogue index of each entry of props

    bool operator==(const Default &) const = default;
};

// The element kinds, registered in number order.
class KindCatalogue
{
public:
    // Registers the next kind. Ends the process (exit code 1) when the two lists differ in
    // length; throws ModelError and registers nothing when an index is out of range. Beyond
    // the last place the count still rises but nothing is stored.
    void AddKind(std::string tile, const std::vector<std::uint8_t> &propertyIndexes,
                 const std::vector<std::string> &defaultTexts);

    // Empties every place and sets the kind count to 0.
    void clear();

    // Kind 1 to 283; throws ModelError otherwise.
    const Default &kind(int number) const;

    std::uint16_t kindCount() const { return m_count; }

private:
    std::array<Default, KindPlaces> m_kinds{};
    std::uint16_t m_count = 0;
};

} // namespace talvex
