// Which platform the editor asks Qt for, from the session it starts in.

#include "app/windowsystem.h"

#include <gtest/gtest.h>

namespace talvex {
namespace {

TEST(PreferredPlatform, KeepsWindowPlacesWhereItCan)
{
    // Wayland with Xwayland: X11 first.
    EXPECT_EQ(preferredPlatform({{}, true, true}), QStringLiteral("xcb;wayland"));
    // Wayland only, X11, no display: Qt's own choice.
    EXPECT_EQ(preferredPlatform({{}, false, true}), QString());
    EXPECT_EQ(preferredPlatform({{}, true, false}), QString());
    EXPECT_EQ(preferredPlatform({{}, false, false}), QString());
    // The user's choice stands.
    EXPECT_EQ(preferredPlatform({QStringLiteral("wayland"), true, true}), QString());
    EXPECT_EQ(preferredPlatform({QStringLiteral("xcb"), true, true}), QString());
}

} // namespace
} // namespace talvex
