// Number formats on raw bytes: the first eight are any double (NaN, infinities, denormals and
// the largest values included), the next four any int.

#include "check.h"
#include "model/values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

using talvex::fuzz::check;
using talvex::fuzz::isDigit;

namespace {

void checkDecimal(double x)
{
    const std::string text = talvex::FormatDecimal(x);
    if (std::isnan(x)) {
        check(text == "NaN", "NaN is written \"NaN\"", text);
        return;
    }
    if (std::isinf(x)) {
        check(text == (x > 0 ? "∞" : "-∞"), "an infinity is written with its sign", text);
        return;
    }

    const std::size_t comma = text.find(',');
    check(comma != std::string::npos && text.find(',', comma + 1) == std::string::npos,
          "a finite value has one comma", text);
    const std::string_view whole = std::string_view(text).substr(0, comma);
    const std::string_view fraction = std::string_view(text).substr(comma + 1);
    check(fraction.size() >= 2 && std::all_of(fraction.begin(), fraction.end(), isDigit),
          "a finite value has at least two digits after the comma", text);
    const std::string_view wholeDigits = whole.substr(!whole.empty() && whole[0] == '-');
    check(!wholeDigits.empty() && std::all_of(wholeDigits.begin(), wholeDigits.end(), isDigit),
          "a finite value has a whole part of digits", text);
    check(text.find_first_not_of("-0,") != std::string::npos || text[0] != '-',
          "zero is written without a sign", text);

    // The text reads back to the value, up to rounding to two decimals; reading the text
    // back costs a few units in the last place of the value itself.
    std::string point = text;
    std::replace(point.begin(), point.end(), ',', '.');
    double back = 0;
    const auto [end, error] = std::from_chars(point.data(), point.data() + point.size(), back);
    check(error == std::errc{} && end == point.data() + point.size(),
          "a finite value's text reads back", text);
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::fabs(x);
    check(std::fabs(back - x) <= 0.005 + slack,
          "a finite value's text is the value rounded to two decimals", text);
}

void checkElementNumber(int n)
{
    const std::string text = talvex::FormatElementNumber(n);
    check(text.size() >= 4, "an element number has at least four characters", text);
    int back = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
    check(error == std::errc{} && end == text.data() + text.size() && back == n,
          "an element number reads back", text);
    if (n >= 0 && n <= 9999) {
        check(text.size() == 4, "an element number up to 9999 has four digits", text);
        check(talvex::readElementNumber(text + "  Markt") == n,
              "an element list entry gives its number back", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        checkDecimal(x);
        data += sizeof x;
        size -= sizeof x;
    }
    if (size >= sizeof(int)) {
        int n = 0;
        std::memcpy(&n, data, sizeof n);
        checkElementNumber(n);
    }
    return 0;
}
