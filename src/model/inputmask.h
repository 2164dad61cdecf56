#pragma once

#include <string>
#include <string_view>

namespace talvex {

// Translates an input mask written as "mask;keepLiterals;blank", where 0 is a required digit and
// 9 an optional one, into Qt's mask notation, where the roles of 0 and 9 are the other way round.
std::string toQtInputMask(std::string_view mask);

// Whether values of a field with this mask are decimal values (the mask contains a comma).
bool isDecimalMask(std::string_view mask);

} // namespace talvex
