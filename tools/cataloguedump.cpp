// Prints the built element catalogue as UTF-8, one record a line, fields separated by one TAB:
//   prop  INDEX VALUETYPE NAME
//   kind  N TILE [INDEX=VALUE ...]      (an unused kind prints "-" as its tile)
//   class N NAME WIDTH HEIGHT ORIENTATION ORIENTABLE FIRSTKIND LASTKIND

#include "model/elementmodel.h"
#include "model/properties.h"

#include <cstdio>
#include <string>

using namespace talvex;

namespace {

void printLine(const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string field(long long number)
{
    // Appended rather than "\t" + ...: GCC 12 at -O3 warns falsely (-Wrestrict) on that form.
    std::string text = "\t";
    text += std::to_string(number);
    return text;
}

} // namespace

int main()
{
    ElementModel model;
    model.BuildElementModel(MaxColumns, MaxRows);

    for (int index = 0; index < PropertyCount; ++index) {
        const CellPropType &entry = propertyEntry(index);
        printLine("prop" + field(index) + field(entry.valueType) + "\t" + entry.name);
    }

    for (int number = 1; number <= KindPlaces; ++number) {
        const Default &kind = model.kinds.kind(number);
        std::string line = "kind" + field(number) + "\t" + (kind.tile.empty() ? "-" : kind.tile);
        for (std::size_t i = 0; i < kind.props.size(); ++i)
            line += field(kind.propIndexes[i]) + "=" + kind.props[i].value;
        printLine(line);
    }

    for (int toolClass = 1; toolClass <= ToolClassCount; ++toolClass) {
        const Category &c = model.toolClasses.templateOf(toolClass);
        printLine("class" + field(toolClass) + "\t" + c.name + field(c.width) + field(c.height) +
                  field(c.orientation) + field(c.orientable) + field(c.firstKind) +
                  field(c.lastKind));
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
