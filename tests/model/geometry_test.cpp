#include "model/geometry.h"

#include "model/modelerror.h"
#include "testnames.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace talvex;

namespace {

// --- sheet size from the panel ---

struct SheetCase
{
    int panelWidth, panelHeight;
    int columns, rows, imageWidth, imageHeight;
    const char *horizontalError;
    const char *verticalError;

    std::string caseName() const { return test::words(panelWidth, "x", panelHeight); }
};

using SheetSize = ::testing::TestWithParam<SheetCase>;

TEST_P(SheetSize, CountsOuterCellsAndShrinksTheImage)
{
    const SheetCase &c = GetParam();
    const SheetGeometry sheet = sheetGeometry(c.panelWidth, c.panelHeight);
    EXPECT_EQ(std::tuple(sheet.columns, sheet.rows, sheet.imageLeft, sheet.imageTop,
                         sheet.imageWidth, sheet.imageHeight, sheet.horizontalError,
                         sheet.verticalError),
              std::tuple(c.columns, c.rows, 5, 5, c.imageWidth, c.imageHeight,
                         std::string(c.horizontalError), std::string(c.verticalError)));
    EXPECT_EQ(sheet.fits(), !*c.horizontalError && !*c.verticalError);
}

TALVEX_INSTANTIATE_NAMED(
    Panels, SheetSize,
    ::testing::Values(SheetCase{1004, 832, 42, 35, 994, 822, "", ""},
                      SheetCase{1032, 864, 43, 36, 1022, 854, "", ""},
                      SheetCase{1033, 864, 44, 36, 1023, 854, "HorizontalMax müsste 44 sein", ""},
                      SheetCase{1032, 865, 43, 37, 1022, 855, "", "VerticalMax müsste 37 sein"},
                      SheetCase{1056, 900, 44, 38, 1046, 890, "HorizontalMax müsste 44 sein",
                                "VerticalMax müsste 38 sein"},
                      SheetCase{24, 25, 1, 2, 14, 15, "", ""}, SheetCase{1, 0, 1, 0, 0, 0, "", ""},
                      SheetCase{-50, 4, 0, 1, 0, 0, "", ""}));

TEST(SheetSize, HugePanelDoesNotOverflow)
{
    const int max = std::numeric_limits<int>::max();
    const SheetGeometry sheet = sheetGeometry(max, max);
    EXPECT_EQ(sheet.columns, 89478486);
    EXPECT_EQ(sheet.imageWidth, max - 10);
    EXPECT_EQ(sheet.horizontalError, "HorizontalMax müsste 89478486 sein");
    EXPECT_FALSE(sheet.fits());
}

// --- main window position ---

TEST(MainWindowPosition, RightEdgeAndTruncatedCentre)
{
    EXPECT_EQ(mainWindowLeft(1024, 1012), 12);
    EXPECT_EQ(mainWindowTop(768, 957), -94);
    EXPECT_EQ(mainWindowTop(1024, 957), 33);
    EXPECT_EQ(mainWindowTop(1080, 957), 61);
    EXPECT_THROW(mainWindowLeft(std::numeric_limits<int>::min(), 1), ModelError);
}

// --- outer sizes: what the window manager's frame leaves for the client ---

// Frames measured under openbox: a resizable window gets a 5-pixel handle below, a fixed-size
// one only the 1-pixel border.
constexpr FrameExtents Openbox{1, 20, 1, 5};
constexpr FrameExtents OpenboxFixed{1, 20, 1, 1};
constexpr FrameExtents NoFrame{};

TEST(MainClientHeight, FollowsTheFrameOrKeepsTheDesign)
{
    EXPECT_EQ(mainClientHeight(957, NoFrame, 927), 927);
    EXPECT_EQ(mainClientHeight(957, OpenboxFixed, 927), 936);
    EXPECT_EQ(mainClientHeight(957, Openbox, 927), 932);
    EXPECT_EQ(mainClientHeight(957, {4, 26, 4, 4}, 927), 927);
    EXPECT_EQ(mainClientHeight(957, {0, 1, 0, 0}, 927), 956);
}

TEST(OuterSizes, ClientIsTheOuterLessBothSides)
{
    EXPECT_EQ(clientWidthFor(268, Openbox), 266);
    EXPECT_EQ(clientHeightFor(447, Openbox), 422);
    EXPECT_EQ(clientWidthFor(268, NoFrame), 268);
    EXPECT_EQ(clientHeightFor(5, {0, 20, 0, 5}), -20);
    EXPECT_THROW(clientWidthFor(std::numeric_limits<int>::min(), {0, 0, 1, 0}), ModelError);
}

TEST(OuterSizes, CentredByTheOuterFrame)
{
    // The about box (250 x 322 client) on 1280 x 1024.
    EXPECT_EQ(centredOuterStart(1280, 250 + 2), 514);
    EXPECT_EQ(centredOuterStart(1024, 322 + 21), 340);
    EXPECT_EQ(centredOuterStart(1024, 322), 351);
    // A window higher than the screen starts above it, truncating toward zero.
    EXPECT_EQ(centredOuterStart(768, 957), -94);
    EXPECT_EQ(centredOuterStart(300, 301), 0);
}

TEST(LabelLeft, MovesLeftOnlyAsFarAsTheTextNeeds)
{
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    EXPECT_EQ(fittedLeft(767, 41, 809), 767); // "Aufheber" in Arial-like metrics fits
    EXPECT_EQ(fittedLeft(767, 42, 809), 767); // ends on the parent's last pixel
    EXPECT_EQ(fittedLeft(767, 45, 809), 764); // one pixel too wide: moves by one
    EXPECT_EQ(fittedLeft(4, 40, 809), 4);
    EXPECT_EQ(fittedLeft(0, 900, 809), 0); // wider than all
    EXPECT_EQ(fittedLeft(-3, 10, 809), 0);
    EXPECT_EQ(fittedLeft(max, 1, max), max - 1);
    EXPECT_EQ(fittedLeft(5, min, 10), 5);
    EXPECT_EQ(fittedLeft(max, max, min), 0);
}

TEST(OuterSizes, InspectorReachesTheMainWindow)
{
    EXPECT_EQ(inspectorClientSize(268, 141, 447, Openbox), (ClientSize{266, 422}));
    EXPECT_EQ(inspectorClientSize(268, 141, 447, NoFrame), (ClientSize{268, 447}));
    // On a narrow screen the main window leaves less room than the design width.
    EXPECT_EQ(inspectorClientSize(12, 141, 447, Openbox), (ClientSize{141, 422}));
    EXPECT_EQ(inspectorClientSize(-212, 141, 447, {2, 2, 2, 2}), (ClientSize{141, 443}));
}

// --- corner marks ---

TEST(CornerMarks, CentredOnTheCornersInOrder)
{
    EXPECT_EQ(cornerMarks({48, 24, 167, 47}),
              (std::array<PixelRect, 4>{PixelRect{47, 23, 49, 25}, PixelRect{166, 23, 168, 25},
                                        PixelRect{166, 46, 168, 48}, PixelRect{47, 46, 49, 48}}));
}

TEST(CornerMarks, TopLeftOfTheSheetReachesOutside)
{
    const std::array<PixelRect, 4> marks = cornerMarks({0, 0, 23, 23});
    EXPECT_EQ(marks[0], (PixelRect{-1, -1, 1, 1}));
    EXPECT_EQ(marks[2], (PixelRect{22, 22, 24, 24}));
    const int max = std::numeric_limits<int>::max();
    EXPECT_THROW(cornerMarks({0, 0, max, 0}), ModelError);
}

// --- inspector layout ---

struct LayoutCase
{
    int windowWidth, panelWidth, elementListWidth, commonListWidth;
    InspectorLayout expected;

    std::string caseName() const { return test::words("window", windowWidth); }
};

using InspectorColumns = ::testing::TestWithParam<LayoutCase>;

TEST_P(InspectorColumns, HalvesThePanel)
{
    const LayoutCase &c = GetParam();
    const auto widths = [](const InspectorLayout &l) {
        return std::tuple(l.comboBoxWidth, l.elementKeyWidth, l.elementValueWidth, l.commonKeyWidth,
                          l.commonValueWidth, l.cellImgLeft, l.cellKeyWidth, l.cellValueWidth);
    };
    EXPECT_EQ(
        widths(inspectorLayout(c.windowWidth, c.panelWidth, c.elementListWidth, c.commonListWidth)),
        widths(c.expected));
}

TALVEX_INSTANTIATE_NAMED(
    Widths, InspectorColumns,
    ::testing::Values(LayoutCase{301, 293, 290, 280, {293, 146, 144, 146, 134, 134, 146, 147}},
                      LayoutCase{141, 133, 133, 120, {133, 66, 67, 66, 54, 54, 66, 67}},
                      LayoutCase{8, 20, 4, 30, {0, 10, 0, 10, 20, -2, 10, 10}},
                      LayoutCase{3, 0, 0, 0, {0, 0, 0, 0, 0, -12, 0, 0}}));

// --- value editor position ---

TEST(EditorPosition, BesideTheInspector)
{
    const EditorPosition at = editorPosition(0, 446, 141, 143, 190);
    EXPECT_EQ(std::pair(at.left, at.top), std::pair(137, 579));
    EXPECT_EQ(editorPosition(10, 0, 100, 50, 191).top, 40);
    EXPECT_THROW(editorPosition(std::numeric_limits<int>::max(), 0, 10, 0, 0), ModelError);
}

} // namespace

// --- the sheet after its panel changed size ---

TEST(SheetResize, NewSizeOnlyWhileNothingIsPlaced)
{
    const SheetGeometry taller = sheetGeometry(1004, 841);  // 42 x 36
    const SheetGeometry same = sheetGeometry(1004, 832);    // 42 x 35
    const SheetGeometry tooTall = sheetGeometry(1004, 900); // 38 rows: more than the grid
    struct Case
    {
        const SheetGeometry &next;
        bool samePicture, placed;
        SheetResize want;
    } cases[] = {
        {taller, false, false, SheetResize::Rebuild}, {same, false, false, SheetResize::Redraw},
        {same, true, false, SheetResize::Keep},       {taller, false, true, SheetResize::Keep},
        {same, false, true, SheetResize::Keep},       {tooTall, false, false, SheetResize::Keep},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sheetResize(42, 35, c.samePicture, c.next, c.placed), c.want)
            << c.next.columns << " x " << c.next.rows << ", placed " << c.placed;
}
