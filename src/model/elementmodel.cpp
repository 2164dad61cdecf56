#include "model/elementmodel.h"

#include "model/fatal.h"

namespace talvex {

void ElementModel::BuildElementModel(int columns, int rows)
{
    buildWith(columns, rows, registerElementKinds);
}

void ElementModel::buildWith(int columns, int rows,
                             const std::function<void(KindRegistrar &)> &registration)
{
    kinds.clear();
    toolClasses.setFirstKind(1, 1);
    KindRegistrar registrar(kinds, toolClasses);
    registration(registrar);
    registrar.finish();
    if (kinds.kindCount() > KindPlaces)
        fatalError("Zu viele Defaults für den reservierten Platz!", 1);
    occupancy.ClearOccupancyGrid(columns, rows);
    elements.InitElementTable();
}

KindRegistrar::KindRegistrar(KindCatalogue &kinds, ToolClassTable &toolClasses)
    : m_kinds(kinds)
    , m_toolClasses(toolClasses)
{}

void KindRegistrar::beginClass(int toolClass)
{
    if (m_class != 0)
        m_toolClasses.setLastKind(m_class, m_kinds.kindCount());
    m_toolClasses.setFirstKind(toolClass, static_cast<std::uint16_t>(m_kinds.kindCount() + 1));
    m_class = toolClass;
}

void KindRegistrar::add(std::string tile, const std::vector<std::uint8_t> &propertyIndexes,
                        const std::vector<std::string> &defaultTexts)
{
    m_kinds.AddKind(std::move(tile), propertyIndexes, defaultTexts);
}

void KindRegistrar::finish()
{
    if (m_class != 0)
        m_toolClasses.setLastKind(m_class, m_kinds.kindCount());
    m_class = 0;
}

} // namespace talvex
