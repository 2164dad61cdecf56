#include "model/modelerror.h"
#include "model/properties.h"
#include "model/utf8text.h"

#include <gtest/gtest.h>

using namespace talvex;

TEST(PropertyCatalogue, NamesKeepTheirBlanksAndUmlauts)
{
    EXPECT_EQ(propertyEntry(15).name, "Funktionsformel   f = ");
    EXPECT_EQ(propertyEntry(46).name, "Überhöhung");
    EXPECT_EQ(propertyEntry(49).name, "Umsatze");
    EXPECT_EQ(propertyEntry(0).name, "Angebotsmenge");
    EXPECT_EQ(propertyEntry(53).name, "Zeitverzögerung alpha");
}

TEST(PropertyCatalogue, ThreeEingabewerteDifferInType)
{
    for (int i : {5, 6, 7})
        EXPECT_EQ(propertyEntry(i).name, "Eingabewert");
    EXPECT_EQ(propertyEntry(5).valueType, 7);
    EXPECT_EQ(propertyEntry(6).valueType, 6);
    EXPECT_EQ(propertyEntry(7).valueType, 8);
}

// Values are empty, types in range, and exactly the connection properties are of type zero.
TEST(PropertyCatalogue, ValuesAreEmptyAndTypesFitTheNames)
{
    for (int i = 0; i < PropertyCount; ++i) {
        const CellPropType &entry = propertyEntry(i);
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(entry.value.empty());
        EXPECT_LE(entry.valueType, 14);
        EXPECT_FALSE(entry.valueType >= 1 && entry.valueType <= 3);
        const bool connection =
            entry.name.ends_with(" Eingang") || entry.name.ends_with(" Ausgang");
        EXPECT_EQ(entry.valueType == 0, connection);
    }
}

TEST(PropertyCatalogue, IndexOutsideIsAModelError)
{
    EXPECT_THROW(propertyEntry(-1), ModelError);
    EXPECT_THROW(propertyEntry(PropertyCount), ModelError);
}

TEST(ValueLists, HoldTheirTextsInOrder)
{
    EXPECT_EQ(conductorNames(),
              (std::array<std::string_view, 4>{"", "Zahlenwert", "Verteilung", "Entscheidung"}));
    EXPECT_EQ(sideNames()[3], "unten");
    EXPECT_EQ(switchNames()[1], "ein");
    EXPECT_EQ(answerNames()[0], "nein");
}

TEST(Utf8Text, CountsAndCutsCharactersNotBytes)
{
    EXPECT_EQ(utf8Length("Überhöhung"), 10u);
    EXPECT_EQ(utf8Length("\xE2\x80\xA0"), 1u); // the dagger
    EXPECT_EQ(utf8Left("ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüß", 20), "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü");
    EXPECT_EQ(utf8Left("abc", 20), "abc");
    EXPECT_EQ(utf8Left("", 3), "");
}
