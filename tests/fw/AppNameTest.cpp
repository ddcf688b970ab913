// Where the profile lives: the application name from the program file and
// the key path under the registry key.
#include <gtest/gtest.h>

#include "fw/App.h"

namespace fw {
namespace {

TEST(AppNameFromPath, DropsFolderAndExtensionOfEitherSeparator) {
    EXPECT_EQ(CWinApp::AppNameFromPath("C:\\Windows\\System32\\Waves.scr"), "Waves");
    EXPECT_EQ(CWinApp::AppNameFromPath("/usr/local/bin/Tidewell"), "Tidewell");
    EXPECT_EQ(CWinApp::AppNameFromPath("Tidewell.scr"), "Tidewell");
    EXPECT_EQ(CWinApp::AppNameFromPath("C:Tidewell.SCR"), "Tidewell");
}

TEST(AppNameFromPath, KeepsAllButTheLastExtension) {
    EXPECT_EQ(CWinApp::AppNameFromPath("D:\\my.saver.scr"), "my.saver");
    EXPECT_EQ(CWinApp::AppNameFromPath("D:\\dotted.dir\\plain"), "plain");
}

TEST(ProfileKeyPath, IsEmptyWithoutARegistryKey) {
    CWinApp app("Waves");
    EXPECT_EQ(app.ProfileKeyPath(), "");
    app.SetRegistryKey("Orvalle");
    EXPECT_EQ(app.ProfileKeyPath(), "Software\\Orvalle\\Waves");
}

TEST(ProfileKeyPath, UsesTheProgramFileNameWhenTheAppHasNoName) {
    CWinApp app;
    app.m_strAppName.clear();  // as on a backend that cannot name the program file
    char program[] = "C:\\Screens\\Waves.scr";
    char* argv[] = {program, nullptr};
    app.m_argc = 1;
    app.m_argv = argv;
    app.SetRegistryKey("Orvalle");
    EXPECT_EQ(app.ProfileKeyPath(), "Software\\Orvalle\\Waves");
}

}  // namespace
}  // namespace fw
