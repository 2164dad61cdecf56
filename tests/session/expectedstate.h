#pragma once

#include "mainwindow/sheet.h"
#include "model/attributes.h"
#include "model/toolclasses.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace talvex::test {

inline constexpr int PointerTool = 23;
inline constexpr int Cell = 24;

// The palette button name of class 1 to 23, for the session log.
const char *paletteButtonName(int toolClass);

// The values of the rows, as the inspector hands them over.
QStringList values(const std::vector<AttributeRow> &rows);

// An element the user has placed, as the session expects it to be recorded.
struct PlacedElement
{
    int number = 0;
    int toolClass = 0;
    QString name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int orientation = 0;
    bool orientable = false;
    int firstKind = 0;
};

// What the editor should show after the user's operations so far, kept by the session beside
// the editor. It never reads the editor's state; the coherence check compares the two. What unit
// tests pin down (the tool classes, status texts, the inspector's rows and tabs, the tile
// layout) it reads from the model's tables and rules; its own bookkeeping is what no unit test
// sees: occupancy, numbering, the overlay on the sheet, which entry and element are shown.
class ExpectedState
{
public:
    using Overlay = SheetLayers::Overlay;

    // toolClasses: the templates with their kind ranges, as the start-up build set them.
    ExpectedState(int columns, int rows, QSize sheetSize, const ToolClassTable &toolClasses);

    // Palette.
    bool buttonEnabled(int toolClass) const;
    QString statusText() const;
    // The user's click on a palette button; returns whether the button took it.
    bool clickButton(int toolClass);
    void chooseConductorKind(int kind);
    // The orientation item of the sheet's popup menu.
    void orient();
    bool orientMenuOffered() const;

    // Sheet.
    void moveOnSheet(QPoint position);
    // The pointer moved over a control that erases the outline.
    void eraseOutline();
    // A left click on the sheet; returns the element it placed, if any.
    std::optional<PlacedElement> leftClick(QPoint position);

    // Inspector.
    void showElement(int number);
    void chooseTab(int tab);
    // The user's choice of an entry of the element list, which shows its element.
    void selectEntry(int index);

    // The head of the element's record, without the template's kind range.
    static Category recordHead(const PlacedElement &element);
    // Where the element covers the sheet in pixels, bounds inclusive.
    static QRect pixelRect(const PlacedElement &element);
    // The kinds of an element's tiles, cell by cell (tile layout rule).
    static std::vector<int> tileKinds(int firstKind, int width, int height);
    // The rows the element's list loads for the element, the sheet's for 0.
    std::vector<AttributeRow> elementRowsOf(int number) const;
    QStringList tabTexts(int number) const;
    const PlacedElement *element(int number) const;
    // Number of the element covering the cell, 0 where it is free; cells counted from 1.
    int cellAt(int column, int row) const
    {
        return occupancy[std::size_t((row - 1) * 43 + column - 1)];
    }

    int columns;
    int rows;
    QRect sheetRect;
    const ToolClassTable &toolClasses;

    int conductorKind = 1;
    int pressed = PointerTool;
    int chosenToolClass = 0;
    int categoryWidth = 0;
    int categoryHeight = 0;
    int categoryOrientation = 0;
    bool categoryOrientable = false;
    int outlineWidth = 0;
    int outlineHeight = 0;
    bool menuOpen = false;

    Overlay overlay = Overlay::None;
    QRect outline; // unclipped outline frame while the overlay is an outline
    std::array<QRect, 4> marks{};

    std::vector<PlacedElement> placed;
    std::array<int, 43 * 36> occupancy{};

    int shownElement = 0;
    int selectedEntry = 0;
    int currentTab = -1;
    // The cell-spanning display shown, and the rows it last loaded: the inspector keeps handing
    // those over while no display is shown.
    CommonDisplay common = CommonDisplay::None;
    std::vector<AttributeRow> commonRows;
    // Kind whose tile CellImg shows; 0 while it shows its start fill.
    int cellImageKind = 0;
    bool inspectorVisible = false;
    bool aboutVisible = false;

    // What the inspector and the editors' OK buttons last handed over.
    QStringList textLines;
    QList<QStringList> historyTable;

private:
    void setCategory(int toolClass);
    int &cell(int column, int row) { return occupancy[std::size_t((row - 1) * 43 + column - 1)]; }
};

} // namespace talvex::test
