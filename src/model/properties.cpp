#include "model/properties.h"

#include "model/modelerror.h"

namespace talvex {

namespace {

CellPropType entry(const char *name, std::uint8_t valueType)
{
    return CellPropType{name, valueType, {}};
}

const std::array<CellPropType, PropertyCount> &catalogue()
{
    static const std::array<CellPropType, PropertyCount> entries = {
        entry("Angebotsmenge", 7),
        entry("Angebotspreis", 8),
        entry("Anteil", 6),
        entry("D-Anteil", 6),
        entry("Daten-Weiterleitung", 12),
        entry("Eingabewert", 7),
        entry("Eingabewert", 6),
        entry("Eingabewert", 8),
        entry("Eingang x1", 10),
        entry("Eingang x2", 11),
        entry("Eingang x3", 11),
        entry("Eingang Dividend", 10),
        entry("Eingang Subtrahend", 10),
        entry("Ersetzungsfunktion 1", 13),
        entry("Ersetzungsfunktion 2", 13),
        entry("Funktionsformel   f = ", 13),
        entry("I-Anteil", 6),
        entry("linker Ausgang", 0),
        entry("linker Eingang", 0),
        entry("Konstante", 7),
        entry("Menge1", 7),
        entry("Menge2", 7),
        entry("Mengenänderung1", 8),
        entry("Mengenänderung2", 8),
        entry("Mittelwert", 8),
        entry("Nachfragemenge", 7),
        entry("Nachfragepreis", 7),
        entry("oberer Ausgang", 0),
        entry("oberer Eingang", 0),
        entry("Obergrenze", 7),
        entry("Operation", 9),
        entry("P-Anteil", 6),
        entry("Preis1", 8),
        entry("Preis2", 8),
        entry("Preisänderung (Nachfr.)", 8),
        entry("Preisänderung (Angebot)", 8),
        entry("Preisänderungimpuls (N)", 8),
        entry("Preisänderungimpuls (A)", 8),
        entry("rechter Ausgang", 0),
        entry("rechter Eingang", 0),
        entry("Restanteil", 6),
        entry("Schalterstellung", 5),
        entry("Schiefe", 8),
        entry("Startwert", 6),
        entry("Text-Zeilen", 14),
        entry("Totzeit", 8),
        entry("Überhöhung", 8),
        entry("unterer Ausgang", 0),
        entry("unterer Eingang", 0),
        entry("Umsatze", 7),
        entry("Untergrenze", 7),
        entry("Varianz", 8),
        entry("Vorgeschichte", 4),
        entry("Zeitverzögerung alpha", 6),
    };
    return entries;
}

} // namespace

const CellPropType &propertyEntry(int index)
{
    checkIndex(index, 0, PropertyCount - 1, "Merkmalskatalog");
    return catalogue()[static_cast<std::size_t>(index)];
}

const std::array<std::string_view, 4> &conductorNames()
{
    static constexpr std::array<std::string_view, 4> names = {"", "Zahlenwert", "Verteilung",
                                                              "Entscheidung"};
    return names;
}

const std::array<std::string_view, 4> &sideNames()
{
    static constexpr std::array<std::string_view, 4> names = {"links", "oben", "rechts", "unten"};
    return names;
}

const std::array<std::string_view, 2> &switchNames()
{
    static constexpr std::array<std::string_view, 2> names = {"aus", "ein"};
    return names;
}

const std::array<std::string_view, 2> &answerNames()
{
    static constexpr std::array<std::string_view, 2> names = {"nein", "ja"};
    return names;
}

} // namespace talvex
