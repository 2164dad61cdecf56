#pragma once

#include "model/element.h"

#include <array>
#include <cstdint>

namespace talvex {

inline constexpr int ToolClassCount = 23;
inline constexpr int PointerToolClass = 23;

// The buttons of the component palette, numbered by their position on the bar; Other stands for
// any button that is not a placing button.
enum class PaletteButton : std::uint8_t
{
    AllConnectTBtn = 1,
    AllForkTBtn,
    AllDistribTBtn,
    MixerTBtn,
    AllStatInputTBtn,
    DynInputTBtn,
    HistoryTBtn,
    vFunctTBtn,
    fFunctTBtn,
    RelationTBtn,
    AllChoiceTBtn,
    LinearTBtn,
    NonLinTBtn,
    DistribTransformTBtn,
    MarketTBtn,
    PreferTBtn,
    AnalogTBtn,
    DigitalTBtn,
    CharacteristicTBtn,
    DistributionTBtn,
    CharReportTBtn,
    TextTBtn,
    PointerTBtn,
    Other,
};

// The buttons on the palette: the placing buttons and the pointer, the last of them.
inline constexpr int PaletteButtonCount = static_cast<int>(PaletteButton::PointerTBtn);

// Position 1 to 23 of a palette button on the bar; the one order the window and the icons
// follow. Other has no position of its own and stands at the pointer's.
constexpr int palettePosition(PaletteButton button)
{
    const int position = static_cast<int>(button);
    return position >= 1 && position <= PaletteButtonCount ? position : PaletteButtonCount;
}

// Tool class 1 to 23 of a palette button; every button but the 22 placing ones gives 23.
constexpr int ToolClassOf(PaletteButton button)
{
    const int position = static_cast<int>(button);
    return position >= 1 && position < PointerToolClass ? position : PointerToolClass;
}

// The button at position 1 to 23 of the palette, the inverse of palettePosition; throws
// ModelError otherwise.
PaletteButton paletteButtonAt(int position);

// The templates of the 23 tool classes; the kind ranges are filled by the start-up build.
class ToolClassTable
{
public:
    ToolClassTable();

    // Template of class 1 to 23; throws ModelError otherwise.
    const Category &templateOf(int toolClass) const;

    void setFirstKind(int toolClass, std::uint16_t kind);
    void setLastKind(int toolClass, std::uint16_t kind);

private:
    Category &entry(int toolClass);
    std::array<Category, ToolClassCount> m_templates;
};

} // namespace talvex
