#include "model/inputmask.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace talvex;

struct MaskCase
{
    std::string ours;
    std::string qt;
};

void PrintTo(const MaskCase &c, std::ostream *out)
{
    *out << '"' << c.ours << '"';
}

using ToQtInputMask = ::testing::TestWithParam<MaskCase>;

TEST_P(ToQtInputMask, Translates)
{
    EXPECT_EQ(toQtInputMask(GetParam().ours), GetParam().qt) << GetParam().ours;
}

TALVEX_INSTANTIATE_NAMED(
    MaskField, ToQtInputMask,
    ::testing::Values(
        // The masks the inspector uses; keep-literals and blank fields are dropped.
        MaskCase{"90;0", "09"}, MaskCase{"990,99;1;0", "009,00"}, MaskCase{"90", "09"},
        MaskCase{"0000", "9999"}, MaskCase{"9,0;0;_", "0,9"},
        // Literals stay; those that Qt would read as placeholders get escaped.
        MaskCase{"99-99", "00-00"}, MaskCase{"99 EUR", "00 EUR"}, MaskCase{"A9", "\\A0"},
        MaskCase{"#>x", "\\#\\>\\x"}, MaskCase{"[9]", "\\[0\\]"}));

TALVEX_INSTANTIATE_NAMED(
    Escapes, ToQtInputMask,
    ::testing::Values(
        // An escaped 0 or 9 is a literal digit, not a placeholder.
        MaskCase{"\\09", "\\00"}, MaskCase{"9\\9", "0\\9"}, MaskCase{"\\,9", ",0"},
        // An escaped semicolon does not end the mask field, but Qt cannot hold it.
        MaskCase{"9\\;9;1;0", "00"},
        // A lone backslash at the end is a literal backslash.
        MaskCase{"9\\", "0\\\\"}, MaskCase{"\\", "\\\\"}, MaskCase{"\\\\9", "\\\\0"}));

TALVEX_INSTANTIATE_NAMED(OddInput, ToQtInputMask,
                         ::testing::Values(MaskCase{"", ""}, MaskCase{";", ""},
                                           MaskCase{";1;0", ""}, MaskCase{";;;", ""},
                                           MaskCase{"9;", "0"}, MaskCase{"ä9", "ä0"}));

TEST(IsDecimalMask, CommaInTheMaskFieldOnly)
{
    EXPECT_TRUE(isDecimalMask("990,99;1;0"));
    EXPECT_TRUE(isDecimalMask(",99"));
    EXPECT_TRUE(isDecimalMask("99\\,99"));
    EXPECT_FALSE(isDecimalMask("90;0"));
    EXPECT_FALSE(isDecimalMask(""));
    EXPECT_FALSE(isDecimalMask("99;1;,"));
    EXPECT_FALSE(isDecimalMask(";,"));
    EXPECT_FALSE(isDecimalMask("9\\;9;,"));
}

TEST(ToQtInputMask, EveryByteSequenceIsSafe)
{
    // No input may run past its end: all short strings over the characters that matter.
    const std::string alphabet = "09;\\,A";
    for (char a : alphabet)
        for (char b : alphabet)
            for (char c : alphabet) {
                const std::string mask{a, b, c};
                const std::string qt = toQtInputMask(mask);
                EXPECT_EQ(qt.find(';'), std::string::npos) << mask;
                EXPECT_LE(qt.size(), 2 * mask.size()) << mask;
            }
}
