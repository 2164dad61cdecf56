#pragma once

#include <cstdint>

namespace talvex {

// What a window's title bar and frame offer the user: the buttons a window manager draws and
// the actions it allows.
struct TitleBar
{
    bool resizable = false; // by dragging the frame
    bool menu = false;      // the window menu
    bool minimise = false;
    bool maximise = false;
    bool close = false;
};

// The main window: system menu, minimise and close; its size is fixed.
inline constexpr TitleBar MainWindowTitleBar{false, true, true, false, true};
// The inspector: resizable by its frame, no buttons and no window menu.
inline constexpr TitleBar InspectorTitleBar{true, false, false, false, false};
// The about box: a caption and nothing else.
inline constexpr TitleBar AboutBoxTitleBar{};
// The value editors: a close box, which cancels.
inline constexpr TitleBar ValueEditorTitleBar{false, false, false, false, true};

// _MOTIF_WM_HINTS as X11 window managers read them. Both the functions and the decorations are
// given, so that no manager falls back to drawing its default buttons.
struct MotifHints
{
    std::uint32_t flags = 0;
    std::uint32_t functions = 0;
    std::uint32_t decorations = 0;
    bool operator==(const MotifHints &) const = default;
};

MotifHints motifHints(const TitleBar &titleBar);

} // namespace talvex
