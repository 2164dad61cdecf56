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

TEST(PropertyCatalogue, ValuesAreEmptyAndTypesInRange)
{
    for (int i = 0; i < PropertyCount; ++i) {
        EXPECT_TRUE(propertyEntry(i).value.empty()) << i;
        EXPECT_LE(propertyEntry(i).valueType, 14) << i;
        EXPECT_NE(propertyEntry(i).valueType, 1) << i;
        EXPECT_NE(propertyEntry(i).valueType, 2) << i;
        EXPECT_NE(propertyEntry(i).valueType, 3) << i;
    }
}

TEST(PropertyCatalogue, ConnectionPropertiesAreTypeZero)
{
    for (int i = 0; i < PropertyCount; ++i) {
        const std::string &name = propertyEntry(i).name;
        const bool connection = name.ends_with(" Eingang") || name.ends_with(" Ausgang");
        EXPECT_EQ(propertyEntry(i).valueType == 0, connection) << name;
    }
}

TEST(PropertyCatalogue, IndexOutsideIsAModelError)
{
    EXPECT_THROW(propertyEntry(-1), ModelError);
    EXPECT_THROW(propertyEntry(PropertyCount), ModelError);
}

TEST(ValueLists, HoldTheirTextsInOrder)
{
    EXPECT_EQ(conductorNames()[0], "");
    EXPECT_EQ(conductorNames()[1], "Zahlenwert");
    EXPECT_EQ(conductorNames()[2], "Verteilung");
    EXPECT_EQ(conductorNames()[3], "Entscheidung");
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
