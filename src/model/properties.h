#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvex {

inline constexpr int PropertyCount = 54;
inline constexpr std::size_t MaxValueLength = 20; // characters

// One property of an element kind: name, value type code and value text.
struct CellPropType
{
    std::string name;
    std::uint8_t valueType = 0;
    std::string value; // at most MaxValueLength characters

    bool operator==(const CellPropType &) const = default;
};

// Catalogue entry by property index 0 to 53 (empty value); throws ModelError otherwise.
const CellPropType &propertyEntry(int index);

// The four value lists whose texts recur as default values.
const std::array<std::string_view, 4> &conductorNames(); // "", Zahlenwert, Verteilung, Entscheidung
const std::array<std::string_view, 4> &sideNames();      // links, oben, rechts, unten
const std::array<std::string_view, 2> &switchNames();    // aus, ein
const std::array<std::string_view, 2> &answerNames();    // nein, ja

// Property indexes that the catalogue data refers to by role.
namespace prop {
inline constexpr std::uint8_t LeftOut = 17;   // "linker Ausgang"
inline constexpr std::uint8_t LeftIn = 18;    // "linker Eingang"
inline constexpr std::uint8_t TopOut = 27;    // "oberer Ausgang"
inline constexpr std::uint8_t TopIn = 28;     // "oberer Eingang"
inline constexpr std::uint8_t Operation = 30; // "Operation"
inline constexpr std::uint8_t RightOut = 38;  // "rechter Ausgang"
inline constexpr std::uint8_t RightIn = 39;   // "rechter Eingang"
inline constexpr std::uint8_t BottomOut = 47; // "unterer Ausgang"
inline constexpr std::uint8_t BottomIn = 48;  // "unterer Eingang"
} // namespace prop

} // namespace talvex
