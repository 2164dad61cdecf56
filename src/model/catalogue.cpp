#include "model/elementmodel.h"

#include "model/conductorshapes.h"
#include "model/properties.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvex {

namespace {

using namespace prop;

// Parameter properties by catalogue index; the connections and "Operation" come from prop::.
constexpr std::uint8_t Angebotsmenge = 0;
constexpr std::uint8_t Angebotspreis = 1;
constexpr std::uint8_t DAnteil = 3;
constexpr std::uint8_t EingabewertMenge = 5;
constexpr std::uint8_t EingabewertAnteil = 6;
constexpr std::uint8_t EingangX1 = 8;
constexpr std::uint8_t EingangX2 = 9;
constexpr std::uint8_t EingangX3 = 10;
constexpr std::uint8_t EingangDividend = 11;
constexpr std::uint8_t EingangSubtrahend = 12;
constexpr std::uint8_t Ersetzung1 = 13;
constexpr std::uint8_t Ersetzung2 = 14;
constexpr std::uint8_t Formel = 15;
constexpr std::uint8_t IAnteil = 16;
constexpr std::uint8_t Konstante = 19;
constexpr std::uint8_t Menge1 = 20;
constexpr std::uint8_t Menge2 = 21;
constexpr std::uint8_t Mengenaenderung1 = 22;
constexpr std::uint8_t Mengenaenderung2 = 23;
constexpr std::uint8_t Mittelwert = 24;
constexpr std::uint8_t Nachfragemenge = 25;
constexpr std::uint8_t Nachfragepreis = 26;
constexpr std::uint8_t PAnteil = 31;
constexpr std::uint8_t Preis1 = 32;
constexpr std::uint8_t Preis2 = 33;
constexpr std::uint8_t PreisaenderungN = 34;
constexpr std::uint8_t PreisaenderungA = 35;
constexpr std::uint8_t ImpulsN = 36;
constexpr std::uint8_t ImpulsA = 37;
constexpr std::uint8_t Schalterstellung = 41;
constexpr std::uint8_t Schiefe = 42;
constexpr std::uint8_t Totzeit = 45;
constexpr std::uint8_t Ueberhoehung = 46;
constexpr std::uint8_t Umsatz = 49;
constexpr std::uint8_t Varianz = 51;
constexpr std::uint8_t Vorgeschichte = 52;
constexpr std::uint8_t Zeitverzoegerung = 53;

// Default texts taken from the value lists, so that kinds and lists cannot drift apart.
const std::string Z{conductorNames()[1]};
const std::string V{conductorNames()[2]};
const std::string E{conductorNames()[3]};
const std::string Links{sideNames()[0]};
const std::string Oben{sideNames()[1]};
const std::string Rechts{sideNames()[2]};
const std::string Unten{sideNames()[3]};
const std::string Aus{switchNames()[0]};
const std::string Ein{switchNames()[1]};
const std::string Nein{answerNames()[0]};
const std::string Ja{answerNames()[1]};

// "†" as one character; the operator of the negation.
const std::string Dagger = "\xE2\x80\xA0";

struct Prop
{
    std::uint8_t index;
    std::string value;
};
using PropList = std::vector<Prop>;

void add(KindRegistrar &r, std::string tile, const PropList &props = {})
{
    std::vector<std::uint8_t> indexes;
    std::vector<std::string> texts;
    for (const Prop &p : props) {
        indexes.push_back(p.index);
        texts.push_back(p.value);
    }
    r.add(std::move(tile), indexes, texts);
}

PropList operator+(PropList head, const PropList &tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A conductor kind with the prefix letter of its tiles.
struct Block
{
    char prefix;
    const std::string &cond;
};

const std::array<Block, 3> &blocks()
{
    static const std::array<Block, 3> all{{{'v', V}, {'w', Z}, {'e', E}}};
    return all;
}

std::string tileName(char prefix, std::string_view shape)
{
    std::string name(1, prefix);
    name.append(shape);
    name.append("Img");
    return name;
}

// Sides by their tile-name letter W, N, O, S.
constexpr std::string_view SideLetters = "WNOS";

std::uint8_t entering(char side)
{
    switch (side) {
    case 'W':
        return LeftIn;
    case 'N':
        return TopIn;
    case 'O':
        return RightIn;
    default:
        return BottomIn;
    }
}

std::uint8_t leaving(char side)
{
    switch (side) {
    case 'W':
        return LeftOut;
    case 'N':
        return TopOut;
    case 'O':
        return RightOut;
    default:
        return BottomOut;
    }
}

// A conductor that enters at side `from` and leaves at every side of `to` ("3": the three
// others): its connections in ascending catalogue order, each carrying cond.
PropList flow(char from, std::string_view to, const std::string &cond)
{
    std::vector<std::uint8_t> indexes{entering(from)};
    for (char side : SideLetters) {
        const bool exits = to == "3" ? side != from : to.find(side) != std::string_view::npos;
        if (exits)
            indexes.push_back(leaving(side));
    }
    std::sort(indexes.begin(), indexes.end());
    PropList props;
    for (std::uint8_t index : indexes)
        props.push_back({index, cond});
    return props;
}

// Class 1: straight pieces, corners and crossings.
void registerConductors(KindRegistrar &r)
{
    r.beginClass(1);
    for (const Block &b : blocks())
        for (const ConductorShape &s : DirectedStraights)
            add(r, tileName(b.prefix, s.name), flow(s.from, s.to, b.cond));
    // Along each axis one way, then back.
    for (const Block &b : blocks()) {
        for (const ConductorShape &s : UndirectedStraights) {
            add(r, tileName(b.prefix, s.name), flow(s.from, s.to, b.cond));
            add(r, tileName(b.prefix, s.name), flow(s.to[0], {&s.from, 1}, b.cond));
        }
    }
    for (const Block &b : blocks())
        for (std::string_view shape : CornerShapes)
            add(r, tileName(b.prefix, shape), flow(shape[0], shape.substr(1), b.cond));
    // The horizontal conductor names the tile first, the vertical one second; equal ones once.
    for (const Block &h : blocks()) {
        for (const Block &v : blocks()) {
            std::string prefix(1, h.prefix);
            if (v.prefix != h.prefix)
                prefix += v.prefix;
            add(r, prefix + "KreuzImg",
                {{LeftIn, h.cond}, {TopIn, v.cond}, {RightOut, h.cond}, {BottomOut, v.cond}});
        }
    }
}

// Class 2: forks; the shape's first letter is the entry side, the others the exits.
void registerForks(KindRegistrar &r)
{
    r.beginClass(2);
    for (const Block &b : blocks())
        for (std::string_view shape : ForkShapes)
            add(r, tileName(b.prefix, std::string("Abzw") + std::string(shape)),
                flow(shape[0], shape.substr(1), b.cond));
}

// Class 3: dividers of two cells; the w block lists its shapes in another order.
void registerDividers(KindRegistrar &r)
{
    struct Divider
    {
        std::string_view shape;
        std::vector<std::uint8_t> connections;
    };
    const Divider anteilW{"AnteilW", {LeftIn, BottomOut}};
    const Divider aufteilWS{"AufteilWS", {BottomOut}};
    const Divider anteilN{"AnteilN", {TopIn, RightOut}};
    const Divider aufteilNO{"AufteilNO", {RightOut}};
    const Divider aufteilWO{"AufteilWO", {RightOut}};
    const Divider aufteilNS{"AufteilNS", {BottomOut}};

    const auto addBlock = [&r](const Block &b, std::initializer_list<const Divider *> order) {
        for (const Divider *d : order) {
            PropList props;
            for (std::uint8_t index : d->connections)
                props.push_back({index, b.cond});
            add(r, tileName(b.prefix, d->shape), props);
        }
    };
    r.beginClass(3);
    addBlock(blocks()[0], {&anteilW, &aufteilWS, &anteilN, &aufteilNO, &aufteilWO, &aufteilNS});
    addBlock(blocks()[1], {&anteilW, &aufteilWS, &aufteilWO, &anteilN, &aufteilNO, &aufteilNS});
}

// The three mixer layouts: inputs left and top with output bottom, inputs left and top with
// output right, inputs top and right with output bottom.
enum class Mix
{
    LeftTopToBottom,
    LeftTopToRight,
    TopRightToBottom,
};

PropList mixer(Mix layout, const std::string &cond, const std::string &op)
{
    switch (layout) {
    case Mix::LeftTopToBottom:
        return {{LeftIn, cond}, {TopIn, cond}, {Operation, op}, {BottomOut, cond}};
    case Mix::LeftTopToRight:
        return {{LeftIn, cond}, {TopIn, cond}, {Operation, op}, {RightOut, cond}};
    case Mix::TopRightToBottom:
        break;
    }
    return {{TopIn, cond}, {Operation, op}, {RightIn, cond}, {BottomOut, cond}};
}

// Class 4: arithmetic mixers.
void registerMixers(KindRegistrar &r)
{
    const auto allLayouts = [&r](const char *tile, const std::string &cond, const char *op) {
        for (Mix layout : {Mix::LeftTopToBottom, Mix::LeftTopToRight, Mix::TopRightToBottom})
            add(r, tile, mixer(layout, cond, op));
    };
    const std::string minus = "-";
    const std::string divide = "/";
    const Prop divOp{Operation, divide};

    r.beginClass(4);
    allLayouts("AddImg", V, "+");
    allLayouts("AddImg", Z, "+");
    allLayouts("MultImg", V, "*");
    allLayouts("MultImg", Z, "*");
    add(r, "MultImg", {{LeftIn, Z}, {Operation, "*"}, {RightIn, Z}, {BottomOut, Z}});
    add(r, "MultMitImg", {{Konstante, "100"}, {TopIn, Z}, {Operation, "*"}, {RightOut, Z}});
    // Subtraction and division first name the side where the subtrahend or dividend enters.
    add(r, "SubLinksImg",
        PropList{{EingangSubtrahend, Links}} + mixer(Mix::LeftTopToBottom, Z, minus));
    add(r, "SubObenImg",
        PropList{{EingangSubtrahend, Oben}} + mixer(Mix::LeftTopToBottom, Z, minus));
    add(r, "SubObenImg",
        PropList{{EingangSubtrahend, Oben}} + mixer(Mix::TopRightToBottom, Z, minus));
    add(r, "SubRechtsImg",
        PropList{{EingangSubtrahend, Rechts}} + mixer(Mix::TopRightToBottom, Z, minus));
    add(r, "DivLinksImg",
        PropList{{EingangDividend, Links}} + mixer(Mix::LeftTopToBottom, Z, divide));
    add(r, "DivObenImg",
        PropList{{EingangDividend, Oben}} + mixer(Mix::LeftTopToBottom, Z, divide));
    add(r, "DivObenImg",
        PropList{{EingangDividend, Oben}} + mixer(Mix::TopRightToBottom, Z, divide));
    add(r, "DivRechtsImg",
        PropList{{EingangDividend, Rechts}} + mixer(Mix::TopRightToBottom, Z, divide));
    add(r, "DivRechtsImg",
        {{EingangDividend, Rechts}, {LeftIn, Z}, divOp, {RightIn, Z}, {TopOut, Z}});
    add(r, "DivUntenImg",
        {{EingangDividend, Unten}, {TopOut, Z}, divOp, {RightIn, Z}, {BottomIn, Z}});
    add(r, "DivUntenImg",
        {{EingangDividend, Unten}, {LeftOut, Z}, divOp, {RightIn, Z}, {BottomIn, Z}});
    add(r, "DivDurchImg", {{Konstante, "100"}, {TopIn, Z}, divOp, {RightOut, Z}});
    allLayouts("MinImg", Z, "min");
    allLayouts("MaxImg", Z, "max");
    allLayouts("OrImg", E, "|");
    allLayouts("AndImg", E, "&");
}

// Class 5: static inputs; the v tiles carry distribution parameters and, like the w tiles,
// deliver numeric values.
void registerStaticInputs(KindRegistrar &r)
{
    const Prop price{Nachfragepreis, "100,0"};
    const Prop variance{Varianz, "10,0"};
    const PropList lognormal{{Schiefe, "1,0"}, {Ueberhoehung, "1,0"}, variance};
    const Prop value{EingabewertMenge, "100,0"};

    r.beginClass(5);
    add(r, "vInLinksImg", {price, {RightOut, Z}, variance});
    add(r, "vInObenImg", {price, {BottomOut, Z}, variance});
    add(r, "vInRechtsImg", {{LeftOut, Z}, price, variance});
    add(r, "vInLnLiImg", PropList{price, {RightOut, Z}} + lognormal);
    add(r, "vInLnObImg", PropList{price, {BottomOut, Z}} + lognormal);
    add(r, "vInLnReImg", PropList{{LeftOut, Z}, price} + lognormal);
    add(r, "wInLinksImg", {value, {RightOut, Z}});
    add(r, "wInObenImg", {value, {BottomOut, Z}});
    add(r, "wInRechtsImg", {value, {LeftOut, Z}});
}

// Class 6: the three cells of the dynamic input in both forms, then the switches.
void registerDynamicInputs(KindRegistrar &r)
{
    const Prop share{EingabewertAnteil, "0,50"};
    r.beginClass(6);
    add(r, "wDynWO1Img");
    add(r, "wDynWO2Img", {share, {RightOut, Z}});
    add(r, "wDynWO3Img");
    add(r, "wDynNS1Img");
    add(r, "wDynNS2Img", {share, {BottomOut, Z}});
    add(r, "wDynNS3Img");
    add(r, "SchaltL0Img", {{Schalterstellung, Aus}, {RightOut, E}});
    add(r, "SchaltL1Img", {{Schalterstellung, Ein}, {RightOut, E}});
    add(r, "SchaltO0Img", {{Schalterstellung, Aus}, {BottomOut, E}});
    add(r, "SchaltO1Img", {{Schalterstellung, Ein}, {BottomOut, E}});
}

// Class 7: history data, output right or bottom; both tiles deliver numeric values.
void registerHistories(KindRegistrar &r)
{
    const Prop table{Vorgeschichte, "(Zeittabelle)"};
    r.beginClass(7);
    for (const char *tile : {"wHistoryImg", "vHistoryImg"}) {
        add(r, tile, {table, {RightOut, Z}});
        add(r, tile, {table, {BottomOut, Z}});
    }
}

// Class 8: preset one-input functions, horizontal then vertical.
void registerPresetFunctions(KindRegistrar &r)
{
    const std::array<std::pair<const char *, std::string>, 4> functions{{
        {"NegImg", Dagger},
        {"ExpImg", "exp"},
        {"LnImg", "ln"},
        {"NotImg", "~"},
    }};
    r.beginClass(8);
    for (const auto &[tile, op] : functions) {
        add(r, tile, {{LeftIn, Z}, {Operation, op}, {RightOut, Z}});
        add(r, tile, {{TopIn, Z}, {Operation, op}, {BottomOut, Z}});
    }
}

// The left cell of a free function: an input is switched on when the formula uses it.
PropList freeFunctionLeft(const std::string &formula)
{
    const auto uses = [&formula](const char *input) {
        return formula.find(input) != std::string::npos ? Ja : Nein;
    };
    return {{EingangX1, uses("x1")},
            {EingangX2, uses("x2")},
            {EingangX3, uses("x3")},
            {Formel, formula},
            {LeftIn, Z},
            {TopIn, Z},
            {BottomIn, Z}};
}

// Class 9: the free function's three cells, then further left cells with other formulas.
void registerFreeFunctions(KindRegistrar &r)
{
    r.beginClass(9);
    add(r, "wFuncLeftImg", freeFunctionLeft("y=x1"));
    add(r, "FuncMidImg");
    add(r, "wFuncRiteImg", {{RightOut, Z}});
    for (const char *formula : {"y=x2", "y=x3", "y=x1+x2", "y=x1+x3", "y=x2+x3", "y=x1+x2+x3"})
        add(r, "wFuncLeftImg", freeFunctionLeft(formula));
}

// Class 10: comparisons of two numeric values giving a decision, three layouts each.
void registerRelations(KindRegistrar &r)
{
    const std::array<std::pair<const char *, const char *>, 6> relations{{
        {"glImg", "="},
        {"grImg", ">"},
        {"grglImg", ">="},
        {"klImg", "<"},
        {"klglImg", "<="},
        {"unglImg", "!="},
    }};
    r.beginClass(10);
    for (const auto &[tile, op] : relations) {
        add(r, tile, {{LeftIn, Z}, {TopIn, Z}, {Operation, op}, {BottomOut, E}});
        add(r, tile, {{LeftIn, Z}, {TopIn, Z}, {Operation, op}, {RightOut, E}});
        add(r, tile, {{TopIn, Z}, {RightIn, Z}, {Operation, op}, {BottomOut, E}});
    }
}

// Class 11: a decision chooses between two conductors of the block's kind.
void registerSelectors(KindRegistrar &r)
{
    r.beginClass(11);
    for (const Block &b : blocks()) {
        const std::string &c = b.cond;
        add(r, tileName(b.prefix, "AuswahlN"),
            {{LeftIn, E}, {TopIn, c}, {RightOut, c}, {BottomIn, c}});
        add(r, tileName(b.prefix, "AuswahlO"),
            {{LeftIn, c}, {TopIn, E}, {RightIn, c}, {BottomOut, c}});
    }
}

// Class 12: linear controllers on distributions, by their D, I and P shares.
void registerControllers(KindRegistrar &r)
{
    struct Controller
    {
        const char *tile;
        const char *d;
        const char *i;
        const char *p;
    };
    static constexpr std::array<Controller, 6> controllers{{
        {"PIDImg", "0,3", "0,3", "0,4"},
        {"PIImg", "0,0", "0,5", "0,5"},
        {"PDImg", "0,5", "0,0", "0,5"},
        {"PImg", "0,0", "0,0", "1,0"},
        {"IImg", "0,0", "1,0", "0,0"},
        {"DImg", "1,0", "0,0", "0,0"},
    }};
    r.beginClass(12);
    for (const Controller &c : controllers)
        add(r, c.tile,
            {{DAnteil, c.d}, {IAnteil, c.i}, {LeftIn, V}, {PAnteil, c.p}, {RightOut, V}});
}

// Classes 13 and 14: non-linear and distribution transformations.
void registerTransformations(KindRegistrar &r)
{
    const Prop deadTime{Totzeit, "0,1"};
    const Prop delay{Zeitverzoegerung, "0,1"};
    r.beginClass(13);
    add(r, "T_Img", {deadTime, {LeftIn, V}, {RightOut, V}});
    add(r, "AnpassImg", {{LeftIn, V}, {RightOut, V}, delay});
    add(r, "SImg", {deadTime, {LeftIn, V}, {RightOut, V}, delay});

    // A "hoch" and a "breit" transformation, each horizontal and vertical.
    r.beginClass(14);
    for (const auto &[shape, factor] : {std::pair{"hoch", "1,1"}, std::pair{"breit", "0,9"}}) {
        const std::string tile = std::string("Distrib") + shape;
        add(r, tile + "WOImg", {{LeftIn, V}, {Ueberhoehung, factor}, {RightOut, V}});
        add(r, tile + "NSImg", {{Ueberhoehung, factor}, {TopIn, V}, {BottomOut, V}});
    }
}

// Class 15: the market's five cells, horizontal then vertical; its quantities name the side at
// which they attach.
void registerMarket(KindRegistrar &r)
{
    const Prop turnover{Umsatz, "100"};
    r.beginClass(15);
    add(r, "MarktWO1Img", {{ImpulsN, Oben}, {ImpulsA, Unten}, {TopOut, Z}, {BottomOut, Z}});
    add(r, "MarktWO2Img",
        {{PreisaenderungN, Oben}, {PreisaenderungA, Unten}, {TopIn, Z}, {BottomIn, Z}});
    add(r, "MarktWO3Img",
        {{Angebotspreis, Oben}, {Nachfragemenge, Unten}, {TopOut, Z}, {BottomOut, Z}});
    add(r, "MarktWO4Img",
        {{Mengenaenderung1, Oben}, {Mengenaenderung2, Unten}, {TopIn, Z}, {BottomIn, Z}});
    add(r, "MarktWO5Img",
        {{Angebotsmenge, Oben}, {Mittelwert, Unten}, {TopIn, V}, turnover, {BottomIn, V}});
    add(r, "MarktNS1Img", {{ImpulsA, Links}, {ImpulsN, Rechts}, {TopOut, Z}, {BottomOut, Z}});
    add(r, "MarktNS2Img",
        {{PreisaenderungA, Links}, {PreisaenderungN, Rechts}, {TopIn, Z}, {BottomIn, Z}});
    add(r, "MarktNS3Img",
        {{Angebotspreis, Links}, {Nachfragemenge, Rechts}, {TopOut, Z}, {BottomOut, Z}});
    add(r, "MarktNS4Img",
        {{Mengenaenderung2, Links}, {Mengenaenderung1, Rechts}, {TopIn, Z}, {BottomIn, Z}});
    add(r, "MarktNS5Img",
        {{Angebotsmenge, Links}, {Mittelwert, Rechts}, {TopIn, V}, turnover, {BottomIn, V}});
}

// The first cell of the preference system; the horizontal form takes its input on the left,
// the vertical form on top.
PropList preferenceFirst(const std::string &cond, bool horizontal)
{
    const PropList goods{{Menge1, cond}, {Preis1, "p1=1/m1"}, {Ersetzung1, cond},
                         {Menge2, cond}, {Preis2, "p2=1/m2"}, {Ersetzung2, cond}};
    return horizontal ? PropList{{LeftIn, cond}} + goods : goods + PropList{{TopIn, cond}};
}

// Class 16: the preference system's cells, horizontal then vertical, then the distribution
// versions of the first cells.
void registerPreferences(KindRegistrar &r)
{
    r.beginClass(16);
    add(r, "wPrefWO1Img", preferenceFirst(Z, true));
    for (const char *tile : {"PrefWO2Img", "PrefWO3Img", "PrefWO4Img", "PrefWO5Img"})
        add(r, tile);
    add(r, "wPrefNS1Img", preferenceFirst(Z, false));
    for (const char *tile : {"PrefNS2Img", "PrefNS3Img", "PrefNS4Img", "PrefNS5Img"})
        add(r, tile);
    add(r, "vPrefWO1Img", preferenceFirst(V, true));
    add(r, "vPrefNS1Img", preferenceFirst(V, false));
}

// Classes 17 to 21: displays and recorders, each with input left, input left passed on to the
// right, and input top.
void registerDisplays(KindRegistrar &r)
{
    struct Display
    {
        int toolClass;
        std::array<const char *, 3> tiles;
        const std::string &cond;
    };
    const std::array<Display, 5> displays{{
        {17, {"AnalogImg", "AnalogImg", "AnalogImg"}, Z},
        {18, {"DigitalImg", "DigitalImg", "DigitalImg"}, Z},
        {19, {"vMomentWImg", "vMomentWOImg", "vMomentNImg"}, V},
        {20, {"VerteilImg", "VerteilImg", "VerteilImg"}, V},
        {21, {"VerlaufImg", "VerlaufImg", "VerlaufImg"}, V},
    }};
    for (const Display &d : displays) {
        r.beginClass(d.toolClass);
        add(r, d.tiles[0], {{LeftIn, d.cond}});
        add(r, d.tiles[1], {{LeftIn, d.cond}, {RightOut, d.cond}});
        add(r, d.tiles[2], {{TopIn, d.cond}});
    }
}

// Class 22: text tiles without properties.
void registerTexts(KindRegistrar &r)
{
    r.beginClass(22);
    for (const char *tile :
         {"Text1Img", "Text2HImg", "Text2VImg", "TextNWImg", "TextNImg", "TextNEImg", "TextWImg",
          "TextMidImg", "TextEImg", "TextSWImg", "TextSImg", "TextSEImg"})
        add(r, tile);
}

} // namespace

void registerElementKinds(KindRegistrar &r)
{
    registerConductors(r);
    registerForks(r);
    registerDividers(r);
    registerMixers(r);
    registerStaticInputs(r);
    registerDynamicInputs(r);
    registerHistories(r);
    registerPresetFunctions(r);
    registerFreeFunctions(r);
    registerRelations(r);
    registerSelectors(r);
    registerControllers(r);
    registerTransformations(r);
    registerMarket(r);
    registerPreferences(r);
    registerDisplays(r);
    registerTexts(r);
}

} // namespace talvex
