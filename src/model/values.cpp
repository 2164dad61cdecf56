#include "model/values.h"

#include "model/inputmask.h"
#include "model/utf8text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace talvex {

namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool isDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Length of a leading "+" or "-".
std::size_t signLength(std::string_view text)
{
    return !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
}

} // namespace

std::string trimControl(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<std::string> normalizeInteger(std::string_view trimmed)
{
    const std::size_t sign = signLength(trimmed);
    const std::string_view digits = trimmed.substr(sign);
    if (digits.empty() || !isDigits(digits))
        return std::nullopt;

    // from_chars takes a minus but no plus; it reports values beyond 32 bits as out of range.
    const std::string_view number = trimmed[0] == '+' ? digits : trimmed;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size())
        return std::nullopt;
    return std::to_string(value);
}

std::optional<std::string> normalizeDecimal(std::string_view trimmed)
{
    const std::size_t comma = trimmed.find(',');
    const std::string_view whole = trimmed.substr(0, comma);
    const std::string_view fraction =
        comma == std::string_view::npos ? std::string_view{} : trimmed.substr(comma + 1);
    const std::size_t sign = signLength(whole);
    const std::string_view wholeDigits = whole.substr(sign);

    if (!isDigits(wholeDigits) || !isDigits(fraction))
        return std::nullopt;
    // Without a comma the text must at least be a whole number.
    if (comma == std::string_view::npos && wholeDigits.empty())
        return std::nullopt;

    // The whole part is kept as typed; only an empty one gets its "0".
    std::string result(whole.substr(0, sign));
    result += wholeDigits.empty() ? std::string_view("0") : wholeDigits;
    result += ',';
    result += fraction.substr(0, 2);
    result.append(2 - std::min<std::size_t>(fraction.size(), 2), '0');
    return result;
}

std::optional<std::string> normalizedValue(std::string_view value, std::string_view loaded,
                                           std::string_view mask)
{
    if (value == loaded)
        return std::nullopt;
    const std::string trimmed = trimControl(value);
    if (trimmed.empty())
        return std::nullopt;

    // The same reading of the mask as the field's editor, so both agree on decimals.
    const std::optional<std::string> normal =
        isDecimalMask(mask) ? normalizeDecimal(trimmed) : normalizeInteger(trimmed);
    std::string result = normal ? *normal : std::string(loaded);
    if (result == value)
        return std::nullopt;
    return result;
}

std::string FormatDecimal(double x)
{
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x > 0 ? "∞" : "-∞";

    // The largest double has 309 digits before the point.
    std::array<char, 320> buffer{};
    char *const first = buffer.data();
    const auto [end, error] =
        std::to_chars(first, first + buffer.size(), x, std::chars_format::fixed, 2);
    if (error != std::errc{})
        return "NaN";
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), '.', ',');
    // A negative value that rounds to zero is shown as zero.
    if (text == "-0,00")
        text.erase(0, 1);
    return text;
}

std::string FormatElementNumber(int n)
{
    const bool negative = n < 0;
    const std::string digits = std::to_string(std::llabs(static_cast<long long>(n)));
    const std::size_t width = negative ? 3 : 4;
    std::string text = negative ? "-" : "";
    if (digits.size() < width)
        text.append(width - digits.size(), '0');
    return text + digits;
}

std::optional<int> readElementNumber(std::string_view entry)
{
    const std::string head = utf8Left(entry, 4);
    if (head.empty() || !isDigits(head))
        return std::nullopt;
    int number = 0;
    std::from_chars(head.data(), head.data() + head.size(), number);
    return number;
}

} // namespace talvex
