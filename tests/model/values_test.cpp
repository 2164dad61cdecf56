#include "model/values.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

using namespace talvex;
using namespace std::string_literals;

namespace {

using Text = std::optional<std::string>;
using TextCase = std::pair<std::string, Text>;

constexpr const char *IntegerMask = "90;0";
constexpr const char *DecimalMask = "990,99;1;0";

// --- trimming codes 0 to 32 ---

using Trimmed = std::pair<std::string, std::string>;

using Trim = ::testing::TestWithParam<Trimmed>;

TEST_P(Trim, RemovesCodesUpTo32AtBothEnds)
{
    EXPECT_EQ(trimControl(GetParam().first), GetParam().second);
}

// Octal escapes: DEL is \177, the no-break space \302\240; neither is trimmed.
TALVEX_INSTANTIATE_NAMED(Texts, Trim,
                         ::testing::Values(Trimmed{" 5 ", "5"}, Trimmed{"\t\r\n5\x1F", "5"},
                                           Trimmed{"\0\x01 7\0"s, "7"}, Trimmed{" a b ", "a b"},
                                           Trimmed{"   ", ""}, Trimmed{"", ""},
                                           Trimmed{"\1775", "\1775"}, Trimmed{" ä ", "ä"},
                                           Trimmed{"\302\2405\302\240", "\302\2405\302\240"}));

// --- the integer rule ---

using IntegerRule = ::testing::TestWithParam<TextCase>;

TEST_P(IntegerRule, ReadsSigned32BitDecimals)
{
    EXPECT_EQ(normalizeInteger(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(
    Texts, IntegerRule,
    ::testing::Values(
        TextCase{"07", "7"}, TextCase{"5", "5"}, TextCase{"+5", "5"}, TextCase{"-12", "-12"},
        TextCase{"-0", "0"}, TextCase{"+000", "0"}, TextCase{"2147483647", "2147483647"},
        TextCase{"0000000000000000000042", "42"}, TextCase{"-2147483648", "-2147483648"},
        TextCase{"2147483648", {}}, TextCase{"-2147483649", {}},
        TextCase{"99999999999999999999", {}}, TextCase{"", {}}, TextCase{"+", {}},
        TextCase{"-", {}}, TextCase{"+-5", {}}, TextCase{"--5", {}}, TextCase{"5-", {}},
        TextCase{"1 2", {}}, TextCase{" 5", {}}, TextCase{"1,5", {}}, TextCase{"0x10", {}},
        TextCase{"1e3", {}}, TextCase{"５", {}}, TextCase{"5\0"s, {}}, TextCase{"ä", {}}));

// --- the decimal rule ---

using DecimalRule = ::testing::TestWithParam<TextCase>;

TEST_P(DecimalRule, PadsOrCutsTheFractionToTwoDigits)
{
    EXPECT_EQ(normalizeDecimal(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(
    Texts, DecimalRule,
    ::testing::Values(TextCase{"1,5", "1,50"}, TextCase{",5", "0,50"}, TextCase{"2,", "2,00"},
                      TextCase{"3,05", "3,05"}, TextCase{"12,345", "12,34"},
                      TextCase{"0,999", "0,99"}, TextCase{",", "0,00"},
                      // the whole part is kept as typed
                      TextCase{"07,5", "07,50"}, TextCase{"-1,5", "-1,50"},
                      TextCase{"+1,5", "+1,50"}, TextCase{"-,5", "-0,50"},
                      TextCase{"99999999999999999999,1", "99999999999999999999,10"},
                      // a whole number without comma
                      TextCase{"5", "5,00"}, TextCase{"-5", "-5,00"},
                      // not a number
                      TextCase{"", {}}, TextCase{"+", {}}, TextCase{"-", {}}, TextCase{"abc", {}},
                      TextCase{"x,5", {}}, TextCase{"1,x5", {}}, TextCase{"1,5x", {}},
                      TextCase{"1,55x", {}}, TextCase{"1,2,3", {}}, TextCase{"1,,5", {}},
                      TextCase{"+-1,5", {}}, TextCase{"1 ,5", {}}, TextCase{"1.5", {}},
                      TextCase{"1,\t5", {}}, TextCase{"1,ä", {}}, TextCase{"1,5ä", {}},
                      TextCase{"ä,5", {}}, TextCase{"1,５", {}}));

// --- the whole check against the loaded value ---

struct EditCase
{
    const char *value;
    const char *loaded;
    const char *mask;
    Text written;

    std::string caseName() const { return test::words(value, mask); }
};

using EditedValue = ::testing::TestWithParam<EditCase>;

TEST_P(EditedValue, IsRewrittenOrGetsTheLoadedValueBack)
{
    const EditCase &c = GetParam();
    EXPECT_EQ(normalizedValue(c.value, c.loaded, c.mask), c.written);
}

TALVEX_INSTANTIATE_NAMED(
    Edits, EditedValue,
    ::testing::Values(
        EditCase{"07", "5", IntegerMask, "7"},
        EditCase{"5", "5", IntegerMask, {}},   // the loaded value itself
        EditCase{"7", "5", IntegerMask, {}},   // already plain
        EditCase{"   ", "5", IntegerMask, {}}, // blank stays blank
        EditCase{"", "5", IntegerMask, {}}, EditCase{" 7\t", "5", IntegerMask, "7"},
        EditCase{"abc", "5", IntegerMask, "5"}, EditCase{"4294967301", "5", IntegerMask, "5"},
        EditCase{"1,5", "5", "", "5"},       // no mask: an integer value
        EditCase{"1,5", "5", "90;0;,", "5"}, // a comma as blank character
        EditCase{"1,5", "0,50", DecimalMask, "1,50"}, EditCase{" ,5", "0,50", DecimalMask, "0,50"},
        EditCase{"2,", "0,50", DecimalMask, "2,00"}, EditCase{"3,05", "0,50", DecimalMask, {}},
        EditCase{"12,345", "0,50", DecimalMask, "12,34"},
        EditCase{",", "0,50", DecimalMask, "0,00"}, EditCase{"5", "0,50", DecimalMask, "5,00"},
        EditCase{"1,x5", "0,50", DecimalMask, "0,50"}, EditCase{"-", "1,00", DecimalMask, "1,00"},
        EditCase{"\x01", "1,00", DecimalMask, {}}));

// The mask field ends at the first semicolon that is not escaped, as for the field's editor: a
// comma after an escaped semicolon makes a decimal value, one after a plain semicolon does not.
TALVEX_INSTANTIATE_NAMED(EscapedSemicolon, EditedValue,
                         ::testing::Values(EditCase{",5", "5", "\\;,", "0,50"},
                                           EditCase{"1,5", "0,50", "9\\;,99;1;0", "1,50"},
                                           EditCase{"7", "0,50", "9\\;,9", "7,00"},
                                           EditCase{"1,5", "5", "9\\;9;,", "5"}));

// --- number formats ---

using DecimalFormat = ::testing::TestWithParam<std::pair<double, std::string>>;

TEST_P(DecimalFormat, TwoDecimalsWithComma)
{
    EXPECT_EQ(FormatDecimal(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(
    Numbers, DecimalFormat,
    ::testing::Values(std::pair{0.5, "0,50"s}, std::pair{1.0, "1,00"s}, std::pair{12.25, "12,25"s},
                      std::pair{0.0, "0,00"s}, std::pair{-1.5, "-1,50"s}, std::pair{-0.0, "0,00"s},
                      std::pair{-0.001, "0,00"s}, std::pair{0.999, "1,00"s},
                      std::pair{2.675, "2,67"s}, // 2.675 is stored slightly below
                      std::pair{1e6, "1000000,00"s},
                      std::pair{std::numeric_limits<double>::denorm_min(), "0,00"s},
                      std::pair{std::numeric_limits<double>::quiet_NaN(), "NaN"s},
                      std::pair{std::numeric_limits<double>::infinity(), "∞"s},
                      std::pair{-std::numeric_limits<double>::infinity(), "-∞"s}));

TEST(DecimalFormat, LargestValuesKeepAllDigits)
{
    const std::string largest = FormatDecimal(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 312u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(largest.substr(309), ",00");
    EXPECT_EQ(FormatDecimal(-std::numeric_limits<double>::max()).size(), 313u);
}

using ElementNumber = ::testing::TestWithParam<std::pair<int, std::string>>;

TEST_P(ElementNumber, PaddedToFourCharacters)
{
    EXPECT_EQ(FormatElementNumber(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(
    Numbers, ElementNumber,
    ::testing::Values(std::pair{0, "0000"s}, std::pair{7, "0007"s}, std::pair{42, "0042"s},
                      std::pair{1548, "1548"s}, std::pair{12345, "12345"s}, std::pair{-7, "-007"s},
                      std::pair{std::numeric_limits<int>::min(), "-2147483648"s}));

using Entry = std::pair<std::string, std::optional<int>>;

using EntryNumber = ::testing::TestWithParam<Entry>;

TEST_P(EntryNumber, ReadsTheFirstFourCharacters)
{
    EXPECT_EQ(readElementNumber(GetParam().first), GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(Entries, EntryNumber,
                         ::testing::Values(Entry{"0000 Zeichenfläche", 0}, Entry{"0007  Markt", 7},
                                           Entry{"1548  Präferenzsystem", 1548},
                                           Entry{"12345", 1234}, Entry{"12", 12}, Entry{"", {}},
                                           Entry{"-007", {}}, Entry{"+007", {}}, Entry{" 007", {}},
                                           Entry{"00ä1", {}}, Entry{"Zeichenfläche", {}}));

TEST(EntryNumber, EveryElementNumberReadsBack)
{
    for (int n = 0; n <= 1548; ++n)
        ASSERT_EQ(readElementNumber(FormatElementNumber(n) + "  Markt"), n);
}

} // namespace
