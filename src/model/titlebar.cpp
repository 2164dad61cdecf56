#include "model/titlebar.h"

namespace talvex {

namespace {

// The bits of the Motif window manager hints (MwmUtil.h).
enum : std::uint32_t
{
    HintsFunctions = 1u << 0,
    HintsDecorations = 1u << 1,

    FunctionResize = 1u << 1,
    FunctionMove = 1u << 2,
    FunctionMinimize = 1u << 3,
    FunctionMaximize = 1u << 4,
    FunctionClose = 1u << 5,

    DecorBorder = 1u << 1,
    DecorResizeHandle = 1u << 2,
    DecorTitle = 1u << 3,
    DecorMenu = 1u << 4,
    DecorMinimize = 1u << 5,
    DecorMaximize = 1u << 6,
};

std::uint32_t bit(bool on, std::uint32_t value)
{
    return on ? value : 0u;
}

} // namespace

MotifHints motifHints(const TitleBar &titleBar)
{
    // Motif knows no close decoration: managers draw the close box for the close function.
    MotifHints hints;
    hints.flags = HintsFunctions | HintsDecorations;
    hints.functions = FunctionMove | bit(titleBar.resizable, FunctionResize) |
                      bit(titleBar.minimise, FunctionMinimize) |
                      bit(titleBar.maximise, FunctionMaximize) | bit(titleBar.close, FunctionClose);
    hints.decorations = DecorBorder | DecorTitle | bit(titleBar.resizable, DecorResizeHandle) |
                        bit(titleBar.menu, DecorMenu) | bit(titleBar.minimise, DecorMinimize) |
                        bit(titleBar.maximise, DecorMaximize);
    return hints;
}

} // namespace talvex
