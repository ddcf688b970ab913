// Activation moving between the program's own windows, in the platform's
// order: the window losing it hears first, then the one gaining it, each told
// the other; no WM_ACTIVATEAPP, as the program stays active. The full-screen
// windows rely on this to tell a move between them from a switch to another
// program.
#include <gtest/gtest.h>

#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

using ActivationTest = PlatformTest;

TEST_F(ActivationTest, MovesFromTheOldWindowToTheNewWithoutActivateApp) {
    EventLog log;
    RecordingWnd first(log, false, "first");
    ASSERT_TRUE(first.CreatePopup(0, 0, 50, 50));
    PumpUntilIdle();
    log.clear();

    RecordingWnd second(log, false, "second");
    ASSERT_TRUE(second.CreatePopup(60, 0, 50, 50));
    PumpUntilIdle();
    EXPECT_EQ(Only(log, {"OnNcActivate", "OnActivate", "OnActivateApp"}),
              (EventLog{"OnNcActivate 0 [first]", "OnActivate 0 0 [first]", "OnNcActivate 1 [second]",
                        "OnActivate 1 0 [second]"}));
    EXPECT_EQ(first.m_pLastActivateOther, &second);
    EXPECT_EQ(second.m_pLastActivateOther, &first);
    second.DestroyWindow();
    first.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
