// XScreenSaver's grabDesktopImages as its image grabber resolves it: the
// installed defaults, the user's resources over them, ~/.xscreensaver over
// those, and only a true boolean lets the desktop show.
#include "app/x11/DesktopGrabPreference.h"

#include <gtest/gtest.h>

namespace tidewell {
namespace {

struct GrabCase {
    const char* label;
    GrabPreferenceSources sources;
    bool grabs;
};

class GrabPreferenceTest : public testing::TestWithParam<GrabCase> {};

TEST_P(GrabPreferenceTest, ResolvesAsTheHostDoes) {
    EXPECT_EQ(GrabsDesktopImages(GetParam().sources), GetParam().grabs) << GetParam().label;
}

const char* const kDebianDefaults = "*grabDesktopImages:\tFalse\n*lock:\tFalse\n";

INSTANTIATE_TEST_SUITE_P(
    Sources, GrabPreferenceTest,
    testing::Values(
        GrabCase{"built-in default", {std::nullopt, {}, std::nullopt}, true},
        GrabCase{"installed default", {kDebianDefaults, {}, std::nullopt}, false},
        GrabCase{"init file on", {kDebianDefaults, {}, "lock: True\ngrabDesktopImages:  True \n"}, true},
        GrabCase{"init file off", {std::nullopt, {}, "GRABDESKTOPIMAGES:\tfalse\n"}, false},
        GrabCase{"last line wins", {std::nullopt, {}, "grabDesktopImages: False\ngrabDesktopImages: yes\n"}, true},
        GrabCase{"not a boolean", {std::nullopt, {}, "grabDesktopImages: maybe\n"}, false},
        GrabCase{"commented out", {kDebianDefaults, {}, "# grabDesktopImages: True\n!grabDesktopImages: on\n"}, false},
        GrabCase{"continued line", {kDebianDefaults, {}, "programs: a \\\n  b\ngrabDesktop\\\nImages: \\on\n"}, true},
        GrabCase{"user resource", {kDebianDefaults, {"XScreenSaver*grabDesktopImages: on\n"}, std::nullopt}, true},
        GrabCase{"init file over a loose resource",
                 {std::nullopt, {"*grabDesktopImages: on"}, "grabDesktopImages: off"},
                 false},
        // A resource naming the program outranks the file's class entry.
        GrabCase{"named resource over the init file",
                 {std::nullopt, {"xscreensaver.grabDesktopImages: off"}, "grabDesktopImages: on"},
                 false}));

TEST(InitFileValue, FindsOnlyWholeKeys) {
    EXPECT_EQ(InitFileValue("grabDesktopImagesX: on\n", "grabDesktopImages"), std::nullopt);
    EXPECT_EQ(InitFileValue("grabDesktopImages : on\n", "grabDesktopImages"), std::nullopt);
    EXPECT_EQ(InitFileValue("  grabDesktopImages:\ta:b \r\n", "grabDesktopImages"), "a:b");
}

}  // namespace
}  // namespace tidewell
