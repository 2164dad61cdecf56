// Reading the element number at the start of an arbitrary element list entry.

#include "check.h"
#include "model/values.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

using talvex::fuzz::check;
using talvex::fuzz::isDigit;

namespace {

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view entry(reinterpret_cast<const char *>(data), size);
    const std::optional<int> number = talvex::readElementNumber(entry);

    // Digits are one byte each: four digit characters are the first four bytes.
    const std::string_view head = entry.substr(0, 4);
    const bool digitHead = !head.empty() && std::all_of(head.begin(), head.end(), isDigit);
    int value = 0;
    for (char c : head)
        value = value * 10 + (c - '0');

    if (number) {
        check(*number >= 0 && *number <= 9999, "an element number is 0 to 9999", entry);
        check(digitHead && *number == value,
              "an element number is the value of the entry's first four characters", entry);
    }
    // A byte that continues a character belongs to the one before, so it spoils a digit head.
    const bool whole = entry.size() <= 4 || !isContinuation(entry[4]);
    if (digitHead && whole)
        check(number == value, "an entry that starts with digits gives their value", entry);
    return 0;
}
