#pragma once

#include "model/element.h"
#include "model/kinds.h"
#include "model/toolclasses.h"

#include <functional>

namespace talvex {

class KindRegistrar;

// The element model of one process: element table, occupancy grid, kind catalogue and
// tool-class table, built once at start.
class ElementModel
{
public:
    // The start-up build with the built-in catalogue, for a sheet of columns x rows cells.
    void BuildElementModel(int columns, int rows);

    // The same build with another catalogue registration; lets tests exercise the build's checks.
    void buildWith(int columns, int rows, const std::function<void(KindRegistrar &)> &registration);

    ElementTable elements;
    OccupancyGrid occupancy;
    KindCatalogue kinds;
    ToolClassTable toolClasses;
};

// Registers kinds class by class and keeps the tool classes' kind ranges in step.
class KindRegistrar
{
public:
    KindRegistrar(KindCatalogue &kinds, ToolClassTable &toolClasses);

    // Starts the kinds of toolClass: closes the previous class's range at the last kind
    // registered and opens this one's at the next.
    void beginClass(int toolClass);

    void add(std::string tile, const std::vector<std::uint8_t> &propertyIndexes,
             const std::vector<std::string> &defaultTexts);

    // Closes the range of the class registered last.
    void finish();

private:
    KindCatalogue &m_kinds;
    ToolClassTable &m_toolClasses;
    int m_class = 0;
};

// Registers the built-in catalogue: kinds 1 to 263 of tool classes 1 to 22.
void registerElementKinds(KindRegistrar &registrar);

} // namespace talvex
