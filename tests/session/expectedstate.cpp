#include "expectedstate.h"

#include "mainwindow/palettelayout.h"
#include "model/palette.h"
#include "model/placing.h"

#include <utility>

namespace talvex::test {

QStringList values(const std::vector<AttributeRow> &rows)
{
    QStringList texts;
    for (const AttributeRow &row : rows)
        texts << QString::fromStdString(row.value);
    return texts;
}

const char *paletteButtonName(int toolClass)
{
    return paletteButtonLayout(paletteButtonAt(toolClass)).name;
}

ExpectedState::ExpectedState(int columns, int rows, QSize sheetSize,
                             const ToolClassTable &toolClasses)
    : columns(columns)
    , rows(rows)
    , sheetRect(QPoint(0, 0), sheetSize)
    , toolClasses(toolClasses)
{
    setCategory(PointerTool);
}

bool ExpectedState::buttonEnabled(int toolClass) const
{
    if (toolClass == 3)
        return conductorKind != 2;
    if (toolClass == 6)
        return conductorKind == 0;
    return true;
}

QString ExpectedState::statusText() const
{
    // Before the first choice the pointer tool's text stands there.
    const int shown = chosenToolClass == 0 ? PointerTool : chosenToolClass;
    return QString::fromStdString(
        preselectionText(toolClasses.templateOf(shown).name, shown, conductorKind));
}

void ExpectedState::setCategory(int toolClass)
{
    const Category &templ = toolClasses.templateOf(toolClass);
    categoryWidth = templ.width;
    categoryHeight = templ.height;
    categoryOrientation = templ.orientation;
    categoryOrientable = templ.orientable != 0;
}

bool ExpectedState::clickButton(int toolClass)
{
    if (!buttonEnabled(toolClass))
        return false;
    aboutVisible = false;
    if (pressed != toolClass) {
        pressed = toolClass;
        chosenToolClass = toolClass;
        setCategory(toolClass);
        outlineWidth = categoryWidth;
        outlineHeight = categoryHeight;
    }
    return true;
}

void ExpectedState::chooseConductorKind(int kind)
{
    conductorKind = kind;
    clickButton(PointerTool);
}

void ExpectedState::orient()
{
    if (categoryOrientable) {
        categoryOrientation = categoryOrientation == 2 ? 1 : 2;
        std::swap(categoryWidth, categoryHeight);
        eraseOutline();
    }
    outlineWidth = categoryWidth;
    outlineHeight = categoryHeight;
}

bool ExpectedState::orientMenuOffered() const
{
    return (outlineWidth > 1 || outlineHeight > 1) && categoryOrientable;
}

void ExpectedState::moveOnSheet(QPoint position)
{
    if (pressed == PointerTool)
        return;
    overlay = Overlay::Outline;
    outline = QRect(position, QSize(outlineWidth * Cell, outlineHeight * Cell));
}

void ExpectedState::eraseOutline()
{
    if (pressed != PointerTool)
        overlay = Overlay::None;
}

std::optional<PlacedElement> ExpectedState::leftClick(QPoint position)
{
    std::optional<PlacedElement> result;
    if (pressed != PointerTool) {
        const int col0 = (position.x() + Cell / 2) / Cell;
        const int row0 = (position.y() + Cell / 2) / Cell;
        bool fits = position.x() >= 0 && position.y() >= 0 && outlineWidth > 0 &&
                    outlineHeight > 0 && col0 + outlineWidth + 1 <= columns &&
                    row0 + outlineHeight <= rows;
        for (int c = col0 + 1; fits && c <= col0 + outlineWidth; ++c)
            for (int r = row0 + 1; fits && r <= row0 + outlineHeight; ++r)
                fits = cell(c, r) == 0;
        if (fits) {
            const Category &templ = toolClasses.templateOf(chosenToolClass);
            const PlacedElement element(int(placed.size()) + 1, chosenToolClass,
                                        QString::fromStdString(templ.name), col0 + 1, row0 + 1,
                                        categoryWidth, categoryHeight, categoryOrientation,
                                        categoryOrientable, templ.firstKind);
            for (int c = element.x; c < element.x + element.width; ++c)
                for (int r = element.y; r < element.y + element.height; ++r)
                    cell(c, r) = element.number;
            placed.push_back(element);
            selectedEntry = int(placed.size());

            showElement(element.number);
            common = commonDisplayOf(element.toolClass);
            if (common == CommonDisplay::DynamicInput)
                commonRows = dynamicInputRows(DynamicInputMaximum, DynamicInputStart);
            if (common == CommonDisplay::TextElement) {
                commonRows = textElementRows();
                textLines.clear();
            }
            if (common == CommonDisplay::History) {
                commonRows = historyRows();
                historyTable.clear();
            }
            cellImageKind = tileKinds(element.firstKind, element.width, element.height).front();

            // Back to the pointer tool; the outline keeps the placed element's size.
            pressed = PointerTool;
            chosenToolClass = PointerTool;
            setCategory(PointerTool);
            result = element;
        }
    }
    inspectorVisible = true;
    return result;
}

void ExpectedState::showElement(int number)
{
    shownElement = number;
    common = CommonDisplay::None;
    if (number == 0) {
        overlay = Overlay::None;
        currentTab = -1;
        return;
    }
    const QRect r = pixelRect(*element(number));
    const QPoint corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (std::size_t i = 0; i < 4; ++i)
        marks[i] = QRect(corners[i] - QPoint(1, 1), QSize(3, 3));
    overlay = Overlay::Marks;
    currentTab = 0;
}

void ExpectedState::chooseTab(int tab)
{
    currentTab = tab;
    const PlacedElement *shown = element(shownElement);
    cellImageKind = tileKinds(shown->firstKind, shown->width, shown->height).at(std::size_t(tab));
}

void ExpectedState::selectEntry(int index)
{
    selectedEntry = index;
    showElement(index == 0 ? 0 : placed.at(std::size_t(index - 1)).number);
}

Category ExpectedState::recordHead(const PlacedElement &e)
{
    return Category(e.name.toStdString(), e.x, e.y, e.width, e.height, std::uint8_t(e.orientation),
                    std::uint8_t(e.orientable), std::uint16_t(e.firstKind), 0);
}

QRect ExpectedState::pixelRect(const PlacedElement &element)
{
    return QRect((element.x - 1) * Cell, (element.y - 1) * Cell, element.width * Cell,
                 element.height * Cell);
}

std::vector<int> ExpectedState::tileKinds(int firstKind, int width, int height)
{
    std::vector<int> kinds;
    for (const TilePlacement &tile :
         tileLayout(std::uint16_t(firstKind), width, height, GridCell{}))
        kinds.push_back(tile.kind);
    return kinds;
}

const PlacedElement *ExpectedState::element(int number) const
{
    if (number < 1 || number > int(placed.size()))
        return nullptr;
    return &placed[std::size_t(number - 1)];
}

std::vector<AttributeRow> ExpectedState::elementRowsOf(int number) const
{
    const PlacedElement *e = element(number);
    return elementRows(e ? recordHead(*e) : sheetCategory());
}

QStringList ExpectedState::tabTexts(int number) const
{
    const PlacedElement *e = element(number);
    if (!e)
        return {};
    Element record;
    InitElementRecord(record, recordHead(*e), std::uint16_t(e->number));
    QStringList tabs;
    for (const std::string &tab : cellTabNames(record))
        tabs << QString::fromStdString(tab);
    return tabs;
}

} // namespace talvex::test
