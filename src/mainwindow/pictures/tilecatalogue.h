#pragma once

#include "pictures/tilepainter.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace talvex {

// What a tile shows besides its conductor legs.
enum class Symbol : std::uint8_t
{
    Conductor,  // legs meeting in the centre
    Fork,       // legs meeting in a junction dot
    Crossing,   // two conductors crossing without contact
    LineSwitch, // a switch in a conductor; arg 1 closed
    Operator,   // one large operator glyph, the label
    Label,      // letters of the small font, the label
    Subtract,   // signs at the inputs; arg the side of the subtrahend
    Divide,     // signs at the inputs; arg the side of the dividend
    Source,     // arg: SourceConstant, SourceNormal, SourceLogNormal
    Slider,
    Switch, // arg 1 closed
    History,
    Function,
    Selector,
    Response, // step response; arg: DeadTime, Lag, DelayedLag
    Hump,     // arg: HumpTall, HumpBroad
    Divider,
    Market,
    Preference,
    Gauge,
    Readout,
    Moments,
    Histogram,
    Recorder,
    Text,  // arg: bits of the frame edges, TextEdge*; TextNote for the one-cell text
    Curve, // arg: CurveSupply, CurveDemand, CurveMarket
    Note,  // a framed sheet with lines of text, for the palette
};

enum : int
{
    SourceConstant = 0,
    SourceNormal,
    SourceLogNormal,
    DeadTime = 0,
    Lag,
    DelayedLag,
    HumpTall = 0,
    HumpBroad,
    CurveSupply = 0,
    CurveDemand,
    CurveMarket,
    TextEdgeW = 1,
    TextEdgeN = 2,
    TextEdgeO = 4,
    TextEdgeS = 8,
    TextNote = 16,
};

// Place of a tile in a component of several cells, counted left to right or top to bottom.
struct Span
{
    bool vertical = false;
    int index = 0;
    int count = 1;
};

struct TileDescription
{
    QString name;
    Legs legs;
    Symbol symbol = Symbol::Conductor;
    QString label;
    int arg = 0;
    Span span;
};

// The 238 tiles in catalogue order.
const std::vector<TileDescription> &tileDescriptions();

// Legs from their notation: the sides W N O S, two characters each, the conductor kind (v, w, e)
// and i (enters), o (leaves) or - (no direction); ".." leaves a side unconnected.
Legs parseSides(const char *sides);

} // namespace talvex
