// Where the profile lives: the application name from the program file and
// the key path under the registry key.
#include <gtest/gtest.h>

#include "fw/App.h"

namespace fw {
namespace {

TEST(AppNameFromPath, DropsFolderDriveAndTheLastExtensionOnly) {
    const char* const cases[][2] = {
        {"C:\\Windows\\System32\\Waves.scr", "Waves"},
        {"/usr/local/bin/Tidewell", "Tidewell"},
        {"C:Tidewell.SCR", "Tidewell"},
        {"D:\\my.saver.scr", "my.saver"},
        {"D:\\dotted.dir\\plain", "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CWinApp::AppNameFromPath(c[0]), c[1]) << c[0];
    }
}

TEST(ProfileKeyPath, IsEmptyWithoutARegistryKeyAndFallsBackToTheProgramFile) {
    CWinApp app("Waves");
    EXPECT_EQ(app.ProfileKeyPath(), "");
    app.SetRegistryKey("Orvalle");
    EXPECT_EQ(app.ProfileKeyPath(), "Software\\Orvalle\\Waves");
    app.m_strAppName.clear();  // as on a backend that cannot name the program file
    char program[] = "C:\\Screens\\Ripple.scr";
    char* argv[] = {program, nullptr};
    app.m_argc = 1;
    app.m_argv = argv;
    EXPECT_EQ(app.ProfileKeyPath(), "Software\\Orvalle\\Ripple");
}

}  // namespace
}  // namespace fw
