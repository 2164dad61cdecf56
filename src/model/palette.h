#pragma once

#include "model/element.h"
#include "model/toolclasses.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvex {

// Conductor kinds as the palette codes them.
enum : std::uint8_t
{
    NumericValues = 0,
    Distributions = 1,
    Decisions = 2
};

// "Zahlenwerte", "Verteilungen" or "Entscheidungen" for kind 0, 1 or 2; throws ModelError
// otherwise.
std::string conductorKindName(int kind);

// Lowers the first character of text: ASCII A to Z and the umlauts Ä, Ö, Ü; nothing else.
std::string LowerFirstLetter(std::string_view text);

// Status panel 0's text for a tool class preselected under a conductor kind: the class name,
// for the five classes that exist for every kind with the kind before it, and " vorgewählt".
std::string preselectionText(const std::string &className, int toolClass, int conductorKind);

// The palette's state machine: chosen tool class and category, outline size, conductor kind,
// and the pressed and enabled states of the 23 palette buttons. The window mirrors these states
// onto its buttons, status bar and selector pictures after every operation.
class PaletteState
{
public:
    // Start state: pointer tool pressed, tool class 0, category "kein Element", outline 0 x 0,
    // conductor kind 1 (distributions), DynInputTBtn disabled.
    explicit PaletteState(const ToolClassTable &toolClasses);
    // The state keeps a reference to the table: a temporary would leave it dangling.
    explicit PaletteState(ToolClassTable &&) = delete;

    // The click on a palette button. A disabled button delivers no click and changes nothing;
    // returns whether the click was delivered (the window then hides the about box).
    bool ChooseTool(PaletteButton button);
    void ReleaseToolButtons();
    void pressButton(PaletteButton button);
    void PreselectTool(PaletteButton button);

    // Chooses conductor kind 0, 1 or 2 and returns the palette to the pointer tool.
    void chooseConductorKind(int kind);

    // The orientation change of the chosen category. Returns true when the category was
    // orientable (the window then erases the outline).
    bool OrientClick();

    // After placing: release all buttons, press the pointer tool and preselect it; the outline
    // size stays that of the element just placed.
    void returnToPointerTool();

    int chosenToolClass() const { return m_chosenToolClass; }
    const Category &chosenCategory() const { return m_chosenCategory; }
    Category &chosenCategory() { return m_chosenCategory; }
    std::int32_t outlineWidth() const { return m_outline.width; }
    std::int32_t outlineHeight() const { return m_outline.height; }
    int conductorKind() const { return m_conductorKind; }
    bool isPressed(PaletteButton button) const;
    bool isEnabled(PaletteButton button) const;
    bool pointerToolActive() const { return isPressed(PaletteButton::PointerTBtn); }
    // Text of status panel 0.
    const std::string &statusText() const { return m_statusText; }

    // Hint of selector picture 0, 1 or 2 for the current conductor kind.
    std::string selectorHint(int selector) const;

private:
    static std::size_t slot(PaletteButton button);
    // The outline takes the chosen category's size: on a tool choice and an orientation change.
    void takeOutline();

    const ToolClassTable &m_toolClasses;
    int m_chosenToolClass = 0;
    Category m_chosenCategory;
    struct
    {
        std::int32_t width = 0;
        std::int32_t height = 0;
    } m_outline;
    int m_conductorKind = Distributions;
    std::array<bool, PaletteButtonCount> m_pressed{};
    std::array<bool, PaletteButtonCount> m_enabled{};
    std::string m_statusText;
};

} // namespace talvex
