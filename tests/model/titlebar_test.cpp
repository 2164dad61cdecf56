#include "model/titlebar.h"

#include <gtest/gtest.h>

using namespace talvex;

namespace {

// The Motif hints each window gives, in the numbers window managers read (MwmUtil.h): functions
// resize 2, move 4, minimise 8, maximise 16, close 32; decorations border 2, resize handles 4,
// title 8, menu 16, minimise 32, maximise 64. Flags 3: both fields are set.
TEST(TitleBars, GiveFunctionsAndDecorations)
{
    EXPECT_EQ(motifHints(MainWindowTitleBar), (MotifHints{3, 4 + 8 + 32, 2 + 8 + 16 + 32}));
    EXPECT_EQ(motifHints(InspectorTitleBar), (MotifHints{3, 2 + 4, 2 + 4 + 8}));
    EXPECT_EQ(motifHints(AboutBoxTitleBar), (MotifHints{3, 4, 2 + 8}));
    EXPECT_EQ(motifHints(ValueEditorTitleBar), (MotifHints{3, 4 + 32, 2 + 8}));
    EXPECT_EQ(motifHints({true, true, true, true, true}),
              (MotifHints{3, 2 + 4 + 8 + 16 + 32, 2 + 4 + 8 + 16 + 32 + 64}));
}

} // namespace
