#include "model/inputmask.h"

namespace talvex {

namespace {

// Characters that Qt reads as placeholders, case switches or reserved signs in a mask; as
// literals of our notation they must reach Qt escaped.
bool isQtMaskSpecial(char c)
{
    constexpr std::string_view special = "AaNnXx90DdHhBb#><!\\[]{}";
    return special.find(c) != std::string_view::npos;
}

// The mask field: everything before the first semicolon that is not escaped by a backslash.
std::string_view maskField(std::string_view mask)
{
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '\\')
            ++i;
        else if (mask[i] == ';')
            return mask.substr(0, i);
    }
    return mask;
}

} // namespace

std::string toQtInputMask(std::string_view mask)
{
    const std::string_view field = maskField(mask);
    std::string qt;
    qt.reserve(field.size() * 2);
    for (std::size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '0') {
            qt += '9';
            continue;
        }
        if (c == '9') {
            qt += '0';
            continue;
        }
        // A backslash makes the next character a literal; a trailing one stands for itself.
        if (c == '\\' && i + 1 < field.size())
            c = field[++i];
        // Qt ends its mask at the first semicolon, escaped or not: such a literal is lost.
        if (c == ';')
            continue;
        if (isQtMaskSpecial(c))
            qt += '\\';
        qt += c;
    }
    return qt;
}

bool isDecimalMask(std::string_view mask)
{
    return maskField(mask).find(',') != std::string_view::npos;
}

} // namespace talvex
