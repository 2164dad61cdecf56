#include "pictures/tilecatalogue.h"

#include "model/conductorshapes.h"

#include <cstring>
#include <span>
#include <string_view>
#include <utility>

namespace talvex {

namespace {

constexpr int Cell = TilePainter::Cell;
constexpr int Mid = TilePainter::Mid;

constexpr Span H(int index, int count)
{
    return {false, index, count};
}
constexpr Span V(int index, int count)
{
    return {true, index, count};
}

constexpr int W = int(Side::W);
constexpr int N = int(Side::N);
constexpr int O = int(Side::O);
constexpr int S = int(Side::S);

// One tile: its sides in the order W N O S, two characters each (conductor kind v, w or e,
// then i enters, o leaves, - no direction; ".." unconnected), its symbol and the symbol's
// label and variant. Tiles shared by several kinds show the connections of the first of them.
struct Row
{
    const char *name;
    const char *sides;
    Symbol symbol;
    const char16_t *label = u"";
    int arg = 0;
    Span span = {};
};

constexpr Row Blocks[] = {
    // Dividers: the share leaves the first cell, the rest the second.
    {"vAnteilWImg", "vi .. .. vo", Symbol::Divider, u"", 0, H(0, 2)},
    {"vAufteilWSImg", ".. .. .. vo", Symbol::Divider, u"", 0, H(1, 2)},
    {"vAnteilNImg", ".. vi vo ..", Symbol::Divider, u"", 0, V(0, 2)},
    {"vAufteilNOImg", ".. .. vo ..", Symbol::Divider, u"", 0, V(1, 2)},
    {"vAufteilWOImg", ".. .. vo ..", Symbol::Divider, u"", 0, H(1, 2)},
    {"vAufteilNSImg", ".. .. .. vo", Symbol::Divider, u"", 0, V(1, 2)},
    {"wAnteilWImg", "wi .. .. wo", Symbol::Divider, u"", 0, H(0, 2)},
    {"wAufteilWSImg", ".. .. .. wo", Symbol::Divider, u"", 0, H(1, 2)},
    {"wAufteilWOImg", ".. .. wo ..", Symbol::Divider, u"", 0, H(1, 2)},
    {"wAnteilNImg", ".. wi wo ..", Symbol::Divider, u"", 0, V(0, 2)},
    {"wAufteilNOImg", ".. .. wo ..", Symbol::Divider, u"", 0, V(1, 2)},
    {"wAufteilNSImg", ".. .. .. wo", Symbol::Divider, u"", 0, V(1, 2)},
    // Mixers.
    {"AddImg", "vi vi .. vo", Symbol::Operator, u"+"},
    {"MultImg", "vi vi .. vo", Symbol::Operator, u"\u00d7"},
    {"MultMitImg", ".. wi wo ..", Symbol::Label, u"\u00d7K"},
    {"SubLinksImg", "wi wi .. wo", Symbol::Subtract, u"", W},
    {"SubObenImg", "wi wi .. wo", Symbol::Subtract, u"", N},
    {"SubRechtsImg", ".. wi wi wo", Symbol::Subtract, u"", O},
    {"DivLinksImg", "wi wi .. wo", Symbol::Divide, u"", W},
    {"DivObenImg", "wi wi .. wo", Symbol::Divide, u"", N},
    {"DivRechtsImg", ".. wi wi wo", Symbol::Divide, u"", O},
    {"DivUntenImg", ".. wo wi wi", Symbol::Divide, u"", S},
    {"DivDurchImg", ".. wi wo ..", Symbol::Label, u"\u00f7K"},
    {"MinImg", "wi wi .. wo", Symbol::Label, u"min"},
    {"MaxImg", "wi wi .. wo", Symbol::Label, u"max"},
    {"OrImg", "ei ei .. eo", Symbol::Operator, u"|"},
    {"AndImg", "ei ei .. eo", Symbol::Operator, u"&"},
    // Static inputs, named after the side they stand on.
    {"vInLinksImg", ".. .. vo ..", Symbol::Source, u"", SourceNormal},
    {"vInObenImg", ".. .. .. vo", Symbol::Source, u"", SourceNormal},
    {"vInRechtsImg", "vo .. .. ..", Symbol::Source, u"", SourceNormal},
    {"vInLnLiImg", ".. .. vo ..", Symbol::Source, u"", SourceLogNormal},
    {"vInLnObImg", ".. .. .. vo", Symbol::Source, u"", SourceLogNormal},
    {"vInLnReImg", "vo .. .. ..", Symbol::Source, u"", SourceLogNormal},
    {"wInLinksImg", ".. .. wo ..", Symbol::Source, u"", SourceConstant},
    {"wInObenImg", ".. .. .. wo", Symbol::Source, u"", SourceConstant},
    {"wInRechtsImg", "wo .. .. ..", Symbol::Source, u"", SourceConstant},
    // Dynamic input: a slider over three cells, the value leaving at its end; switches.
    {"wDynWO1Img", ".. .. .. ..", Symbol::Slider, u"", 0, H(0, 3)},
    {"wDynWO2Img", ".. .. .. ..", Symbol::Slider, u"", 0, H(1, 3)},
    {"wDynWO3Img", ".. .. wo ..", Symbol::Slider, u"", 0, H(2, 3)},
    {"wDynNS1Img", ".. .. .. ..", Symbol::Slider, u"", 0, V(0, 3)},
    {"wDynNS2Img", ".. .. .. ..", Symbol::Slider, u"", 0, V(1, 3)},
    {"wDynNS3Img", ".. .. .. wo", Symbol::Slider, u"", 0, V(2, 3)},
    {"SchaltL0Img", ".. .. eo ..", Symbol::Switch, u"", 0},
    {"SchaltL1Img", ".. .. eo ..", Symbol::Switch, u"", 1},
    {"SchaltO0Img", ".. .. .. eo", Symbol::Switch, u"", 0},
    {"SchaltO1Img", ".. .. .. eo", Symbol::Switch, u"", 1},
    {"wHistoryImg", ".. .. wo ..", Symbol::History},
    {"vHistoryImg", ".. .. vo ..", Symbol::History},
    // Preset functions.
    {"NegImg", "wi .. wo ..", Symbol::Operator, u"\u2020"},
    {"ExpImg", "wi .. wo ..", Symbol::Label, u"exp"},
    {"LnImg", "wi .. wo ..", Symbol::Label, u"ln"},
    {"NotImg", "wi .. wo ..", Symbol::Operator, u"~"},
    // Free function: three inputs on the left cell, the result leaving the right one.
    {"wFuncLeftImg", "wi wi .. wi", Symbol::Function, u"", 0, H(0, 3)},
    {"FuncMidImg", ".. .. .. ..", Symbol::Function, u"", 0, H(1, 3)},
    {"wFuncRiteImg", ".. .. wo ..", Symbol::Function, u"", 0, H(2, 3)},
    // Comparisons give a decision.
    {"glImg", "wi wi .. eo", Symbol::Operator, u"="},
    {"grImg", "wi wi .. eo", Symbol::Operator, u">"},
    {"grglImg", "wi wi .. eo", Symbol::Operator, u"\u2265"},
    {"klImg", "wi wi .. eo", Symbol::Operator, u"<"},
    {"klglImg", "wi wi .. eo", Symbol::Operator, u"\u2264"},
    {"unglImg", "wi wi .. eo", Symbol::Operator, u"\u2260"},
    // Selectors: the decision enters opposite the output.
    {"vAuswahlNImg", "ei vi vo vi", Symbol::Selector},
    {"vAuswahlOImg", "vi ei vi vo", Symbol::Selector},
    {"wAuswahlNImg", "ei wi wo wi", Symbol::Selector},
    {"wAuswahlOImg", "wi ei wi wo", Symbol::Selector},
    {"eAuswahlNImg", "ei ei eo ei", Symbol::Selector},
    {"eAuswahlOImg", "ei ei ei eo", Symbol::Selector},
    // Controllers and non-linear transformations.
    {"PIDImg", "vi .. vo ..", Symbol::Label, u"PID"},
    {"PIImg", "vi .. vo ..", Symbol::Label, u"PI"},
    {"PDImg", "vi .. vo ..", Symbol::Label, u"PD"},
    {"PImg", "vi .. vo ..", Symbol::Label, u"P"},
    {"IImg", "vi .. vo ..", Symbol::Label, u"I"},
    {"DImg", "vi .. vo ..", Symbol::Label, u"D"},
    {"T_Img", "vi .. vo ..", Symbol::Response, u"", DeadTime},
    {"AnpassImg", "vi .. vo ..", Symbol::Response, u"", Lag},
    {"SImg", "vi .. vo ..", Symbol::Response, u"", DelayedLag},
    {"DistribhochWOImg", "vi .. vo ..", Symbol::Hump, u"", HumpTall},
    {"DistribhochNSImg", ".. vi .. vo", Symbol::Hump, u"", HumpTall},
    {"DistribbreitWOImg", "vi .. vo ..", Symbol::Hump, u"", HumpBroad},
    {"DistribbreitNSImg", ".. vi .. vo", Symbol::Hump, u"", HumpBroad},
    // Market: quantities attach above and below; the vertical form is the horizontal one
    // turned clockwise.
    {"MarktWO1Img", ".. wo .. wo", Symbol::Market, u"", 0, H(0, 5)},
    {"MarktWO2Img", ".. wi .. wi", Symbol::Market, u"", 0, H(1, 5)},
    {"MarktWO3Img", ".. wo .. wo", Symbol::Market, u"", 0, H(2, 5)},
    {"MarktWO4Img", ".. wi .. wi", Symbol::Market, u"", 0, H(3, 5)},
    {"MarktWO5Img", ".. vi .. vi", Symbol::Market, u"", 0, H(4, 5)},
    {"MarktNS1Img", "wo .. wo ..", Symbol::Market, u"", 0, V(0, 5)},
    {"MarktNS2Img", "wi .. wi ..", Symbol::Market, u"", 0, V(1, 5)},
    {"MarktNS3Img", "wo .. wo ..", Symbol::Market, u"", 0, V(2, 5)},
    {"MarktNS4Img", "wi .. wi ..", Symbol::Market, u"", 0, V(3, 5)},
    {"MarktNS5Img", "vi .. vi ..", Symbol::Market, u"", 0, V(4, 5)},
    // Preference system.
    {"wPrefWO1Img", "wi .. .. ..", Symbol::Preference, u"", 0, H(0, 5)},
    {"PrefWO2Img", ".. .. .. ..", Symbol::Preference, u"", 0, H(1, 5)},
    {"PrefWO3Img", ".. .. .. ..", Symbol::Preference, u"", 0, H(2, 5)},
    {"PrefWO4Img", ".. .. .. ..", Symbol::Preference, u"", 0, H(3, 5)},
    {"PrefWO5Img", ".. .. .. ..", Symbol::Preference, u"", 0, H(4, 5)},
    {"wPrefNS1Img", ".. wi .. ..", Symbol::Preference, u"", 0, V(0, 5)},
    {"PrefNS2Img", ".. .. .. ..", Symbol::Preference, u"", 0, V(1, 5)},
    {"PrefNS3Img", ".. .. .. ..", Symbol::Preference, u"", 0, V(2, 5)},
    {"PrefNS4Img", ".. .. .. ..", Symbol::Preference, u"", 0, V(3, 5)},
    {"PrefNS5Img", ".. .. .. ..", Symbol::Preference, u"", 0, V(4, 5)},
    {"vPrefWO1Img", "vi .. .. ..", Symbol::Preference, u"", 0, H(0, 5)},
    {"vPrefNS1Img", ".. vi .. ..", Symbol::Preference, u"", 0, V(0, 5)},
    // Displays and recorders.
    {"AnalogImg", "wi .. .. ..", Symbol::Gauge},
    {"DigitalImg", "wi .. .. ..", Symbol::Readout},
    {"vMomentWImg", "vi .. .. ..", Symbol::Moments},
    {"vMomentWOImg", "vi .. vo ..", Symbol::Moments},
    {"vMomentNImg", ".. vi .. ..", Symbol::Moments},
    {"VerteilImg", "vi .. .. ..", Symbol::Histogram},
    {"VerlaufImg", "vi .. .. ..", Symbol::Recorder},
    // Text: one cell, strips one cell high or wide, and the nine parts of a larger block.
    {"Text1Img", ".. .. .. ..", Symbol::Text, u"", 15 | TextNote},
    {"Text2HImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeN | TextEdgeS},
    {"Text2VImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeW | TextEdgeO},
    {"TextNWImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeW | TextEdgeN},
    {"TextNImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeN},
    {"TextNEImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeN | TextEdgeO},
    {"TextWImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeW},
    {"TextMidImg", ".. .. .. ..", Symbol::Text, u"", 0},
    {"TextEImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeO},
    {"TextSWImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeW | TextEdgeS},
    {"TextSImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeS},
    {"TextSEImg", ".. .. .. ..", Symbol::Text, u"", TextEdgeO | TextEdgeS},
};

// Tiles no kind uses, after the spare forks.
constexpr Row Spares[] = {
    {"SubUntenImg", ".. wo wi wi", Symbol::Subtract, u"", S},
    {"vFuncLeftImg", "vi vi .. vi", Symbol::Function, u"", 0, H(0, 3)},
    {"vFuncRiteImg", ".. .. vo ..", Symbol::Function, u"", 0, H(2, 3)},
    // Selectors turned on: AuswahlN, O, S, W follow each other clockwise.
    {"vAuswahlSImg", "vo vi ei vi", Symbol::Selector},
    {"vAuswahlWImg", "vi vo vi ei", Symbol::Selector},
    {"wAuswahlSImg", "wo wi ei wi", Symbol::Selector},
    {"wAuswahlWImg", "wi wo wi ei", Symbol::Selector},
    {"eAuswahlSImg", "eo ei ei ei", Symbol::Selector},
    {"eAuswahlWImg", "ei eo ei ei", Symbol::Selector},
    // Switches in a conductor, open (Aus) and closed (Ein).
    {"vAusschImg", "vi .. vo ..", Symbol::LineSwitch, u"", 0},
    {"vEinschImg", "vi .. vo ..", Symbol::LineSwitch, u"", 1},
    {"wAusschImg", "wi .. wo ..", Symbol::LineSwitch, u"", 0},
    {"wEinschImg", "wi .. wo ..", Symbol::LineSwitch, u"", 1},
    {"eAusschImg", "ei .. eo ..", Symbol::LineSwitch, u"", 0},
    {"eEinschImg", "ei .. eo ..", Symbol::LineSwitch, u"", 1},
    {"AngebImg", ".. .. .. ..", Symbol::Curve, u"", CurveSupply},
    {"MktImg", ".. .. .. ..", Symbol::Curve, u"", CurveMarket},
    {"NachfrImg", ".. .. .. ..", Symbol::Curve, u"", CurveDemand},
};

// Forks no kind uses, after the blocks; the other shapes are the kinds' own.
constexpr std::string_view SpareForks[] = {"OWS", "ONW", "ONS", "O3", "SWO", "S3"};

int sideOfLetter(char letter)
{
    return int(std::strchr("WNOS", letter) - "WNOS");
}

// A conductor of the kind entering at side `from` and leaving at the sides of `to` ("3": the
// three others); pieces without direction carry '-' on both ends.
Legs legsOfShape(char from, std::string_view to, char kind, bool directed = true)
{
    Legs legs;
    const int entry = sideOfLetter(from);
    legs[entry] = {kind, directed ? 'i' : '-'};
    for (const char letter : to) {
        for (int s = 0; s < 4; ++s) {
            if (letter == '3' ? s != entry : s == sideOfLetter(letter))
                legs[s] = {kind, directed ? 'o' : '-'};
        }
    }
    return legs;
}

Legs legsOfShape(std::string_view shape, char kind)
{
    return legsOfShape(shape[0], shape.substr(1), kind);
}

TileDescription conductorTile(QString name, const Legs &legs, Symbol symbol)
{
    return {std::move(name), legs, symbol, {}, 0, {}};
}

TileDescription describe(const Row &row)
{
    return {QString::fromLatin1(row.name),
            parseSides(row.sides),
            row.symbol,
            QString::fromUtf16(row.label),
            row.arg,
            row.span};
}

QString conductorName(char kind, std::string_view shape, const char *family = "")
{
    return QLatin1Char(kind) + QLatin1String(family) +
           QLatin1String(shape.data(), qsizetype(shape.size())) + QLatin1String("Img");
}

std::vector<TileDescription> buildDescriptions()
{
    std::vector<TileDescription> tiles;
    constexpr char Kinds[] = {'v', 'w', 'e'};
    // Directed straight pieces first, then the undirected ones, each family v, w, e.
    for (const bool directed : {true, false}) {
        const std::span<const ConductorShape> straights =
            directed ? std::span<const ConductorShape>(DirectedStraights)
                     : std::span<const ConductorShape>(UndirectedStraights);
        for (const char kind : Kinds) {
            for (const ConductorShape &s : straights)
                tiles.push_back(conductorTile(conductorName(kind, s.name),
                                              legsOfShape(s.from, s.to, kind, directed),
                                              Symbol::Conductor));
        }
    }
    for (const char kind : Kinds) {
        for (const std::string_view shape : CornerShapes)
            tiles.push_back(conductorTile(conductorName(kind, shape), legsOfShape(shape, kind),
                                          Symbol::Conductor));
    }
    for (const char across : Kinds) {
        for (const char down : Kinds) {
            QString name(QLatin1Char{across});
            if (down != across)
                name += QLatin1Char(down);
            Legs legs;
            legs[W] = {across, 'i'};
            legs[O] = {across, 'o'};
            legs[N] = {down, 'i'};
            legs[S] = {down, 'o'};
            tiles.push_back(
                conductorTile(name + QLatin1String("KreuzImg"), legs, Symbol::Crossing));
        }
    }
    const auto forks = [&](const auto &shapes, std::initializer_list<char> kinds) {
        for (const char kind : kinds) {
            for (const std::string_view shape : shapes)
                tiles.push_back(conductorTile(conductorName(kind, shape, "Abzw"),
                                              legsOfShape(shape, kind), Symbol::Fork));
        }
    };
    forks(ForkShapes, {'v', 'w', 'e'});
    for (const Row &row : Blocks)
        tiles.push_back(describe(row));
    forks(SpareForks, {'w', 'v', 'e'});
    for (const Row &row : Spares)
        tiles.push_back(describe(row));
    return tiles;
}

} // namespace

Legs parseSides(const char *sides)
{
    Legs legs;
    for (int s = 0; s < 4; ++s) {
        if (sides[3 * s] != '.')
            legs[s] = {sides[3 * s], sides[3 * s + 1]};
    }
    return legs;
}

const std::vector<TileDescription> &tileDescriptions()
{
    static const std::vector<TileDescription> tiles = buildDescriptions();
    return tiles;
}

} // namespace talvex
