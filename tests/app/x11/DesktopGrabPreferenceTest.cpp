// XScreenSaver's grabDesktopImages as its image grabber resolves it: the
// installed defaults, the user's resources over them, ~/.xscreensaver over
// those, and only a true boolean lets the desktop show.
#include "app/x11/DesktopGrabPreference.h"

#include <gtest/gtest.h>

namespace tidewell {
namespace {

const char* const kDebianDefaults = "*grabDesktopImages:\tFalse\n*lock:\tFalse\n";

TEST(GrabsDesktopImages, ResolvesAsTheHostDoes) {
    const struct {
        const char* label;
        GrabPreferenceSources sources;
        bool grabs;
    } cases[] = {
        {"built-in default", {std::nullopt, {}, std::nullopt}, true},
        {"installed default", {kDebianDefaults, {}, std::nullopt}, false},
        {"init file on", {kDebianDefaults, {}, "lock: True\ngrabDesktopImages:  True \n"}, true},
        {"init file off", {std::nullopt, {}, "GRABDESKTOPIMAGES:\tfalse\n"}, false},
        {"last line wins", {std::nullopt, {}, "grabDesktopImages: False\ngrabDesktopImages: yes\n"}, true},
        {"not a boolean", {std::nullopt, {}, "grabDesktopImages: maybe\n"}, false},
        {"commented out", {kDebianDefaults, {}, "# grabDesktopImages: True\n!grabDesktopImages: on\n"}, false},
        {"continued line", {kDebianDefaults, {}, "programs: a \\\n  b\ngrabDesktop\\\nImages: \\on\n"}, true},
        {"user resource", {kDebianDefaults, {"XScreenSaver*grabDesktopImages: on\n"}, std::nullopt}, true},
        {"file over loose resource", {std::nullopt, {"*grabDesktopImages: on"}, "grabDesktopImages: off"}, false},
        // A resource naming the program outranks the file's class entry.
        {"named over file", {std::nullopt, {"xscreensaver.grabDesktopImages: off"}, "grabDesktopImages: on"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GrabsDesktopImages(c.sources), c.grabs) << c.label;
    }
}

TEST(InitFileValue, FindsOnlyWholeKeys) {
    EXPECT_EQ(InitFileValue("grabDesktopImagesX: on\n", "grabDesktopImages"), std::nullopt);
    EXPECT_EQ(InitFileValue("grabDesktopImages : on\n", "grabDesktopImages"), std::nullopt);
    EXPECT_EQ(InitFileValue("  grabDesktopImages:\ta:b \r\n", "grabDesktopImages"), "a:b");
}

}  // namespace
}  // namespace tidewell
