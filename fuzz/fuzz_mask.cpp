// Mask translation on arbitrary masks: whatever the input, Qt must get a well-formed mask.

#include "check.h"
#include "model/inputmask.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using talvex::fuzz::check;

namespace {

// Unescaped placeholders per digit, in order: the translation swaps 0 and 9 and keeps the rest.
std::string placeholders(std::string_view qt)
{
    std::string found;
    for (std::size_t i = 0; i < qt.size(); ++i) {
        if (qt[i] == '\\')
            ++i;
        else if (qt[i] == '0' || qt[i] == '9')
            found += qt[i];
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view mask(reinterpret_cast<const char *>(data), size);
    const std::string qt = talvex::toQtInputMask(mask);

    // Qt ends a mask at its first semicolon, and a backslash at the end escapes nothing.
    check(qt.find(';') == std::string::npos, "a Qt mask has no semicolon", qt);
    std::size_t backslashes = 0;
    while (backslashes < qt.size() && qt[qt.size() - 1 - backslashes] == '\\')
        ++backslashes;
    check(backslashes % 2 == 0, "a Qt mask does not end in an escaping backslash", qt);
    check(qt.size() <= 2 * mask.size(), "each character becomes at most two", qt);

    // Both notations escape alike, so reading the translation as our notation swaps 0 and 9
    // back and leaves every escaped character a literal.
    std::string swapped = placeholders(qt);
    for (char &c : swapped)
        c = c == '0' ? '9' : '0';
    check(placeholders(talvex::toQtInputMask(qt)) == swapped,
          "translating twice swaps the placeholders back", qt);

    // The editor and the value rule must agree on which fields hold decimals.
    check(talvex::isDecimalMask(mask) == (qt.find(',') != std::string::npos),
          "a mask is decimal exactly when its translation has a comma", mask);
    return 0;
}
