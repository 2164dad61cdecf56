#include "expectedstate.h"

#include <utility>

namespace talvex::test {

namespace {

// The palette as the user reads it: class names from left to right.
constexpr std::array<ToolClassInfo, 23> ToolClasses = {{
    {"Weiterleiter", "weiterleiter", 1, 1, 0, false, true},
    {"Abzweiger", "abzweiger", 1, 1, 0, false, true},
    {"Aufteiler", "aufteiler", 2, 1, 1, true, true},
    {"arithmetischer Mischer", "", 1, 1, 0, false, false},
    {"Eingeber (statisch)", "eingeber (statisch)", 1, 1, 0, false, true},
    {"Zahlenwert-Eingeber (dynamisch)", "", 3, 1, 1, true, false},
    {"Vorgeschichte", "", 1, 1, 0, false, false},
    {"vorbelegter Wandler", "", 1, 1, 0, false, false},
    {"freier Funktionswandler", "", 3, 1, 1, false, false},
    {"Relativ-Entscheider", "", 1, 1, 0, false, false},
    {"Auswähler", "auswähler", 1, 1, 0, false, true},
    {"lineare Transformation", "", 1, 1, 0, false, false},
    {"nicht-lineare Transformation", "", 1, 1, 0, false, false},
    {"Verteilungstransformation", "", 1, 1, 0, false, false},
    {"Markt", "", 5, 1, 1, true, false},
    {"Präferenzsystem", "", 5, 1, 1, true, false},
    {"Analog-Anzeiger", "", 1, 1, 0, false, false},
    {"Digital-Anzeiger", "", 1, 1, 0, false, false},
    {"Kennwerte-Anzeiger", "", 1, 1, 0, false, false},
    {"Verteilungsdarsteller", "", 1, 1, 0, false, false},
    {"Kennwerte-Aufzeichner", "", 1, 1, 0, false, false},
    {"Text-Element", "", 1, 1, 0, false, false},
    {"kein Element", "", 0, 0, 0, false, false},
}};

constexpr std::array<const char *, 23> ButtonNames = {
    "AllConnectTBtn",     "AllForkTBtn",          "AllDistribTBtn",
    "MixerTBtn",          "AllStatInputTBtn",     "DynInputTBtn",
    "HistoryTBtn",        "vFunctTBtn",           "fFunctTBtn",
    "RelationTBtn",       "AllChoiceTBtn",        "LinearTBtn",
    "NonLinTBtn",         "DistribTransformTBtn", "MarketTBtn",
    "PreferTBtn",         "AnalogTBtn",           "DigitalTBtn",
    "CharacteristicTBtn", "DistributionTBtn",     "CharReportTBtn",
    "TextTBtn",           "PointerTBtn"};

} // namespace

const ToolClassInfo &toolClassInfo(int toolClass)
{
    return ToolClasses.at(std::size_t(toolClass - 1));
}

const char *paletteButtonName(int toolClass)
{
    return ButtonNames.at(std::size_t(toolClass - 1));
}

ExpectedState::ExpectedState(int columns, int rows, QSize sheetSize, std::array<int, 23> kinds)
    : columns(columns)
    , rows(rows)
    , sheetRect(QPoint(0, 0), sheetSize)
    , firstKinds(kinds)
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
    const ToolClassInfo &info = toolClassInfo(shown);
    QString text = QString::fromUtf8(info.name);
    if (info.prefixed) {
        static const char *const Prefixes[] = {"Zahlenwert-", "Verteilungs", "Entscheidungs"};
        text = QString::fromUtf8(Prefixes[conductorKind]) +
               QString::fromUtf8(conductorKind == 0 ? info.name : info.lowered);
    }
    return text + QStringLiteral(" vorgewählt");
}

void ExpectedState::setCategory(int toolClass)
{
    const ToolClassInfo &info = toolClassInfo(toolClass);
    categoryWidth = info.width;
    categoryHeight = info.height;
    categoryOrientation = info.orientation;
    categoryOrientable = info.orientable;
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

void ExpectedState::choosePointerTool()
{
    clickButton(PointerTool);
}

void ExpectedState::chooseConductorKind(int kind)
{
    conductorKind = kind;
    choosePointerTool();
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
            PlacedElement element;
            element.number = int(placed.size()) + 1;
            element.toolClass = chosenToolClass;
            element.name = QString::fromUtf8(toolClassInfo(chosenToolClass).name);
            element.x = col0 + 1;
            element.y = row0 + 1;
            element.width = categoryWidth;
            element.height = categoryHeight;
            element.orientation = categoryOrientation;
            element.orientable = categoryOrientable;
            element.firstKind = firstKinds[std::size_t(chosenToolClass - 1)];
            for (int c = element.x; c < element.x + element.width; ++c)
                for (int r = element.y; r < element.y + element.height; ++r)
                    cell(c, r) = element.number;
            placed.push_back(element);
            selectedEntry = int(placed.size());

            showElement(element.number);
            if (element.toolClass == 6) {
                common = Common::DynamicInput;
                commonShownValues = {QStringLiteral("0,50"), QStringLiteral("1,00")};
            } else if (element.toolClass == 22) {
                common = Common::TextLines;
                commonShownValues = {QStringLiteral("(Zeilen)")};
                textLines.clear();
            } else if (element.toolClass == 7) {
                common = Common::History;
                commonShownValues = {QStringLiteral("(Tabelle)")};
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
    common = Common::Empty;
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

void ExpectedState::toggleInspector()
{
    inspectorVisible = !inspectorVisible;
}

int ExpectedState::entryNumber(int index) const
{
    return index == 0 ? 0 : placed.at(std::size_t(index - 1)).number;
}

QRect ExpectedState::pixelRect(const PlacedElement &element)
{
    return QRect((element.x - 1) * Cell, (element.y - 1) * Cell, element.width * Cell,
                 element.height * Cell);
}

std::vector<int> ExpectedState::tileKinds(int firstKind, int width, int height)
{
    std::vector<int> kinds;
    const int cells = width * height;
    // Horizontal tiles first in the catalogue, the vertical ones behind them.
    const int first = height < 2 ? firstKind : firstKind + cells;
    for (int i = 0; i < cells; ++i)
        kinds.push_back(first + i);
    return kinds;
}

const PlacedElement *ExpectedState::element(int number) const
{
    if (number < 1 || number > int(placed.size()))
        return nullptr;
    return &placed[std::size_t(number - 1)];
}

QString ExpectedState::orientationText(int number) const
{
    const PlacedElement *e = element(number);
    if (!e)
        return QStringLiteral("waagerecht"); // the sheet, 43 x 36
    QString text;
    if (e->orientation == 1)
        text = QStringLiteral("waagerecht");
    else if (e->orientation == 2)
        text = QStringLiteral("senkrecht");
    if (e->height < e->width)
        text = QStringLiteral("waagerecht");
    else if (e->width < e->height)
        text = QStringLiteral("senkrecht");
    return text;
}

QStringList ExpectedState::elementShownValues(int number) const
{
    const PlacedElement *e = element(number);
    if (!e)
        return {QStringLiteral("1,1"), QStringLiteral("waagerecht"), QStringLiteral("43"),
                QStringLiteral("36")};
    return {QStringLiteral("%1,%2").arg(e->x).arg(e->y), orientationText(number),
            QString::number(e->width), QString::number(e->height)};
}

QStringList ExpectedState::tabTexts(int number) const
{
    const PlacedElement *e = element(number);
    if (!e)
        return {};
    const int cells = e->width * e->height;
    if (cells == 1)
        return {QStringLiteral("Zelle")};
    QStringList tabs;
    for (int k = 1; k <= cells; ++k)
        tabs << QStringLiteral("%1.Zelle").arg(k);
    return tabs;
}

} // namespace talvex::test
