// The application's profile in the real registry (under Wine: the prefix's
// user.reg). Defaults, 32-bit values and their types are the settings
// store's tests; what another process sees is checked here with the harness.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

// Headers that use the platform's names come before the system headers.
#include "settings/Settings.h"
#include "tests/support/TestPlatform.h"
// (after the above)
#include "fw/win32/WindowsApi.h"

namespace fw::test {
namespace {

TEST(RegistryProfile, WithoutARegistryKeyNothingIsReadOrWritten) {
    CWinApp bare("TidewellProfileTest");
    EXPECT_FALSE(bare.WriteProfileInt("Config", "Number", 5));
    EXPECT_EQ(bare.GetProfileInt("Config", "Number", 20), 20);
}

bool OutsideViewIs(const char* mode) {
    const char* given = std::getenv("TIDEWELL_OUTSIDE_VIEW");
    return given != nullptr && std::string(given) == mode;
}

// Half of a check the harness makes with `reg query` / `reg add` from another
// process (tools/wine/run-tests). Skipped unless the harness asks for it.
TEST(RegistryOutsideView, WritesTheValuesTheHarnessQueries) {
    if (!OutsideViewIs("write")) {
        GTEST_SKIP() << "run by tools/wine/run-tests";
    }
    CWinApp app("TidewellOutside");
    app.SetRegistryKey("Orvalle");
    DeleteProfileKey(app);
    EXPECT_TRUE(app.WriteProfileInt("Config", "Number", 37));
    EXPECT_TRUE(app.WriteProfileInt("Config", "Speed", -5));
    EXPECT_TRUE(app.WriteProfileInt("Config", "ColorRed", 278));
    EXPECT_TRUE(app.WriteProfileInt("Config", "Blank", INT_MIN));
}

TEST(RegistryOutsideView, ReadsTheValuesTheHarnessAdded) {
    if (!OutsideViewIs("read")) {
        GTEST_SKIP() << "run by tools/wine/run-tests";
    }
    CWinApp app("TidewellOutside");
    app.SetRegistryKey("Orvalle");
    // reg add: Number REG_DWORD 0xfffffffb, ColorRed REG_DWORD 278, Speed REG_SZ 70
    EXPECT_EQ(app.GetProfileInt("Config", "Number", 20), -5);
    EXPECT_EQ(tidewell::ReadColor(app), RGB(22, 93, 165));
    EXPECT_EQ(app.GetProfileInt("Config", "Speed", 50), 50);
    DeleteProfileKey(app);
}

}  // namespace
}  // namespace fw::test
