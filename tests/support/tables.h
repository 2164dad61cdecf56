#pragma once

// The editor's rules that several tests check, each stated once: the palette's status texts and
// outlines, the placing bounds of the sheet and a gallery of one element per class. The model
// tests read them without Qt, the widget tests and the scenarios through the windows.

#include "model/toolclasses.h"

#include <algorithm>
#include <array>
#include <string>

namespace talvex::test {

// A placing button: its name, the outline it starts with (horizontal) and the class name its
// status text shows under the conductor kinds 0, 1 and 2; nullptr where the kind disables it.
struct Tool
{
    PaletteButton button;
    const char *name;
    int width, height;
    std::array<const char *, 3> classNames;
};

constexpr Tool byKind(PaletteButton button, const char *name, int width, int height,
                      std::array<const char *, 3> classNames)
{
    return {button, name, width, height, classNames};
}

constexpr Tool everyKind(PaletteButton button, const char *name, int width, int height,
                         const char *className)
{
    return {button, name, width, height, {className, className, className}};
}

using B = PaletteButton;

// The placing buttons in the palette's order.
inline constexpr Tool Tools[] = {
    byKind(B::AllConnectTBtn, "AllConnectTBtn", 1, 1,
           {"Zahlenwert-Weiterleiter", "Verteilungsweiterleiter", "Entscheidungsweiterleiter"}),
    byKind(B::AllForkTBtn, "AllForkTBtn", 1, 1,
           {"Zahlenwert-Abzweiger", "Verteilungsabzweiger", "Entscheidungsabzweiger"}),
    byKind(B::AllDistribTBtn, "AllDistribTBtn", 2, 1,
           {"Zahlenwert-Aufteiler", "Verteilungsaufteiler", nullptr}),
    everyKind(B::MixerTBtn, "MixerTBtn", 1, 1, "arithmetischer Mischer"),
    byKind(B::AllStatInputTBtn, "AllStatInputTBtn", 1, 1,
           {"Zahlenwert-Eingeber (statisch)", "Verteilungseingeber (statisch)",
            "Entscheidungseingeber (statisch)"}),
    byKind(B::DynInputTBtn, "DynInputTBtn", 3, 1,
           {"Zahlenwert-Eingeber (dynamisch)", nullptr, nullptr}),
    everyKind(B::HistoryTBtn, "HistoryTBtn", 1, 1, "Vorgeschichte"),
    everyKind(B::vFunctTBtn, "vFunctTBtn", 1, 1, "vorbelegter Wandler"),
    everyKind(B::fFunctTBtn, "fFunctTBtn", 3, 1, "freier Funktionswandler"),
    everyKind(B::RelationTBtn, "RelationTBtn", 1, 1, "Relativ-Entscheider"),
    byKind(B::AllChoiceTBtn, "AllChoiceTBtn", 1, 1,
           {"Zahlenwert-Auswähler", "Verteilungsauswähler", "Entscheidungsauswähler"}),
    everyKind(B::LinearTBtn, "LinearTBtn", 1, 1, "lineare Transformation"),
    everyKind(B::NonLinTBtn, "NonLinTBtn", 1, 1, "nicht-lineare Transformation"),
    everyKind(B::DistribTransformTBtn, "DistribTransformTBtn", 1, 1, "Verteilungstransformation"),
    everyKind(B::MarketTBtn, "MarketTBtn", 5, 1, "Markt"),
    everyKind(B::PreferTBtn, "PreferTBtn", 5, 1, "Präferenzsystem"),
    everyKind(B::AnalogTBtn, "AnalogTBtn", 1, 1, "Analog-Anzeiger"),
    everyKind(B::DigitalTBtn, "DigitalTBtn", 1, 1, "Digital-Anzeiger"),
    everyKind(B::CharacteristicTBtn, "CharacteristicTBtn", 1, 1, "Kennwerte-Anzeiger"),
    everyKind(B::DistributionTBtn, "DistributionTBtn", 1, 1, "Verteilungsdarsteller"),
    everyKind(B::CharReportTBtn, "CharReportTBtn", 1, 1, "Kennwerte-Aufzeichner"),
    everyKind(B::TextTBtn, "TextTBtn", 1, 1, "Text-Element"),
};

inline const Tool &tool(PaletteButton button)
{
    return *std::find_if(std::begin(Tools), std::end(Tools),
                         [button](const Tool &t) { return t.button == button; });
}

inline std::string buttonName(PaletteButton button)
{
    return button == B::PointerTBtn ? "PointerTBtn" : tool(button).name;
}

// The text of status panel 0 while button is chosen under kind.
inline std::string statusText(PaletteButton button, int kind)
{
    return std::string(tool(button).classNames[kind]) + " vorgewählt";
}

// --- placing bounds on a sheet of 42 x 35 cells: the last column stays free, the bottom row
// may be covered. Cells counted from 1; turned means vertical.

inline constexpr int BoundsColumns = 42;
inline constexpr int BoundsRows = 35;

struct Bound
{
    PaletteButton button;
    bool turned;
    int column, row;
    bool accepted;

    std::string caseName() const
    {
        return buttonName(button) + (turned ? " turned " : " ") + std::to_string(column) + " " +
               std::to_string(row);
    }
};

// The cells a button's outline covers, turned or not.
inline std::pair<int, int> outline(PaletteButton button, bool turned)
{
    if (button == B::PointerTBtn)
        return {0, 0};
    const Tool &t = tool(button);
    return turned ? std::pair(t.height, t.width) : std::pair(t.width, t.height);
}

inline constexpr Bound PlacingBounds[] = {
    {B::TextTBtn, false, 1, 1, true},         // the top left cell
    {B::TextTBtn, false, 0, 1, false},        // left of the sheet
    {B::TextTBtn, false, 1, 0, false},        // above it
    {B::TextTBtn, false, 41, 1, true},        // the last column that may be covered
    {B::TextTBtn, false, 42, 1, false},       // the last column, kept free
    {B::TextTBtn, false, 1, 35, true},        // the bottom row may be covered
    {B::TextTBtn, false, 1, 36, false},       // below it
    {B::DigitalTBtn, false, 41, 35, true},    // the bottom right corner left usable
    {B::DigitalTBtn, false, 42, 35, false},   // the bottom right corner
    {B::MarketTBtn, false, 37, 35, true},     // columns 37 to 41
    {B::MarketTBtn, false, 38, 35, false},    // its last cell in column 42
    {B::MarketTBtn, true, 1, 31, true},       // rows 31 to 35
    {B::MarketTBtn, true, 1, 32, false},      // its last cell below row 35
    {B::MarketTBtn, true, 41, 31, true},      // upright in the last usable column
    {B::MarketTBtn, true, 41, 32, false},     // its last cell below row 35
    {B::MarketTBtn, true, 42, 31, false},     // upright in the free column
    {B::AllDistribTBtn, true, 41, 34, true},  // upright in the bottom right corner
    {B::AllDistribTBtn, true, 41, 35, false}, // its last cell below row 35
    {B::PointerTBtn, false, 1, 1, false},     // "kein Element", 0 x 0
};

// --- one element of every placing class, the orientable ones in both forms, each chosen under
// the conductor kind given and placed at its own cells.

struct GalleryElement
{
    PaletteButton button;
    int conductorKind;
    int column, row;
    bool turned;
};

inline constexpr GalleryElement Gallery[] = {
    {B::AllConnectTBtn, 1, 2, 2, false},      {B::AllForkTBtn, 0, 4, 2, false},
    {B::AllDistribTBtn, 1, 6, 2, false},      {B::AllDistribTBtn, 0, 9, 2, true},
    {B::MixerTBtn, 2, 11, 2, false},          {B::AllStatInputTBtn, 2, 13, 2, false},
    {B::DynInputTBtn, 0, 15, 2, false},       {B::DynInputTBtn, 0, 19, 2, true},
    {B::HistoryTBtn, 1, 21, 2, false},        {B::vFunctTBtn, 1, 23, 2, false},
    {B::fFunctTBtn, 1, 25, 2, false},         {B::RelationTBtn, 1, 29, 2, false},
    {B::AllChoiceTBtn, 2, 31, 2, false},      {B::LinearTBtn, 1, 33, 2, false},
    {B::NonLinTBtn, 1, 35, 2, false},         {B::DistribTransformTBtn, 1, 37, 2, false},
    {B::MarketTBtn, 1, 2, 8, false},          {B::MarketTBtn, 1, 8, 8, true},
    {B::PreferTBtn, 1, 10, 8, false},         {B::PreferTBtn, 1, 16, 8, true},
    {B::AnalogTBtn, 1, 18, 8, false},         {B::DigitalTBtn, 1, 20, 8, false},
    {B::CharacteristicTBtn, 1, 22, 8, false}, {B::DistributionTBtn, 1, 24, 8, false},
    {B::CharReportTBtn, 1, 26, 8, false},     {B::TextTBtn, 1, 28, 8, false},
};

} // namespace talvex::test
