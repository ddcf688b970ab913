// What a particle window takes from the stored settings, and when.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using ParticleWndSettings = WindowTest;

int SpeedGiven(const CParticleWnd& wnd) { return wnd.m_field.m_pParticles[0].m_nSpeed; }

TEST_F(ParticleWndSettings, SpeedBelow15IsRaisedTo15AtCreation) {
    for (int stored : {0, 14, -5, 15, INT32_MIN}) {
        Store("Speed", stored);
        CFullScreenWnd* wnd = MakeFullScreen();
        EXPECT_EQ(SpeedGiven(*wnd), 15) << "stored " << stored;
        wnd->DestroyWindow();
    }
}

TEST_F(ParticleWndSettings, ColourKeepsTheLowEightBitsOfEachChannel) {
    Store("ColorRed", 278);
    Store("ColorGreen", 256);
    Store("ColorBlue", -1);
    CParticleWnd wnd(fw::FALSE);
    EXPECT_EQ(wnd.m_field.m_crBack, MakeColor(22, 0, 255));
}

TEST_F(ParticleWndSettings, AnyNonZeroBlankCountsAsOn) {
    Store("Blank", -3);
    CParticleWnd wnd(fw::FALSE);
    EXPECT_NE(wnd.m_bBlank, 0);
}

TEST_F(ParticleWndSettings, NumberAbove100StaysWithinTheCapacity) {
    Store("Number", 1000000);
    CParticleWnd wnd(fw::FALSE);
    EXPECT_EQ(wnd.m_field.m_nNumber, 1000000);
    EXPECT_EQ(static_cast<std::size_t>(wnd.m_field.m_nCount), wnd.m_field.m_pParticles.size());
}

// When each value is read matters (a value written in between is seen or
// not); the order among one step's reads does not.
TEST_F(ParticleWndSettings, ConstructionReadsBlankNumberAndColourAndCreationReadsSpeed) {
    hl::ClearProfileReadLog();
    auto* wnd = new CFullScreenWnd;
    std::vector<std::string> read = hl::ProfileReadLog();
    std::sort(read.begin(), read.end());
    EXPECT_EQ(read, (std::vector<std::string>{"Blank", "ColorBlue", "ColorGreen", "ColorRed", "Number"}));
    hl::ClearProfileReadLog();
    ASSERT_TRUE(wnd->CreateFullScreen());
    EXPECT_EQ(hl::ProfileReadLog(), (std::vector<std::string>{"Speed"}));
    hl::ClearProfileReadLog();
    hl::PumpMessages();
    hl::RunFor(100);
    EXPECT_TRUE(hl::ProfileReadLog().empty()) << "paints and frames read nothing";
}

TEST_F(ParticleWndSettings, TheRandomSourceIsSeededFromTheClockBeforeAnyParticle) {
    hl::SetWallTime(1234567);
    CParticleWnd wnd(fw::FALSE);
    RandomSource expected(1234567u);
    for (const CParticle& p : wnd.m_field.m_pParticles) {
        const CParticle fresh(expected);
        ASSERT_EQ(p.m_nSize, fresh.m_nSize);
    }
    EXPECT_EQ(wnd.m_field.m_random.State(), expected.State());
}

TEST_F(ParticleWndSettings, TheSeedIsTheLow32BitsOfTheTime) {
    hl::SetWallTime(0x100000007LL);
    CParticleWnd wnd(fw::FALSE);
    RandomSource expected(7u);
    for (std::size_t i = 0; i < wnd.m_field.m_pParticles.size(); ++i) {
        expected.Next();
    }
    EXPECT_EQ(wnd.m_field.m_random.State(), expected.State());
}

TEST_F(ParticleWndSettings, HostServicesReportScreenAndClient) {
    hl::SetScreenSize(800, 600);
    CParticleWnd* wnd = MakePreview(152, 112);
    int w = 0;
    int h = 0;
    wnd->GetScreenSize(w, h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    wnd->GetClientSize(w, h);
    EXPECT_EQ(w, 152);
    EXPECT_EQ(h, 112);
    EXPECT_EQ(wnd->m_field.m_pParticles.size(), 430u);
}

}  // namespace
}  // namespace tidewell::test
