#include "model/elementmodel.h"
#include "model/fatal.h"
#include "model/modelerror.h"
#include "model/utf8text.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

using namespace talvex;

namespace {

// One build shared by the tests that only read the catalogue.
const ElementModel &built()
{
    static const std::unique_ptr<ElementModel> model = [] {
        auto m = std::make_unique<ElementModel>();
        m->BuildElementModel(MaxColumns, MaxRows);
        return m;
    }();
    return *model;
}

const Default &kind(int number)
{
    return built().kinds.kind(number);
}

// The value of property index in kind, or nullptr.
const std::string *valueOf(const Default &k, std::uint8_t index)
{
    const auto it = std::find(k.propIndexes.begin(), k.propIndexes.end(), index);
    return it == k.propIndexes.end() ? nullptr
                                     : &k.props[std::size_t(it - k.propIndexes.begin())].value;
}

void registerNumbered(KindRegistrar &r, int count)
{
    r.beginClass(1);
    for (int n = 1; n <= count; ++n)
        r.add("K" + std::to_string(n), {}, {});
}

} // namespace

// Kinds carrying each property, ten catalogue indexes a row.
// clang-format off
constexpr std::array<int, PropertyCount> KindsPerProperty{
    /*  0 */   2,   2,   0,   6,   0,   3,   2,   0,   7,   7,
    /* 10 */   7,   7,   4,   4,   4,   7,   6,  28, 109,   2,
    /* 20 */   4,   4,   2,   2,   2,   2,   6,  33, 119,   0,
    /* 30 */  64,   6,   4,   4,   2,   2,   2,   2,  96,  37,
    /* 40 */   0,   4,   3,   0,   0,   2,   7, 103,  36,   2,
    /* 50 */   0,   6,   4,   2};
// clang-format on

using PropertyUseTest = ::testing::TestWithParam<int>;

TEST_P(PropertyUseTest, KindCount)
{
    const int index = GetParam();
    int count = 0;
    for (int n = 1; n <= KindPlaces; ++n)
        count += valueOf(kind(n), std::uint8_t(index)) != nullptr;
    EXPECT_EQ(count, KindsPerProperty[std::size_t(index)]) << propertyEntry(index).name;
}

TALVEX_INSTANTIATE_NAMED(AllProperties, PropertyUseTest, ::testing::Range(0, PropertyCount));

TEST(KindRanges, FollowTheToolClassTable)
{
    const std::vector<std::pair<int, int>> ranges{
        {1, 57},    {58, 87},   {88, 99},   {100, 137}, {138, 146}, {147, 156},
        {157, 160}, {161, 168}, {169, 177}, {178, 195}, {196, 201}, {202, 207},
        {208, 210}, {211, 214}, {215, 224}, {225, 236}, {237, 239}, {240, 242},
        {243, 245}, {246, 248}, {249, 251}, {252, 263}, {0, 0}};
    int next = 1;
    for (int cls = 1; cls <= ToolClassCount; ++cls) {
        const Category &c = built().toolClasses.templateOf(cls);
        EXPECT_EQ(c.firstKind, ranges[std::size_t(cls - 1)].first) << cls;
        EXPECT_EQ(c.lastKind, ranges[std::size_t(cls - 1)].second) << cls;
        if (cls < PointerToolClass) {
            EXPECT_EQ(c.firstKind, next) << "gap or overlap before class " << cls;
            next = c.lastKind + 1;
        }
    }
    EXPECT_EQ(next, RegisteredKinds + 1);
}

// The tile layout placing relies on: cells left to right horizontally, top to bottom vertically.
struct CellLayout
{
    int toolClass;
    std::vector<std::string> horizontal;
    std::vector<std::string> vertical;

    std::string caseName() const { return test::words("class", toolClass); }
};

using CellLayoutTest = ::testing::TestWithParam<CellLayout>;

TEST_P(CellLayoutTest, TilesByPosition)
{
    const Category &c = built().toolClasses.templateOf(GetParam().toolClass);
    const int n = c.width;
    ASSERT_EQ(std::size_t(n), GetParam().horizontal.size());
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(kind(c.firstKind + i).tile, GetParam().horizontal[std::size_t(i)]) << i;
    for (std::size_t j = 0; j < GetParam().vertical.size(); ++j)
        EXPECT_EQ(kind(c.firstKind + n + int(j)).tile, GetParam().vertical[j]) << j;
}

TALVEX_INSTANTIATE_NAMED(
    MultiCellClasses, CellLayoutTest,
    ::testing::Values(
        CellLayout{3, {"vAnteilWImg", "vAufteilWSImg"}, {"vAnteilNImg", "vAufteilNOImg"}},
        CellLayout{6,
                   {"wDynWO1Img", "wDynWO2Img", "wDynWO3Img"},
                   {"wDynNS1Img", "wDynNS2Img", "wDynNS3Img"}},
        CellLayout{9, {"wFuncLeftImg", "FuncMidImg", "wFuncRiteImg"}, {}},
        CellLayout{15,
                   {"MarktWO1Img", "MarktWO2Img", "MarktWO3Img", "MarktWO4Img", "MarktWO5Img"},
                   {"MarktNS1Img", "MarktNS2Img", "MarktNS3Img", "MarktNS4Img", "MarktNS5Img"}},
        CellLayout{16,
                   {"wPrefWO1Img", "PrefWO2Img", "PrefWO3Img", "PrefWO4Img", "PrefWO5Img"},
                   {"wPrefNS1Img", "PrefNS2Img", "PrefNS3Img", "PrefNS4Img", "PrefNS5Img"}}));

// --- Tiles and places --------------------------------------------------------------------------

TEST(KindTiles, UsedAndUnusedPictures)
{
    std::set<std::string> used;
    for (int n = 1; n <= RegisteredKinds; ++n) {
        EXPECT_FALSE(kind(n).tile.empty()) << n;
        used.insert(kind(n).tile);
    }
    EXPECT_EQ(used.size(), 202u);
    for (const char *unused :
         {"wAbzwOWSImg",  "wAbzwONWImg",  "wAbzwONSImg",  "wAbzwO3Img",   "wAbzwSWOImg",
          "wAbzwS3Img",   "vAbzwOWSImg",  "vAbzwONWImg",  "vAbzwONSImg",  "vAbzwO3Img",
          "vAbzwSWOImg",  "vAbzwS3Img",   "eAbzwOWSImg",  "eAbzwONWImg",  "eAbzwONSImg",
          "eAbzwO3Img",   "eAbzwSWOImg",  "eAbzwS3Img",   "SubUntenImg",  "vFuncLeftImg",
          "vFuncRiteImg", "vAuswahlSImg", "vAuswahlWImg", "wAuswahlSImg", "wAuswahlWImg",
          "eAuswahlSImg", "eAuswahlWImg", "vAusschImg",   "vEinschImg",   "wAusschImg",
          "wEinschImg",   "eAusschImg",   "eEinschImg",   "AngebImg",     "MktImg",
          "NachfrImg"})
        EXPECT_EQ(used.count(unused), 0u) << unused;
}

TEST(KindTiles, ReservedPlacesStayEmpty)
{
    EXPECT_EQ(built().kinds.kindCount(), RegisteredKinds);
    for (int n = RegisteredKinds + 1; n <= KindPlaces; ++n)
        EXPECT_EQ(kind(n), Default{}) << n;
    EXPECT_THROW(built().kinds.kind(0), ModelError);
    EXPECT_THROW(built().kinds.kind(KindPlaces + 1), ModelError);
}

// --- Single kinds worth pinning ----------------------------------------------------------------

namespace {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

NamedValues namedValues(const Default &k)
{
    NamedValues out;
    for (const CellPropType &p : k.props)
        out.emplace_back(p.name, p.value);
    return out;
}

} // namespace

TEST(CatalogueEdgeCases, FirstLastAndForkKinds)
{
    EXPECT_EQ(kind(1).tile, "vRechtsImg");
    EXPECT_EQ(namedValues(kind(1)),
              (NamedValues{{"linker Eingang", "Verteilung"}, {"rechter Ausgang", "Verteilung"}}));
    EXPECT_EQ(kind(263).tile, "TextSEImg");
    EXPECT_TRUE(kind(263).props.empty());

    EXPECT_EQ(kind(70).tile, "wAbzwWNOImg");
    EXPECT_EQ(namedValues(kind(70)), (NamedValues{{"linker Eingang", "Zahlenwert"},
                                                  {"oberer Ausgang", "Zahlenwert"},
                                                  {"rechter Ausgang", "Zahlenwert"}}));
    EXPECT_EQ(kind(61).tile, "vAbzwW3Img");
    ASSERT_EQ(kind(61).props.size(), 4u);
    for (const CellPropType &p : kind(61).props)
        EXPECT_EQ(p.value, "Verteilung") << p.name;
}

TEST(CatalogueEdgeCases, OperatorsAndConstants)
{
    for (int n : {161, 162}) {
        ASSERT_NE(valueOf(kind(n), prop::Operation), nullptr);
        EXPECT_EQ(*valueOf(kind(n), prop::Operation), "\u2020") << n;
        EXPECT_EQ(utf8Length(*valueOf(kind(n), prop::Operation)), 1u);
    }
    ASSERT_FALSE(kind(125).props.empty());
    EXPECT_EQ(kind(125).props.front().name, "Konstante");
    EXPECT_EQ(kind(125).props.front().value, "100");
}

TEST(CatalogueEdgeCases, InnerPreferenceCellsHaveNoProperties)
{
    for (int n : {226, 227, 228, 229, 231, 232, 233, 234})
        EXPECT_TRUE(kind(n).props.empty()) << n;
}

// --- Rules over all kinds ----------------------------------------------------------------------

// The left cells switch on exactly the inputs their formula uses, and together cover every
// non-empty choice of x1, x2, x3 once.
TEST(CatalogueRules, FreeFunctionInputsFollowTheFormula)
{
    std::set<std::string> choices;
    for (int n = 1; n <= KindPlaces; ++n) {
        const std::string *formula = valueOf(kind(n), 15);
        if (!formula)
            continue;
        std::string choice;
        for (std::uint8_t input : {8, 9, 10}) {
            const std::string x = "x" + std::to_string(input - 7);
            const bool used = formula->find(x) != std::string::npos;
            ASSERT_NE(valueOf(kind(n), input), nullptr) << n;
            EXPECT_EQ(*valueOf(kind(n), input), used ? "ja" : "nein") << n << " " << x;
            choice += used ? x : "";
        }
        EXPECT_TRUE(choices.insert(choice).second) << n << " repeats " << choice;
    }
    EXPECT_EQ(choices, (std::set<std::string>{"x1", "x2", "x3", "x1x2", "x1x3", "x2x3", "x1x2x3"}));
}

// Every default is at most 20 characters and one of the texts its value type allows; no kind
// carries a property twice.
TEST(CatalogueRules, DefaultsFitTheirValueType)
{
    const std::set<std::string> sides{"links", "oben", "rechts", "unten"};
    const std::set<std::string> conductors{"Zahlenwert", "Verteilung", "Entscheidung"};
    std::map<int, std::set<std::string>> allowed{
        {0, conductors},
        {4, {"(Zeittabelle)"}},
        {5, {"aus", "ein"}},
        {6, {"0,0", "0,1", "0,3", "0,4", "0,5", "0,50", "1,0"}},
        {7, {"100,0", "100"}},
        {8, {"0,1", "0,9", "1,0", "1,1", "10,0", "p1=1/m1", "p2=1/m2"}},
        {9,
         {"+", "*", "-", "/", "min", "max", "|", "&", "=", ">", ">=", "<", "<=", "!=", "exp", "ln",
          "~", "\u2020"}},
        {10, {"ja", "nein"}},
        {11, {"ja", "nein"}},
        {13, {"y=x1", "y=x2", "y=x3", "y=x1+x2", "y=x1+x3", "y=x2+x3", "y=x1+x2+x3"}},
    };
    allowed[7].insert(sides.begin(), sides.end());
    allowed[7].insert(conductors.begin(), conductors.end());
    allowed[8].insert(sides.begin(), sides.end());
    allowed[10].insert(sides.begin(), sides.end());
    allowed[13].insert(conductors.begin(), conductors.end());

    for (int n = 1; n <= KindPlaces; ++n) {
        const std::set<std::uint8_t> distinct(kind(n).propIndexes.begin(),
                                              kind(n).propIndexes.end());
        EXPECT_EQ(distinct.size(), kind(n).props.size()) << n;
        for (const CellPropType &p : kind(n).props) {
            EXPECT_LE(utf8Length(p.value), MaxValueLength) << n << " " << p.name;
            EXPECT_EQ(allowed[p.valueType].count(p.value), 1u)
                << n << " " << p.name << " = \"" << p.value << "\"";
        }
    }
}

// --- Registration and build --------------------------------------------------------------------

using DefaultCutTest = ::testing::TestWithParam<std::pair<std::string, std::string>>;

TEST_P(DefaultCutTest, KeepsTwentyCharacters)
{
    KindCatalogue kinds;
    kinds.AddKind("T", {19}, {GetParam().first});
    EXPECT_EQ(kinds.kind(1).props.at(0).value, GetParam().second);
}

TALVEX_INSTANTIATE_NAMED(
    Texts, DefaultCutTest,
    ::testing::Values(std::pair{"Preisänderungsimpuls", "Preisänderungsimpuls"},
                      std::pair{"Preisänderungsimpulse", "Preisänderungsimpuls"},
                      std::pair{"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄ", "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü"},
                      std::pair{"1234567890123456789€€", "1234567890123456789€"},
                      std::pair{"", ""}));

TEST(AddKind, BadIndexRegistersNothing)
{
    KindCatalogue kinds;
    kinds.AddKind("A", {}, {});
    EXPECT_THROW(kinds.AddKind("B", {18, 54}, {"Zahlenwert", "x"}), ModelError);
    EXPECT_EQ(kinds.kindCount(), 1);
    kinds.AddKind("C", {}, {});
    EXPECT_EQ(kinds.kind(2).tile, "C");
}

TEST(AddKind, NothingIsStoredBeyondTheLastPlace)
{
    auto kinds = std::make_unique<KindCatalogue>();
    for (int n = 1; n <= KindPlaces + 1; ++n)
        kinds->AddKind("K" + std::to_string(n), {}, {});
    EXPECT_EQ(kinds->kindCount(), KindPlaces + 1);
    EXPECT_EQ(kinds->kind(KindPlaces).tile, "K283");
    EXPECT_THROW(kinds->kind(KindPlaces + 1), ModelError);
}

TEST(AddKindDeathTest, CountsThatDifferEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    KindCatalogue kinds;
    EXPECT_EXIT(kinds.AddKind("T", {18, 38}, {"Zahlenwert"}), ::testing::ExitedWithCode(1),
                "Zahl der Properties entspricht nicht Zahl der Strings");
}

TEST(BuildDeathTest, MoreKindsThanPlacesEndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto overfull = [] {
        auto model = std::make_unique<ElementModel>();
        // Reports what the full catalogue holds at the moment the build gives up.
        setFatalHandler([&model](const std::string &text, int) {
            std::fprintf(stderr, "%s\nPlatz %d: %s, Anzahl %d\n", text.c_str(), KindPlaces,
                         model->kinds.kind(KindPlaces).tile.c_str(), model->kinds.kindCount());
        });
        model->buildWith(MaxColumns, MaxRows,
                         [](KindRegistrar &r) { registerNumbered(r, KindPlaces + 1); });
    };
    EXPECT_EXIT(overfull(), ::testing::ExitedWithCode(1),
                "Zu viele Defaults für den reservierten Platz!\nPlatz 283: K283, Anzahl 284");
}

TEST(Build, FillsEveryPlaceWithoutComplaint)
{
    auto model = std::make_unique<ElementModel>();
    model->buildWith(MaxColumns, MaxRows,
                     [](KindRegistrar &r) { registerNumbered(r, KindPlaces); });
    EXPECT_EQ(model->kinds.kindCount(), KindPlaces);
    EXPECT_EQ(model->kinds.kind(KindPlaces).tile, "K283");
    EXPECT_EQ(model->toolClasses.templateOf(1).lastKind, KindPlaces);
}

TEST(Build, ResetsTableAndGridAndRepeatsTheSameCatalogue)
{
    auto model = std::make_unique<ElementModel>();
    model->BuildElementModel(MaxColumns, MaxRows);
    const KindCatalogue first = model->kinds;

    model->occupancy.set(1, 1, 5);
    model->occupancy.set(10, 5, 6);
    model->occupancy.set(11, 1, 7);
    model->occupancy.set(1, 6, 8);
    const std::uint16_t placed = model->elements.AllocateElementNumber();
    model->elements.at(placed).head.name = "Markt";

    model->BuildElementModel(10, 5);
    EXPECT_EQ(model->occupancy.at(1, 1), 0);
    EXPECT_EQ(model->occupancy.at(10, 5), 0);
    EXPECT_EQ(model->occupancy.at(11, 1), 7) << "outside the sheet's columns";
    EXPECT_EQ(model->occupancy.at(1, 6), 8) << "outside the sheet's rows";
    EXPECT_EQ(model->elements.allocationCursor(), 0);
    EXPECT_EQ(model->elements.at(placed), model->elements.sheetRecord());
    EXPECT_EQ(model->elements.at(0).head.name, "Zeichenfläche");

    for (int n = 1; n <= KindPlaces; ++n)
        EXPECT_EQ(model->kinds.kind(n), first.kind(n)) << n;
    EXPECT_EQ(model->kinds.kindCount(), first.kindCount());
}
