#pragma once

#include <array>
#include <string_view>

namespace talvex {

// The shapes of the conductor pieces and forks, read by the kinds and by their tiles. Sides go
// by their tile-name letters W, N, O, S.

// A piece entering at side `from` and leaving at every side of `to` ("3": the three others).
struct ConductorShape
{
    std::string_view name;
    char from;
    std::string_view to;
};

inline constexpr std::array<ConductorShape, 4> DirectedStraights{{
    {"Rechts", 'W', "O"},
    {"Tief", 'N', "S"},
    {"Links", 'O', "W"},
    {"Hoch", 'S', "N"},
}};

// One tile per axis without direction; a kind exists for each direction of flow along it.
inline constexpr std::array<ConductorShape, 2> UndirectedStraights{{
    {"Waager", 'W', "O"},
    {"Senkr", 'N', "S"},
}};

// Corners and forks are named by their sides: the entry side, then the exits.
inline constexpr std::array<std::string_view, 8> CornerShapes{"NO", "NW", "ON", "OS",
                                                              "SO", "WN", "SW", "WS"};
inline constexpr std::array<std::string_view, 10> ForkShapes{"WOS", "WNS", "WNO", "W3",  "NOS",
                                                             "NWS", "NWO", "N3",  "SNW", "SNO"};

} // namespace talvex
