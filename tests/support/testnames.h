#pragma once

// Short readable names for the cases of parameterised tests, so that a case reads as its row in
// CTest's list instead of a printed value or a byte dump. Plain C++ for the model tests too.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace talvex::test {

// Text as a test name: ASCII letters and digits as they are, a blank as '_', signs spelt out
// ("Plus", "Minus", "Comma", ...), brackets and quotes dropped, umlauts transliterated and every
// other byte as hex ("x09").
inline std::string testName(std::string_view text)
{
    static constexpr std::pair<std::string_view, const char *> Spelt[] = {
        {" ", "_"},    {"+", "Plus"}, {"-", "Minus"}, {",", "Comma"}, {".", "Dot"},
        {";", "Semi"}, {"\\", "Bs"},  {"ä", "ae"},    {"ö", "oe"},    {"ü", "ue"},
        {"Ä", "Ae"},   {"Ö", "Oe"},   {"Ü", "Ue"},    {"ß", "ss"},    {"É", "E"},
        {"(", ""},     {")", ""},     {"'", ""},      {"\"", ""}};
    std::string name;
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.front());
        std::size_t taken = 1;
        if ((c < 128 && std::isalnum(c)) || c == '_') {
            name += char(c);
        } else if (auto it = std::find_if(std::begin(Spelt), std::end(Spelt),
                                          [&](const auto &s) { return text.starts_with(s.first); });
                   it != std::end(Spelt)) {
            name += it->second;
            taken = it->first.size();
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "x%02X", c);
            name += hex;
        }
        text.remove_prefix(taken);
    }
    return name.empty() ? "Empty" : name;
}

// Parts of a case name, separated by blanks; empty parts are left out.
template<typename... Parts>
std::string words(const Parts &...parts)
{
    std::string text;
    auto add = [&text](const auto &part) {
        std::ostringstream out;
        out << part;
        if (!out.str().empty())
            text += (text.empty() ? "" : " ") + out.str();
    };
    (add(parts), ...);
    return text;
}

// The text a parameter is named by: a row's caseName() or its name, the first
// of a pair, a text itself, or else what gtest prints for it (numbers, rows with a PrintTo of their
// own).
template<typename T>
constexpr bool IsPair = false;
template<typename A, typename B>
constexpr bool IsPair<std::pair<A, B>> = true;

template<typename T>
std::string paramText(const T &param)
{
    if constexpr (requires { param.caseName(); })
        return param.caseName();
    else if constexpr (requires { std::string_view(param.name); })
        return std::string(param.name);
    else if constexpr (IsPair<T>)
        return paramText(param.first);
    else if constexpr (std::is_convertible_v<const T &, std::string_view>)
        return std::string(std::string_view(param));
    else
        return ::testing::PrintToString(param);
}

// The name generator for INSTANTIATE_TEST_SUITE_P.
struct ParamName
{
    template<typename T>
    std::string operator()(const ::testing::TestParamInfo<T> &info) const
    {
        return testName(paramText(info.param));
    }
};

} // namespace talvex::test

// INSTANTIATE_TEST_SUITE_P with the cases named by ParamName: how the tests instantiate their
// parameterised suites.
#define TALVEX_INSTANTIATE_NAMED(prefix, suite, values)                                            \
    INSTANTIATE_TEST_SUITE_P(prefix, suite, values, ::talvex::test::ParamName())
