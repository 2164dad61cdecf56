#include "model/geometry.h"

#include "model/modelerror.h"

#include <algorithm>
#include <cstdint>

namespace talvex {

namespace {

// Number of whole or partial cells that a length of pixels spans; 64-bit so that no panel size
// can overflow, and at least 0 for a collapsed panel.
int cellsSpanned(int pixels)
{
    const std::int64_t length = std::max(pixels, 0);
    return static_cast<int>((length + CellSize - 1) / CellSize);
}

// A width that a widget can take: lengths below 0 become 0.
int widthOf(std::int64_t length)
{
    return static_cast<int>(std::max<std::int64_t>(length, 0));
}

} // namespace

SheetGeometry sheetGeometry(int panelWidth, int panelHeight, int borderWidth, int bevelWidth)
{
    SheetGeometry sheet;
    const std::int64_t frame = std::int64_t{borderWidth} + bevelWidth;
    sheet.imageLeft = checkedAdd(borderWidth, bevelWidth);
    sheet.imageTop = sheet.imageLeft;
    sheet.imageWidth = widthOf(panelWidth - 2 * frame);
    sheet.imageHeight = widthOf(panelHeight - 2 * frame);

    // The counts come from the outer size, so the last column and row reach beyond the image.
    sheet.columns = cellsSpanned(panelWidth);
    sheet.rows = cellsSpanned(panelHeight);
    if (sheet.columns > MaxColumns)
        sheet.horizontalError = "HorizontalMax müsste " + std::to_string(sheet.columns) + " sein";
    if (sheet.rows > MaxRows)
        sheet.verticalError = "VerticalMax müsste " + std::to_string(sheet.rows) + " sein";
    return sheet;
}

SheetResize sheetResize(int columns, int rows, bool samePicture, const SheetGeometry &next,
                        bool elementsPlaced)
{
    // A grid the occupancy grid cannot hold is refused at start only; later the sheet keeps its
    // size rather than end the program from a resize.
    if (elementsPlaced || !next.fits())
        return SheetResize::Keep;
    if (next.columns != columns || next.rows != rows)
        return SheetResize::Rebuild;
    return samePicture ? SheetResize::Keep : SheetResize::Redraw;
}

int mainWindowLeft(int screenWidth, int windowWidth)
{
    return checkedSub(screenWidth, windowWidth);
}

int mainWindowTop(int screenHeight, int windowHeight)
{
    // Division truncates toward zero: on a screen lower than the window the top is negative.
    return checkedSub(screenHeight, windowHeight) / 2;
}

int clientWidthFor(int outerWidth, const FrameExtents &frame)
{
    return checkedSub(checkedSub(outerWidth, frame.left), frame.right);
}

int clientHeightFor(int outerHeight, const FrameExtents &frame)
{
    return checkedSub(checkedSub(outerHeight, frame.top), frame.bottom);
}

int mainClientHeight(int outerHeight, const FrameExtents &frame, int designClientHeight)
{
    return frame.none() ? designClientHeight : clientHeightFor(outerHeight, frame);
}

int centredOuterStart(int screenExtent, int outerExtent)
{
    return checkedSub(screenExtent, outerExtent) / 2;
}

int fittedLeft(int designLeft, int textWidth, int parentWidth)
{
    const std::int64_t lastFittingLeft = std::int64_t{parentWidth} - textWidth;
    return static_cast<int>(
        std::max<std::int64_t>(std::min<std::int64_t>(designLeft, lastFittingLeft), 0));
}

ClientSize inspectorClientSize(int hostOuterLeft, int designClientWidth, int designOuterHeight,
                               const FrameExtents &frame)
{
    return {std::max(designClientWidth, clientWidthFor(hostOuterLeft, frame)),
            clientHeightFor(designOuterHeight, frame)};
}

std::array<PixelRect, 4> cornerMarks(const PixelRect &rect)
{
    const auto around = [](std::int32_t cx, std::int32_t cy) {
        return PixelRect{checkedSub(cx, 1), checkedSub(cy, 1), checkedAdd(cx, 1),
                           checkedAdd(cy, 1)};
    };
    return {around(rect.left, rect.top), around(rect.right, rect.top),
            around(rect.right, rect.bottom), around(rect.left, rect.bottom)};
}

InspectorLayout inspectorLayout(int windowWidth, int panelWidth, int elementListWidth,
                                int commonListWidth)
{
    const std::int64_t half = std::int64_t{panelWidth} * 5 / 10;
    InspectorLayout layout;
    layout.comboBoxWidth = widthOf(std::int64_t{windowWidth} - 8);
    layout.elementKeyWidth = widthOf(half);
    layout.elementValueWidth = widthOf(elementListWidth - half);
    layout.commonKeyWidth = widthOf(half);
    layout.commonValueWidth = widthOf(commonListWidth - half);
    layout.cellImgLeft = panelWidth / 2 - CellSize / 2;
    layout.cellKeyWidth = widthOf(half);
    layout.cellValueWidth = widthOf(panelWidth - half);
    return layout;
}

EditorPosition editorPosition(int inspectorLeft, int inspectorTop, int inspectorWidth,
                              int cellPanelTop, int editorHeight)
{
    EditorPosition position;
    position.left = checkedSub(checkedAdd(inspectorLeft, inspectorWidth), 4);
    position.top =
        checkedSub(checkedAdd(checkedAdd(inspectorTop, cellPanelTop), 85), editorHeight / 2);
    return position;
}

} // namespace talvex
