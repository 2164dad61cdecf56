#pragma once

#include "model/element.h"

#include <array>
#include <cstdint>
#include <string>

namespace talvex {

// Sheet size computed once at start from the size of the sheet panel.
struct SheetGeometry
{
    int columns = 0;   // (panel width + 23) div 24
    int rows = 0;      // (panel height + 23) div 24
    int imageLeft = 0; // border + bevel
    int imageTop = 0;
    int imageWidth = 0; // panel width - 2 x border - 2 x bevel
    int imageHeight = 0;
    std::string horizontalError; // "HorizontalMax müsste N sein" when columns > 43, else empty
    std::string verticalError;   // "VerticalMax müsste N sein" when rows > 36, else empty
    bool fits() const { return horizontalError.empty() && verticalError.empty(); }
};

SheetGeometry sheetGeometry(int panelWidth, int panelHeight, int borderWidth = 1,
                            int bevelWidth = 4);

// What a sheet of columns x rows cells does when its panel changes size after start (a window
// manager's frame arrived): it takes the new size only while nothing is placed, since placed
// tiles are drawn for the grid they were placed on. Keep: nothing changes; Redraw: a new
// picture for the same grid; Rebuild: a new picture and a new grid for the element model.
enum class SheetResize
{
    Keep,
    Redraw,
    Rebuild
};

SheetResize sheetResize(int columns, int rows, bool samePicture, const SheetGeometry &next,
                        bool elementsPlaced);

// Main window position: right edge of the screen, centred vertically (truncating division).
int mainWindowLeft(int screenWidth, int windowWidth);
int mainWindowTop(int screenHeight, int windowHeight);

// The frame a window manager draws around a client area; all zero where none frames it.
struct FrameExtents
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool none() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool operator==(const FrameExtents &) const = default;
};

// The client extent that gives a window the outer extent with the frame's two sides.
int clientWidthFor(int outerWidth, const FrameExtents &frame);
int clientHeightFor(int outerHeight, const FrameExtents &frame);

// The main window's client height: the outer height less the frame, or the design height
// where no window manager frames the window.
int mainClientHeight(int outerHeight, const FrameExtents &frame, int designClientHeight);

// Where a window's outer frame starts when it is centred on a screen extent (truncating).
int centredOuterStart(int screenExtent, int outerExtent);

// Where a label whose text is textWidth wide starts when its design puts it at designLeft in a
// parent parentWidth wide: moved left only as far as the text needs to end inside the parent,
// and never past the parent's left edge.
int fittedLeft(int designLeft, int textWidth, int parentWidth);

// The inspector's client size: its outer frame reaches from the screen's left edge to the main
// window's outer left (never narrower than its design width) and has the design outer height.
struct ClientSize
{
    int width = 0;
    int height = 0;
    bool operator==(const ClientSize &) const = default;
};

ClientSize inspectorClientSize(int hostOuterLeft, int designClientWidth, int designOuterHeight,
                               const FrameExtents &frame);

// The four 3 x 3 corner marks of an element's pixel rectangle, in the order
// top-left, top-right, bottom-right, bottom-left.
std::array<PixelRect, 4> cornerMarks(const PixelRect &rect);

// Column widths and positions of the inspector, recomputed at every resize.
struct InspectorLayout
{
    int comboBoxWidth = 0;     // window width - 8
    int elementKeyWidth = 0;   // half = panelWidth * 5 div 10
    int elementValueWidth = 0; // element list width - half
    int commonKeyWidth = 0;
    int commonValueWidth = 0; // common list width - half
    int cellImgLeft = 0;      // panelWidth div 2 - 12
    int cellKeyWidth = 0;
    int cellValueWidth = 0; // panelWidth - half
};

InspectorLayout inspectorLayout(int windowWidth, int panelWidth, int elementListWidth,
                                int commonListWidth);

// Where a value editor of editorHeight opens beside the inspector: left edge overlapping the
// inspector's right frame by 4 pixels, middle 85 pixels below the top of the cell panel.
struct EditorPosition
{
    int left = 0;
    int top = 0;
};

EditorPosition editorPosition(int inspectorLeft, int inspectorTop, int inspectorWidth,
                              int cellPanelTop, int editorHeight);

} // namespace talvex
