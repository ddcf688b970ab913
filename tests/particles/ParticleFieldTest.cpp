#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "particles/Footprint.h"
#include "particles/ParticleField.h"
#include "particles/testing/FirstPaint.h"
#include "particles/testing/FixedFieldHost.h"

namespace tidewell {
namespace {

constexpr COLORREF kBlue = 0x00A55D16u;
constexpr COLORREF kGreen = 0x0000FF00u;
constexpr COLORREF kDesk = 0x00303030u;

TEST(ParticleFieldSizes, CapacityForTheScreen) {
    EXPECT_EQ(CParticleField::CapacityFor(1024, 768), 547);
    EXPECT_EQ(CParticleField::CapacityFor(800, 600), 430);
    EXPECT_EQ(CParticleField::CapacityFor(1920, 1080), 910);
}

TEST(ParticleFieldSizes, InitAllocatesTheCapacityAndCountsFromTheScreen) {
    FixedFieldHost host(1024, 768, 1024, 768);
    CParticleField field;
    field.Init(&host, 20, kBlue);
    EXPECT_EQ(field.m_nCapacity, 547);
    EXPECT_EQ(field.m_pParticles.size(), 547u);
    EXPECT_EQ(field.m_nCount, 117);
    EXPECT_EQ(field.m_nNumber, 20);
    EXPECT_EQ(field.m_crBack, kBlue);
    EXPECT_FALSE(field.m_bClear);
    EXPECT_FALSE(field.HasGrids());
}

TEST(ParticleFieldSizes, InitDrawsOneSizePerParticleInIndexOrder) {
    FixedFieldHost host(800, 600, 800, 600);
    CParticleField field;
    field.m_random.Seed(4321);
    field.Init(&host, 20, kBlue);
    RandomSource reference(4321);
    for (const CParticle& particle : field.m_pParticles) {
        EXPECT_EQ(particle.m_nSize, CParticle(reference).m_nSize);
    }
    EXPECT_EQ(field.m_random.State(), reference.State());
}

TEST(ParticleFieldSizes, NumberChangesCountFromTheClientSize) {
    FixedFieldHost host(1024, 768, 152, 112);
    CParticleField field;
    field.Init(&host, 20, kBlue);
    EXPECT_EQ(field.m_nCount, 117);  // the screen decides at Init, not the client
    field.SetParticleNumber(1);
    EXPECT_EQ(field.m_nCount, 10);
    host.m_clientWidth = 500;
    host.m_clientHeight = 120;
    field.SetParticleNumber(100);
    EXPECT_EQ(field.m_nCount, 196);
    EXPECT_EQ(field.m_nNumber, 20);
}

TEST(ParticleFieldSizes, CountIsClampedToTheCapacityForAnyNumber) {
    FixedFieldHost host(1024, 768, 1024, 768);
    for (int number : {101, 1000, INT_MAX}) {
        CParticleField field;
        field.Init(&host, number, kBlue);
        EXPECT_EQ(field.m_nCount, 547) << number;
    }
    for (int number : {-3, -1000, INT_MIN}) {
        CParticleField field;
        field.Init(&host, number, kBlue);
        EXPECT_EQ(field.m_nCount, 0) << number;
    }
    CParticleField field;
    field.Init(&host, 20, kBlue);
    field.SetParticleNumber(INT_MAX);
    EXPECT_EQ(field.m_nCount, 547);
    field.SetParticleNumber(INT_MIN);
    EXPECT_EQ(field.m_nCount, 0);
}

TEST(ParticleFieldSizes, AClientLargerThanTheScreenStillStaysWithinCapacity) {
    FixedFieldHost host(800, 600, 4000, 3000);
    CParticleField field;
    field.Init(&host, 100, kBlue);
    field.SetParticleNumber(100);
    EXPECT_EQ(field.m_nCount, 430);
}

TEST(ParticleFieldSizes, AnEmptyOrNegativeScreenGivesAnEmptyField) {
    FixedFieldHost host(-1000, -1000, 0, 0);
    CParticleField field;
    field.Init(&host, 20, kBlue);
    EXPECT_EQ(field.m_nCapacity, 0);
    EXPECT_EQ(field.m_nCount, 0);
    field.SetParticleNumber(100);
    field.SetParticleSpeed(50);
    EXPECT_EQ(field.m_nCount, 0);
}

class ParticleFieldRequests : public ::testing::Test {
protected:
    ParticleFieldRequests() : m_host(1024, 768, 1024, 768) { m_field.Init(&m_host, 20, kBlue); }

    FixedFieldHost m_host;
    CParticleField m_field;
};

TEST_F(ParticleFieldRequests, LoweringTheNumberRequestsAClearRaisingDoesNot) {
    m_field.SetParticleNumber(20);
    EXPECT_FALSE(m_field.m_bClear);
    m_field.SetParticleNumber(30);
    EXPECT_FALSE(m_field.m_bClear);
    m_field.SetParticleNumber(10);
    EXPECT_TRUE(m_field.m_bClear);
}

TEST_F(ParticleFieldRequests, ClampedCountsOnlyClearWhenTheyFall) {
    m_field.SetParticleNumber(500);
    m_field.SetParticleNumber(200);  // both clamp to the capacity
    EXPECT_FALSE(m_field.m_bClear);
    m_field.SetParticleNumber(-5);
    EXPECT_TRUE(m_field.m_bClear);
}

TEST_F(ParticleFieldRequests, SettingTheSameColourStillRequestsAClear) {
    m_field.SetBackColor(kBlue);
    EXPECT_TRUE(m_field.m_bClear);
    EXPECT_EQ(m_field.m_crBack, kBlue);
    m_field.SetBackColor(kGreen);
    EXPECT_EQ(m_field.m_crBack, kGreen);
}

TEST_F(ParticleFieldRequests, SpeedRestartsTheTimerAndReachesOnlyActiveParticles) {
    m_field.SetParticleSpeed(50);
    m_field.SetParticleNumber(10);
    const int active = m_field.m_nCount;
    const RandomSource before = m_field.m_random;
    m_field.SetParticleSpeed(80);
    EXPECT_EQ(m_host.m_timerRestarts, 2);
    for (int i = 0; i < 117; ++i) {
        EXPECT_EQ(m_field.m_pParticles[i].m_nSpeed, i < active ? 80 : 50) << i;
    }
    RandomSource reference = before;
    for (int i = 0; i < 2 * active; ++i) {
        reference.Next();
    }
    EXPECT_EQ(m_field.m_random.State(), reference.State());
}

TEST_F(ParticleFieldRequests, NewlyCoveredParticlesTakeTheLatestSpeedWithoutDrawing) {
    m_field.SetParticleSpeed(60);
    const RandomSource before = m_field.m_random;
    m_field.SetParticleNumber(40);
    const int grown = m_field.m_nCount;
    ASSERT_GT(grown, 117);
    EXPECT_EQ(m_field.m_random.State(), before.State());
    for (int i = 117; i < grown; ++i) {
        EXPECT_EQ(m_field.m_pParticles[i].m_nSpeed, 60);
        EXPECT_EQ(m_field.m_pParticles[i].m_vy, 0.0);
    }
    EXPECT_EQ(m_field.m_pParticles[grown].m_nSpeed, 0);
    EXPECT_EQ(m_field.m_nSpeededCount, grown);
}

TEST_F(ParticleFieldRequests, ParticlesOnceCoveredKeepTheirSpeedWhenCoveredAgain) {
    m_field.SetParticleSpeed(60);
    m_field.SetParticleNumber(40);
    m_field.SetParticleNumber(5);
    m_field.SetParticleSpeed(90);  // reaches only the few still active
    const int few = m_field.m_nCount;
    m_field.SetParticleNumber(40);
    EXPECT_EQ(m_field.m_pParticles[few].m_nSpeed, 60);
    EXPECT_EQ(m_field.m_pParticles[few - 1].m_nSpeed, 90);
    m_field.SetParticleNumber(60);
    EXPECT_EQ(m_field.m_pParticles[m_field.m_nCount - 1].m_nSpeed, 90);
}

TEST_F(ParticleFieldRequests, BeforeAnySpeedNewlyCoveredParticlesStandStill) {
    m_field.SetParticleNumber(40);
    EXPECT_EQ(m_field.m_pParticles[200].m_nSpeed, 0);
    EXPECT_EQ(m_field.m_nSpeededCount, m_field.m_nCount);
}

TEST_F(ParticleFieldRequests, ANeverSpeededParticleGetsItsVelocityAtBirth) {
    m_field.SetParticleSpeed(60);
    m_field.SetParticleNumber(40);
    MemorySurface surface(1024, 768, kDesk);
    PaintFirstFrame(m_field, surface);
    const CParticle& late = m_field.m_pParticles[m_field.m_nCount - 1];
    EXPECT_EQ(late.m_nSpeed, 60);
    EXPECT_LE(late.m_vy, -0.001 * 0.3 + 1e-15);
    EXPECT_GE(late.m_vy, -0.007 * 0.3 - 1e-15);
}

// A full-screen field over a desktop picture, painted once.
class ParticleFieldFrames : public ::testing::Test {
protected:
    ParticleFieldFrames() : m_host(320, 200, 320, 200), m_surface(320, 200, kDesk) {
        m_field.m_random.Seed(99);
        m_field.Init(&m_host, 20, kBlue);
        m_field.SetParticleSpeed(100);
        PaintFirstFrame(m_field, m_surface);
    }

    void RunFrames(int frames, std::uint32_t ms) {
        for (int i = 0; i < frames; ++i) {
            m_host.m_clock.Advance(ms);
            m_field.RunFrame(m_surface);
        }
    }

    int Visible() const {
        int white = 0;
        for (COLORREF pixel : m_surface.Pixels()) {
            white += pixel == kWhite;
        }
        return white;
    }

    FixedFieldHost m_host;
    MemorySurface m_surface;
    CParticleField m_field;
};

TEST_F(ParticleFieldFrames, ParticlesRiseAndShow) {
    RunFrames(200, 20);
    EXPECT_GT(Visible(), 0);
    int risen = 0;
    for (int i = 0; i < m_field.m_nCount; ++i) {
        risen += m_field.m_pParticles[i].m_y < 0.9;
    }
    EXPECT_GT(risen, m_field.m_nCount / 2);
}

TEST_F(ParticleFieldFrames, EveryMoveComesBeforeTheFirstStep) {
    // A surface that notes how often the clock had been read when the frame
    // first reported a change (steps read no clock).
    class ClockWatchingSurface : public MemorySurface {
    public:
        ClockWatchingSurface(const ScriptedClock& clock) : MemorySurface(320, 200, kDesk), m_clock(clock) {}
        void Changed(const SurfaceRect&) override {
            if (m_readsAtFirstTouch == 0) {
                m_readsAtFirstTouch = m_clock.Reads();
            }
        }
        std::uint64_t m_readsAtFirstTouch = 0;

    private:
        const ScriptedClock& m_clock;
    };
    ClockWatchingSurface surface(m_host.m_clock);
    const std::uint64_t before = m_host.m_clock.Reads();
    m_field.RunFrame(surface);
    EXPECT_EQ(surface.m_readsAtFirstTouch - before, 3u * static_cast<unsigned>(m_field.m_nCount));
}

TEST_F(ParticleFieldFrames, ClearFillsTheClientButKeepsAFullWidthPicture) {
    RunFrames(10, 20);
    m_field.m_pBackground->At(5, 5) = kGreen;
    m_field.SetParticleNumber(-100);  // no particle active: the clear alone
    const OccupancyGrid occupancy = *m_field.m_pOccupancy;
    m_field.SetBackColor(kBlue);
    m_field.DrawFrame(m_surface);
    EXPECT_FALSE(m_field.m_bClear);
    for (COLORREF pixel : m_surface.Pixels()) {
        ASSERT_EQ(pixel, kBlue);
    }
    EXPECT_EQ(m_field.m_pBackground->At(5, 5), kGreen);
    EXPECT_EQ(m_field.m_pBackground->At(0, 0), kDesk);
    EXPECT_TRUE(occupancy == *m_field.m_pOccupancy);
}

TEST_F(ParticleFieldFrames, ClearInANarrowWindowRefillsTheBackgroundToo) {
    RunFrames(10, 20);
    m_host.m_screenWidth = 321;
    m_field.SetParticleNumber(-100);
    const OccupancyGrid occupancy = *m_field.m_pOccupancy;
    m_field.SetBackColor(kGreen);
    m_field.DrawFrame(m_surface);
    const BackgroundGrid& background = *m_field.m_pBackground;
    EXPECT_TRUE(background == BackgroundGrid(background.Width(), background.Height(), kGreen));
    EXPECT_TRUE(std::all_of(m_surface.Pixels().begin(), m_surface.Pixels().end(),
                            [](COLORREF pixel) { return pixel == kGreen; }));
    EXPECT_TRUE(occupancy == *m_field.m_pOccupancy);
}

TEST_F(ParticleFieldFrames, AClearPaintsOnlyTheClientRectangle) {
    m_host.m_clientWidth = 100;
    m_host.m_clientHeight = 50;
    m_field.SetParticleNumber(-100);
    m_field.DrawFrame(m_surface);
    EXPECT_EQ(m_surface.At(99, 49), kBlue);
    EXPECT_EQ(m_surface.At(100, 10), kDesk);
    EXPECT_EQ(m_surface.At(10, 50), kDesk);
}

TEST_F(ParticleFieldFrames, FrozenParticlesStayAndCarryOnWhenActiveAgain) {
    RunFrames(60, 20);
    const int full = m_field.m_nCount;
    m_field.SetParticleNumber(1);
    const int few = m_field.m_nCount;
    ASSERT_LT(few, full);
    // A large frozen particle whose whole footprint was drawn inside the field.
    int index = few;
    auto drawnInside = [](const CParticle& p) {
        return p.m_nSize == 3 && p.m_drawnX >= 2 && p.m_drawnX < 318 && p.m_drawnY >= 2 && p.m_drawnY < 198;
    };
    while (index < full && !drawnInside(m_field.m_pParticles[index])) {
        ++index;
    }
    ASSERT_LT(index, full);
    const CParticle frozen = m_field.m_pParticles[index];
    const FootprintOffset offset = FootprintOffsets<3>::kCells[0];
    const int cellX = frozen.m_drawnX + offset.dx;
    const int cellY = frozen.m_drawnY + offset.dy;

    RunFrames(30, 20);
    const CParticle& particle = m_field.m_pParticles[index];
    EXPECT_EQ(particle.m_x, frozen.m_x);
    EXPECT_EQ(particle.m_y, frozen.m_y);
    EXPECT_EQ(particle.m_dwLastTick, frozen.m_dwLastTick);
    EXPECT_GE(m_field.m_pOccupancy->At(cellX, cellY), 1);

    m_field.SetParticleNumber(20);
    EXPECT_EQ(m_field.m_nCount, full);
    RunFrames(1, 20);
    EXPECT_EQ(particle.m_prevX, frozen.m_x);
    EXPECT_EQ(particle.m_prevY, frozen.m_y);
    EXPECT_EQ(particle.m_dwLastTick, m_host.m_clock.Now());
}

TEST(ParticleFieldGrids, FramesBeforeTheGridsExistDoNothing) {
    FixedFieldHost host(320, 200, 320, 200);
    CParticleField field;
    field.Init(&host, 20, kBlue);
    field.SetParticleSpeed(50);
    field.SetBackColor(kGreen);
    MemorySurface surface(320, 200, kDesk);
    const RandomSource before = field.m_random;
    const std::uint64_t reads = host.m_clock.Reads();
    field.RunFrame(surface);
    field.DrawFrame(surface);
    EXPECT_EQ(host.m_clock.Reads(), reads);
    EXPECT_EQ(field.m_random.State(), before.State());
    EXPECT_TRUE(field.m_bClear);
    for (COLORREF pixel : surface.Pixels()) {
        ASSERT_EQ(pixel, kDesk);
    }
}

TEST(ParticleFieldGrids, EmptyGridsRunSafely) {
    FixedFieldHost host(320, 200, 0, 0);
    for (int w : {0, -4, 30}) {
        CParticleField field;
        field.Init(&host, 20, kBlue);
        field.SetParticleSpeed(100);
        field.m_nWidth = w;
        field.m_nHeight = w == 30 ? 0 : 10;
        field.MakeGrids(field.m_nWidth, field.m_nHeight);
        EXPECT_TRUE(field.HasGrids());
        EXPECT_EQ(field.m_pOccupancy->Size(), 0u);
        MemorySurface surface(0, 0);
        field.SetBackColor(kGreen);
        for (int i = 0; i < 50; ++i) {
            host.m_clock.Advance(25);
            field.RunFrame(surface);
        }
    }
}

TEST(ParticleFieldGrids, AGridSizeThatDisagreesWithTheGridsStaysInside) {
    FixedFieldHost host(320, 200, 320, 200);
    CParticleField field;
    field.Init(&host, 100, kBlue);
    field.SetParticleSpeed(100);
    field.MakeGrids(40, 30);
    field.m_nWidth = 320;
    field.m_nHeight = 200;
    MemorySurface surface(320, 200, kWhite);
    for (int i = 0; i < 100; ++i) {
        host.m_clock.Advance(25);
        field.RunFrame(surface);
    }
}

TEST(ParticleFieldExtremes, ExtremeSpeedsAndLongSpellsNeverOverflow) {
    for (int speed : {INT_MAX, INT_MIN, 100000}) {
        FixedFieldHost host(320, 200, 320, 200);
        CParticleField field;
        field.Init(&host, 100, kBlue);
        field.SetParticleSpeed(speed);
        MemorySurface surface(320, 200, kDesk);
        surface.FillRect(SurfaceRect{100, 50, 200, 150}, kWhite);
        PaintFirstFrame(field, surface);
        for (std::uint32_t ms : {25u, 0x7FFFFFFFu, 1u, 0x80000000u, 40u}) {
            host.m_clock.Advance(ms);
            field.RunFrame(surface);
            for (int i = 0; i < field.m_nCount; ++i) {
                const CParticle& particle = field.m_pParticles[i];
                ASSERT_GE(particle.m_drawnX, -3);
                ASSERT_LE(particle.m_drawnX, 323);
                ASSERT_GE(particle.m_drawnY, -3);
                ASSERT_LE(particle.m_drawnY, 203);
            }
        }
    }
}

}  // namespace
}  // namespace tidewell
