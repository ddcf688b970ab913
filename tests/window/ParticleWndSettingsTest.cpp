// What a particle window takes from the stored settings, and when.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using ParticleWndSettings = WindowTest;

TEST_F(ParticleWndSettings, SpeedBelow15IsRaisedTo15AtCreation) {
    for (int stored : {0, 14, -5, 15, INT32_MIN}) {
        Store("Speed", stored);
        CFullScreenWnd* wnd = MakeFullScreen();
        EXPECT_EQ(wnd->m_field.m_pParticles[0].m_nSpeed, 15) << "stored " << stored;
        wnd->DestroyWindow();
    }
}

// Stored values out of the dialog's ranges; how a colour is read is
// SettingsStoreTest's.
TEST_F(ParticleWndSettings, AnyNonZeroBlankAndANumberAboveTheCapacity) {
    Store("Blank", -3);
    Store("Number", 1000000);
    CParticleWnd wnd(fw::FALSE);
    EXPECT_NE(wnd.m_bBlank, 0);
    EXPECT_EQ(wnd.m_field.m_nNumber, 1000000);
    EXPECT_EQ(static_cast<std::size_t>(wnd.m_field.m_nCount), wnd.m_field.m_pParticles.size());
}

TEST_F(ParticleWndSettings, ValuesAreTakenWhenMadeAndNeverAgain) {
    auto* wnd = new CFullScreenWnd;
    Store("Speed", 60);  // creation takes the speed
    Store("Number", 1);
    Store("Blank", 1);
    ASSERT_TRUE(wnd->CreateFullScreen());
    Store("Speed", 90);
    hl::PumpMessages();
    hl::RunFor(100);
    EXPECT_EQ(wnd->m_field.m_pParticles[0].m_nSpeed, 60);
    EXPECT_EQ(wnd->m_field.m_nNumber, 20);
    EXPECT_FALSE(wnd->m_bBlank);
}

}  // namespace
}  // namespace tidewell::test
