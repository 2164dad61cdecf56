#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talvex {

// Removes the characters with codes 0 to 32 from both ends.
std::string trimControl(std::string_view text);

// Reads trimmed as an optionally signed decimal integer that fits 32 bits and writes it in
// plain form ("07" -> "7", "+5" -> "5"); nullopt when it cannot be read.
std::optional<std::string> normalizeInteger(std::string_view trimmed);

// The decimal rule: the fraction after the first comma padded or cut to two digits, the text up
// to the comma kept, "0" put in front of a leading comma ("1,5" -> "1,50", ",5" -> "0,50",
// "12,345" -> "12,34"); a text without comma is a whole number ("5" -> "5,00"). nullopt unless
// trimmed is an optional sign, digits, and optionally a comma followed by digits.
std::optional<std::string> normalizeDecimal(std::string_view trimmed);

// The whole check of one edited value against the value as loaded. Returns the value to write
// back, or nullopt when the value stays as it is (unchanged, trimmed to nothing, or already in
// its normal form). An unreadable value gives the loaded one back. The value is decimal when
// isDecimalMask(mask) says so (a comma before the first unescaped ";"), an integer otherwise.
std::optional<std::string> normalizedValue(std::string_view value, std::string_view loaded,
                                           std::string_view mask);

// x in fixed-point with two decimals and a decimal comma, trailing zeros dropped down to two;
// "NaN", "∞" or "-∞" for a value that is not finite.
std::string FormatDecimal(double x);

// n in decimal, padded on the left with "0" to four characters (a sign stays in front).
std::string FormatElementNumber(int n);

// The element number an element list entry starts with (its first four characters);
// nullopt when they are not a decimal number.
std::optional<int> readElementNumber(std::string_view entry);

} // namespace talvex
