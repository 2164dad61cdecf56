#include "model/palette.h"

#include "model/modelerror.h"

#include <utility>

namespace talvex {

namespace {

constexpr const char *KindNames[] = {"Zahlenwerte", "Verteilungen", "Entscheidungen"};
constexpr const char *UnchosenHint = "Leiterart auswählen";

// The five classes that exist for every conductor kind and carry it in their status text.
bool carriesConductorKind(int toolClass)
{
    using B = PaletteButton;
    for (const B button : {B::AllConnectTBtn, B::AllForkTBtn, B::AllDistribTBtn,
                           B::AllStatInputTBtn, B::AllChoiceTBtn}) {
        if (toolClass == ToolClassOf(button))
            return true;
    }
    return false;
}

} // namespace

std::string LowerFirstLetter(std::string_view text)
{
    std::string result(text);
    if (result.empty())
        return result;
    const char first = result[0];
    if (first >= 'A' && first <= 'Z') {
        result[0] = static_cast<char>(first - 'A' + 'a');
    } else if (result.size() >= 2 && first == '\xC3') {
        // Ä, Ö, Ü are C3 84, C3 96, C3 9C; their small forms differ only by 0x20.
        const char second = result[1];
        if (second == '\x84' || second == '\x96' || second == '\x9C')
            result[1] = static_cast<char>(static_cast<unsigned char>(second) + 0x20);
    }
    return result;
}

PaletteState::PaletteState(const ToolClassTable &toolClasses)
    : m_toolClasses(toolClasses)
    , m_chosenCategory(toolClasses.templateOf(PointerToolClass))
    , m_statusText(m_chosenCategory.name + " vorgewählt")
{
    m_enabled.fill(true);
    m_enabled[slot(PaletteButton::DynInputTBtn)] = false;
    m_pressed[slot(PaletteButton::PointerTBtn)] = true;
}

std::size_t PaletteState::slot(PaletteButton button)
{
    const int position = static_cast<int>(button);
    checkIndex(position, 1, PaletteButtonCount, "Werkzeugpalette");
    return static_cast<std::size_t>(position - 1);
}

bool PaletteState::isPressed(PaletteButton button) const
{
    return m_pressed[slot(button)];
}

bool PaletteState::isEnabled(PaletteButton button) const
{
    return m_enabled[slot(button)];
}

bool PaletteState::ChooseTool(PaletteButton button)
{
    if (!isEnabled(button))
        return false;
    if (!isPressed(button)) {
        ReleaseToolButtons();
        pressButton(button);
        PreselectTool(button);
        takeOutline();
    }
    return true;
}

void PaletteState::ReleaseToolButtons()
{
    m_pressed.fill(false);
}

void PaletteState::pressButton(PaletteButton button)
{
    m_pressed[slot(button)] = true;
}

void PaletteState::PreselectTool(PaletteButton button)
{
    const int toolClass = ToolClassOf(button);
    Category category = m_toolClasses.templateOf(toolClass);

    m_chosenToolClass = toolClass;
    m_chosenCategory = std::move(category);
    m_statusText = preselectionText(m_chosenCategory.name, toolClass, m_conductorKind);
}

std::string preselectionText(const std::string &className, int toolClass, int conductorKind)
{
    std::string text = className;
    if (carriesConductorKind(toolClass)) {
        switch (conductorKind) {
        case NumericValues:
            text = "Zahlenwert-" + text;
            break;
        case Distributions:
            text = "Verteilungs" + LowerFirstLetter(text);
            break;
        default:
            text = "Entscheidungs" + LowerFirstLetter(text);
            break;
        }
    }
    return text + " vorgewählt";
}

void PaletteState::chooseConductorKind(int kind)
{
    checkIndex(kind, NumericValues, Decisions, "Leiterart");
    m_conductorKind = kind;
    m_enabled[slot(PaletteButton::AllDistribTBtn)] = kind != Decisions;
    m_enabled[slot(PaletteButton::DynInputTBtn)] = kind == NumericValues;
    // The pointer tool is never disabled, so this always ends a placing tool; a button disabled
    // above is released here.
    ChooseTool(PaletteButton::PointerTBtn);
}

bool PaletteState::OrientClick()
{
    const bool orientable = m_chosenCategory.orientable != 0;
    if (orientable) {
        m_chosenCategory.orientation =
            m_chosenCategory.orientation == Vertical ? Horizontal : Vertical;
        std::swap(m_chosenCategory.width, m_chosenCategory.height);
    }
    takeOutline();
    return orientable;
}

void PaletteState::takeOutline()
{
    m_outline = {m_chosenCategory.width, m_chosenCategory.height};
}

void PaletteState::returnToPointerTool()
{
    ReleaseToolButtons();
    pressButton(PaletteButton::PointerTBtn);
    PreselectTool(PaletteButton::PointerTBtn);
}

std::string PaletteState::selectorHint(int selector) const
{
    checkIndex(selector, NumericValues, Decisions, "Leiterart-Auswahl");
    return selector == m_conductorKind ? "Leiterart: " + conductorKindName(selector) : UnchosenHint;
}

std::string conductorKindName(int kind)
{
    checkIndex(kind, NumericValues, Decisions, "Leiterart");
    return KindNames[kind];
}

} // namespace talvex
