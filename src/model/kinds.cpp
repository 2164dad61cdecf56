#include "model/kinds.h"

#include "model/fatal.h"
#include "model/modelerror.h"
#include "model/utf8text.h"

namespace talvex {

void KindCatalogue::AddKind(std::string tile, const std::vector<std::uint8_t> &propertyIndexes,
                            const std::vector<std::string> &defaultTexts)
{
    if (propertyIndexes.size() != defaultTexts.size())
        fatalError("Zahl der Properties entspricht nicht Zahl der Strings", 1);

    // The list is built before the count moves, so that a bad index registers nothing and
    // leaves the following kinds at their numbers.
    Default kind;
    kind.tile = std::move(tile);
    kind.props.reserve(propertyIndexes.size());
    for (std::size_t i = 0; i < propertyIndexes.size(); ++i) {
        const CellPropType &entry = propertyEntry(propertyIndexes[i]);
        kind.props.push_back(
            {entry.name, entry.valueType, utf8Left(defaultTexts[i], MaxValueLength)});
    }
    kind.propIndexes = propertyIndexes;

    // The count goes on past the last place so that the build can report the overflow;
    // nothing is ever stored beyond it.
    if (m_count < UINT16_MAX)
        ++m_count;
    if (m_count <= KindPlaces)
        m_kinds[m_count - 1u] = std::move(kind);
}

void KindCatalogue::clear()
{
    m_kinds.fill(Default{});
    m_count = 0;
}

const Default &KindCatalogue::kind(int number) const
{
    checkIndex(number, 1, KindPlaces, "Elementarten");
    return m_kinds[static_cast<std::size_t>(number - 1)];
}

} // namespace talvex
