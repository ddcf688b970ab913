// The frame timer: started at creation, frames only once the grids exist,
// other timer ids left to default processing.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using ParticleWndTimer = WindowTest;

TEST_F(ParticleWndTimer, CreationStartsTimer1AtThePlatformsShortestPeriodAndSpeedChangesRestartIt) {
    auto* wnd = MakeFullScreen();
    hl::PumpMessages();
    const int before = wnd->m_timers;
    hl::RunFor(990);
    // Period 0 means the default tick of 15.625 ms: 63 ticks by 984.4 ms.
    EXPECT_EQ(wnd->m_timers - before, 63);
    // Just before a tick is due (at 1000 ms), a restart pushes the next tick a
    // whole period away.
    hl::RunFor(9);
    wnd->SetParticleSpeed(60);
    hl::RunFor(15);
    EXPECT_EQ(wnd->m_timers - before, 63);
    hl::RunFor(1);
    EXPECT_EQ(wnd->m_timers - before, 64);
}

// What a frame of timer 1 draws is the golden scenes'.
TEST_F(ParticleWndTimer, Timer1RunsAFrameWithoutDefaultProcessingOtherIdsOnlyDefault) {
    auto* wnd = MakeFullScreen();
    hl::PumpMessages();
    PlaceParticlesInView(*wnd);
    wnd->ForgetDefaults();
    wnd->SendMessage(fw::WM_TIMER, 1, 0);
    EXPECT_EQ(wnd->DefaultsFor(fw::WM_TIMER), 0);
    const std::vector<COLORREF> shown = hl::ClientPixels(wnd->GetSafeHwnd());
    hl::SetTickCount(9000);
    wnd->SendMessage(fw::WM_TIMER, 2, 0);
    EXPECT_NE(wnd->m_field.m_pParticles[0].m_dwLastTick, 9000u) << "no frame";
    EXPECT_EQ(hl::ClientPixels(wnd->GetSafeHwnd()), shown);
    EXPECT_EQ(wnd->DefaultsFor(fw::WM_TIMER), 1);
}

TEST_F(ParticleWndTimer, ATickBeforeTheFirstPaintLeavesTheFieldAlone) {
    UsePatternDesktop();
    auto* wnd = MakeFullScreen();
    ASSERT_FALSE(wnd->m_bCaptured) << "not painted yet";
    PlaceParticlesInView(*wnd);
    hl::SetTickCount(777);
    wnd->SendMessage(fw::WM_TIMER, 1, 0);
    EXPECT_EQ(wnd->m_field.m_pParticles[0].m_dwLastTick, 0xFFFFFFFFu);
    EXPECT_FALSE(wnd->m_field.HasGrids());
    EXPECT_EQ(hl::ClientPixels(wnd->GetSafeHwnd()), hl::DesktopPicture()) << "nothing drawn";
    // Destroyed before its first paint, it still deletes itself.
    wnd->DestroyWindow();
    EXPECT_EQ(m_deletions, 1);
}

}  // namespace
}  // namespace tidewell::test
