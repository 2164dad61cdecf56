#include "mainwindow/palettelayout.h"

#include "model/modelerror.h"

#include <algorithm>
#include <array>

namespace talvex {

namespace {

using B = PaletteButton;

constexpr std::array<PaletteButtonLayout, PaletteButtonCount> Layouts = {{
    {B::AllConnectTBtn, "AllConnectTBtn", "Weiterleiter"},
    {B::AllForkTBtn, "AllForkTBtn", "Abzweiger"},
    {B::AllDistribTBtn, "AllDistribTBtn", "Aufteiler"},
    {B::MixerTBtn, "MixerTBtn", "Linearer Mischer"},
    {B::AllStatInputTBtn, "AllStatInputTBtn", "statischer Eingeber"},
    {B::DynInputTBtn, "DynInputTBtn", "dynamischer Eingeber"},
    {B::HistoryTBtn, "HistoryTBtn", "Daten der Vorgeschichte"},
    {B::vFunctTBtn, "vFunctTBtn", "vorbelegte Funktion"},
    {B::fFunctTBtn, "fFunctTBtn", "entwicklerbestimmte Funktion"},
    {B::RelationTBtn, "RelationTBtn", "bedingter Entscheider"},
    {B::AllChoiceTBtn, "AllChoiceTBtn", "Auswähler"},
    {B::LinearTBtn, "LinearTBtn", "lineare Transformation"},
    {B::NonLinTBtn, "NonLinTBtn", "nicht-lineare Transformation"},
    {B::DistribTransformTBtn, "DistribTransformTBtn", "Verteilungs-Einwirker"},
    {B::MarketTBtn, "MarketTBtn", "Markt"},
    {B::PreferTBtn, "PreferTBtn", "Präferenz-System"},
    {B::AnalogTBtn, "AnalogTBtn", "analoger Zahlenwert-Anzeiger"},
    {B::DigitalTBtn, "DigitalTBtn", "digitaler Zahlenwert-Anzeiger"},
    {B::CharacteristicTBtn, "CharacteristicTBtn", "Kennwerte-Anzeiger"},
    {B::DistributionTBtn, "DistributionTBtn", "Verteilungsanzeiger"},
    {B::CharReportTBtn, "CharReportTBtn", "Kennwert-Verlauf"},
    {B::TextTBtn, "TextTBtn", "Text-Baustein"},
    {B::PointerTBtn, "PointerTBtn", "hebt Vor-Auswahl auf"},
}};

// A gap closes each group of the palette.
constexpr std::array<PaletteButton, 10> SeparatorsAfter = {
    B::AllConnectTBtn, B::AllForkTBtn,   B::AllDistribTBtn, B::MixerTBtn,      B::HistoryTBtn,
    B::fFunctTBtn,     B::AllChoiceTBtn, B::PreferTBtn,     B::CharReportTBtn, B::TextTBtn,
};

} // namespace

std::span<const PaletteButtonLayout> paletteButtonLayouts()
{
    return Layouts;
}

const PaletteButtonLayout &paletteButtonLayout(PaletteButton button)
{
    const PaletteButton shown = paletteButtonAt(palettePosition(button));
    const auto it =
        std::find_if(Layouts.begin(), Layouts.end(),
                     [shown](const PaletteButtonLayout &l) { return l.button == shown; });
    if (it == Layouts.end())
        throw ModelError("Werkzeugpalette: kein Eintrag");
    return *it;
}

std::span<const PaletteButton> paletteSeparatorsAfter()
{
    return SeparatorsAfter;
}

} // namespace talvex
