#include "model/toolclasses.h"

#include "model/modelerror.h"

namespace talvex {

PaletteButton paletteButtonAt(int position)
{
    checkIndex(position, 1, PaletteButtonCount, "Werkzeugpalette");
    return static_cast<PaletteButton>(position);
}

namespace {

Category tool(const char *name, std::int32_t width, std::int32_t height, std::uint8_t orientation,
              std::uint8_t orientable)
{
    Category category;
    category.name = name;
    category.width = width;
    category.height = height;
    category.orientation = orientation;
    category.orientable = orientable;
    return category;
}

} // namespace

ToolClassTable::ToolClassTable()
    : m_templates{
          tool("Weiterleiter", 1, 1, NoOrientation, 0),
          tool("Abzweiger", 1, 1, NoOrientation, 0),
          tool("Aufteiler", 2, 1, Horizontal, 1),
          tool("arithmetischer Mischer", 1, 1, NoOrientation, 0),
          tool("Eingeber (statisch)", 1, 1, NoOrientation, 0),
          tool("Zahlenwert-Eingeber (dynamisch)", 3, 1, Horizontal, 1),
          tool("Vorgeschichte", 1, 1, NoOrientation, 0),
          tool("vorbelegter Wandler", 1, 1, NoOrientation, 0),
          tool("freier Funktionswandler", 3, 1, Horizontal, 0),
          tool("Relativ-Entscheider", 1, 1, NoOrientation, 0),
          tool("Auswähler", 1, 1, NoOrientation, 0),
          tool("lineare Transformation", 1, 1, NoOrientation, 0),
          tool("nicht-lineare Transformation", 1, 1, NoOrientation, 0),
          tool("Verteilungstransformation", 1, 1, NoOrientation, 0),
          tool("Markt", 5, 1, Horizontal, 1),
          tool("Präferenzsystem", 5, 1, Horizontal, 1),
          tool("Analog-Anzeiger", 1, 1, NoOrientation, 0),
          tool("Digital-Anzeiger", 1, 1, NoOrientation, 0),
          tool("Kennwerte-Anzeiger", 1, 1, NoOrientation, 0),
          tool("Verteilungsdarsteller", 1, 1, NoOrientation, 0),
          tool("Kennwerte-Aufzeichner", 1, 1, NoOrientation, 0),
          tool("Text-Element", 1, 1, NoOrientation, 0),
          tool("kein Element", 0, 0, NoOrientation, 0),
      }
{}

const Category &ToolClassTable::templateOf(int toolClass) const
{
    checkIndex(toolClass, 1, ToolClassCount, "Werkzeugklassen");
    return m_templates[static_cast<std::size_t>(toolClass - 1)];
}

Category &ToolClassTable::entry(int toolClass)
{
    checkIndex(toolClass, 1, ToolClassCount, "Werkzeugklassen");
    return m_templates[static_cast<std::size_t>(toolClass - 1)];
}

void ToolClassTable::setFirstKind(int toolClass, std::uint16_t kind)
{
    entry(toolClass).firstKind = kind;
}

void ToolClassTable::setLastKind(int toolClass, std::uint16_t kind)
{
    entry(toolClass).lastKind = kind;
}

} // namespace talvex
