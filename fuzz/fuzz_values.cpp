// Value rules on arbitrary input "value\nloaded\nmask": each part ends at the first newline,
// the mask takes the rest. A newline in a value behaves like any other code up to 32.

#include "check.h"
#include "model/inputmask.h"
#include "model/values.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

using talvex::fuzz::check;
using talvex::fuzz::isDigit;

namespace {

std::string_view takeLine(std::string_view &rest)
{
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

void checkTrim(std::string_view value, const std::string &trimmed)
{
    check(trimmed.empty() ||
              (!isBlankOrControl(trimmed.front()) && !isBlankOrControl(trimmed.back())),
          "trimmed text starts and ends with a code above 32", trimmed);
    check(value.find(trimmed) != std::string_view::npos, "trimmed text is part of the value",
          trimmed);
    check(!trimmed.empty() || std::all_of(value.begin(), value.end(), isBlankOrControl),
          "only blanks and control codes trim to nothing", value);
}

// The value of a sign and digits when it has at most 18 significant digits, as a check on
// the 32-bit reading; nullopt for longer numbers and anything else.
std::optional<std::int64_t> smallNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    if (text.size() > 18)
        return std::nullopt;
    std::int64_t n = 0;
    for (char c : text)
        n = n * 10 + (c - '0');
    return negative ? -n : n;
}

void checkInteger(std::string_view trimmed, const std::optional<std::string> &integer)
{
    const std::optional<std::int64_t> expected = smallNumber(trimmed);
    const bool fits = expected && *expected >= std::numeric_limits<std::int32_t>::min() &&
                      *expected <= std::numeric_limits<std::int32_t>::max();
    if (expected)
        check(integer.has_value() == fits, "an integer is read exactly when it fits 32 bits",
              trimmed);
    if (!integer)
        return;

    std::int32_t back = 0;
    const char *const end = integer->data() + integer->size();
    const auto [stop, error] = std::from_chars(integer->data(), end, back);
    check(error == std::errc{} && stop == end, "an integer result parses back within 32 bits",
          *integer);
    check(std::to_string(back) == *integer, "an integer result is written plainly", *integer);
    check(!expected || back == *expected, "an integer result keeps the number's value", trimmed);
    check(talvex::normalizeInteger(*integer) == integer, "an integer result is stable", *integer);
}

void checkDecimal(std::string_view trimmed, const std::optional<std::string> &decimal)
{
    if (!decimal)
        return;
    const std::size_t comma = decimal->find(',');
    check(comma != std::string::npos, "a decimal result has a comma", *decimal);
    const std::string_view fraction = std::string_view(*decimal).substr(comma + 1);
    check(fraction.size() == 2 && isDigit(fraction[0]) && isDigit(fraction[1]),
          "a decimal result has exactly two digits after its first comma", *decimal);
    check(comma > 0 && isDigit((*decimal)[comma - 1]), "a decimal result has a whole part",
          *decimal);
    check(talvex::normalizeDecimal(*decimal) == decimal, "a decimal result is stable", *decimal);
    check(trimmed.find(',') != std::string_view::npos || *decimal == std::string(trimmed) + ",00",
          "a whole number gets the fraction \",00\"", trimmed);
}

void checkEdit(std::string_view value, std::string_view loaded, std::string_view mask,
               const std::string &trimmed)
{
    const std::optional<std::string> written = talvex::normalizedValue(value, loaded, mask);
    if (!written)
        return;
    check(*written != value, "a value is only written back when it changes", value);

    // Writing the result again changes nothing further.
    const std::optional<std::string> again = talvex::normalizedValue(*written, loaded, mask);
    check(!again || *again == *written, "normalising is idempotent", *written);

    // Anything but the loaded value is the normal form under the rule the field's editor uses.
    const bool decimal = talvex::isDecimalMask(mask);
    const std::optional<std::string> normal =
        decimal ? talvex::normalizeDecimal(trimmed) : talvex::normalizeInteger(trimmed);
    if (normal)
        check(*written == *normal, "a readable value is written in its normal form", *written);
    else
        check(*written == loaded, "an unreadable value gives the loaded one back", *written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    const std::string_view value = takeLine(rest);
    const std::string_view loaded = takeLine(rest);
    const std::string_view mask = rest;

    const std::string trimmed = talvex::trimControl(value);
    checkTrim(value, trimmed);
    check(talvex::trimControl(trimmed) == trimmed, "trimming is idempotent", trimmed);
    checkInteger(trimmed, talvex::normalizeInteger(trimmed));
    checkDecimal(trimmed, talvex::normalizeDecimal(trimmed));
    checkEdit(value, loaded, mask, trimmed);
    return 0;
}
