#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvex {

// Character-wise helpers for UTF-8 text: the model counts characters, not bytes.

// Number of characters (code points) in text; continuation bytes belong to the character before.
std::size_t utf8Length(std::string_view text);

// The first count characters of text.
std::string utf8Left(std::string_view text, std::size_t count);

} // namespace talvex
