#include "model/titlebar.h"

#include <gtest/gtest.h>

using namespace talvex;

namespace {

// The Motif hints each window gives, in the numbers window managers read (MwmUtil.h): functions
// resize 2, move 4, minimise 8, maximise 16, close 32; decorations border 2, resize handles 4,
// title 8, menu 16, minimise 32, maximise 64. Flags 3: both fields are set.
struct TitleBarCase
{
    const char *window;
    TitleBar titleBar;
    MotifHints hints;
};

class TitleBars : public ::testing::TestWithParam<TitleBarCase>
{};

TEST_P(TitleBars, GiveFunctionsAndDecorations)
{
    EXPECT_EQ(motifHints(GetParam().titleBar), GetParam().hints) << GetParam().window;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TitleBars,
    ::testing::Values(
        TitleBarCase{"main window", MainWindowTitleBar, {3, 4 + 8 + 32, 2 + 8 + 16 + 32}},
        TitleBarCase{"inspector", InspectorTitleBar, {3, 2 + 4, 2 + 4 + 8}},
        TitleBarCase{"about box", AboutBoxTitleBar, {3, 4, 2 + 8}},
        TitleBarCase{"value editor", ValueEditorTitleBar, {3, 4 + 32, 2 + 8}},
        TitleBarCase{"everything",
                     {true, true, true, true, true},
                     {3, 2 + 4 + 8 + 16 + 32, 2 + 4 + 8 + 16 + 32 + 64}}));

} // namespace
