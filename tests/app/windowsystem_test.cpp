// Which platform the editor asks Qt for, from the session it starts in.

#include "app/windowsystem.h"

#include <gtest/gtest.h>

namespace talvex {
namespace {

struct PlatformCase
{
    const char *session;
    Session given;
    const char *platform;
};

class PreferredPlatform : public ::testing::TestWithParam<PlatformCase>
{};

TEST_P(PreferredPlatform, KeepsWindowPlacesWhereItCan)
{
    EXPECT_EQ(preferredPlatform(GetParam().given), QString::fromLatin1(GetParam().platform))
        << GetParam().session;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, PreferredPlatform,
    ::testing::Values(PlatformCase{"Wayland with Xwayland", {{}, true, true}, "xcb;wayland"},
                      PlatformCase{"Wayland only", {{}, false, true}, ""},
                      PlatformCase{"X11", {{}, true, false}, ""},
                      PlatformCase{"no display", {{}, false, false}, ""},
                      PlatformCase{"user chose Wayland", {"wayland", true, true}, ""},
                      PlatformCase{"user chose X11", {"xcb", true, true}, ""}));

} // namespace
} // namespace talvex
