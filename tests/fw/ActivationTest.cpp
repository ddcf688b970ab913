// Activation moving between the program's own windows: where the platform
// reports it, the window losing it is told the other, and no WM_ACTIVATEAPP
// comes, as the program stays active. The full-screen windows rely on this to
// tell a move between them from a switch to another program.
#include <gtest/gtest.h>

#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

using ActivationTest = PlatformTest;

// Counts what a full-screen window of a group takes for a switch to another
// program: losing activation to no window of the group, or the application
// losing it.
class SwitchCountingWnd : public RecordingWnd {
public:
    using RecordingWnd::RecordingWnd;
    const CWnd* m_pPartner = nullptr;  // the group's other window
    int m_nSwitches = 0;

protected:
    void OnActivate(UINT state, CWnd* pOther, BOOL minimized) override {
        const bool toPartner = pOther != nullptr && m_pPartner != nullptr && pOther->m_hWnd == m_pPartner->m_hWnd;
        m_nSwitches += state == WA_INACTIVE && !toPartner ? 1 : 0;
        RecordingWnd::OnActivate(state, pOther, minimized);
    }
    void OnActivateApp(BOOL active, DWORD thread) override {
        m_nSwitches += active ? 0 : 1;
        RecordingWnd::OnActivateApp(active, thread);
    }
};

TEST_F(ActivationTest, MovingBetweenOurWindowsIsNoSwitchButAnotherProgramIs) {
    EventLog log;
    SwitchCountingWnd first(log);
    SwitchCountingWnd second(log);
    first.m_pPartner = &second;
    second.m_pPartner = &first;
    ASSERT_TRUE(first.CreatePopup(0, 0, 50, 50));
    ASSERT_TRUE(second.CreatePopup(60, 0, 50, 50));
    for (SwitchCountingWnd* target : {&first, &second, &first}) {
        FocusWindow(*target);
        PumpUntilIdle();
    }
    EXPECT_EQ(first.m_nSwitches + second.m_nSwitches, 0);
    OtherProgramWindow other;
    EXPECT_TRUE(PumpUntil([&] { return first.m_nSwitches > 0; }, 2000)) << "a real switch must still show";
    second.DestroyWindow();
    first.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
