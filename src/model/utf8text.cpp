#include "model/utf8text.h"

namespace talvex {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Byte offset just past the character that starts at pos.
std::size_t nextCharacter(std::string_view text, std::size_t pos)
{
    ++pos;
    while (pos < text.size() && isContinuation(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

} // namespace

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = nextCharacter(text, pos))
        ++count;
    return count;
}

std::string utf8Left(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < count && pos < text.size(); ++taken)
        pos = nextCharacter(text, pos);
    return std::string(text.substr(0, pos));
}

} // namespace talvex
