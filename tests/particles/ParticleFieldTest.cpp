#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "particles/Footprint.h"
#include "particles/ParticleField.h"
#include "particles/testing/FixedFieldHost.h"

namespace tidewell {
namespace {

constexpr COLORREF kBlue = 0x00A55D16u;
constexpr COLORREF kGreen = 0x0000FF00u;
constexpr COLORREF kDesk = 0x00303030u;

// The count stays within 0 and the capacity for the screen (547 for
// 1024 x 768, 430 for 800 x 600), whatever the number and the client.
TEST(ParticleFieldSizes, CountIsClampedToTheCapacityForAnyNumber) {
    const struct {
        int screenW, screenH, clientW, clientH;
        int number;
        int count;
    } cases[] = {
        {1024, 768, 1024, 768, 101, 547},   {1024, 768, 1024, 768, INT_MAX, 547}, {1024, 768, 1024, 768, -3, 0},
        {1024, 768, 1024, 768, INT_MIN, 0}, {800, 600, 4000, 3000, 100, 430},     {-1000, -1000, 0, 0, 20, 0},
        {-1000, -1000, 0, 0, 100, 0},
    };
    for (const auto& c : cases) {
        FixedFieldHost host(c.screenW, c.screenH, c.clientW, c.clientH);
        CParticleField field;
        field.Init(&host, c.number, kBlue);
        EXPECT_EQ(field.m_nCount, c.count) << c.screenW << " " << c.number;
        field.Init(&host, 20, kBlue);
        field.SetParticleSpeed(50);
        field.SetParticleNumber(c.number);
        EXPECT_EQ(field.m_nCount, c.count) << c.screenW << " " << c.number << " set later";
    }
}

TEST(ParticleFieldGrids, FramesBeforeTheGridsExistDoNothing) {
    FixedFieldHost host(320, 200, 320, 200);
    CParticleField field;
    field.Init(&host, 20, kBlue);
    field.SetParticleSpeed(50);
    field.SetBackColor(kGreen);
    MemorySurface surface(320, 200, kDesk);
    const RandomSource before = field.m_random;
    field.RunFrame(surface);
    field.DrawFrame(surface);
    EXPECT_EQ(field.m_pParticles[0].m_dwLastTick, CParticle::kNotMoved) << "nothing moved";
    EXPECT_EQ(field.m_random.State(), before.State());
    EXPECT_TRUE(field.m_bClear);
    for (COLORREF pixel : surface.Pixels()) {
        ASSERT_EQ(pixel, kDesk);
    }
}

// Empty grids (cleared to the colour in a client of nothing), and grids
// smaller than the size the field runs at over an all-white surface: frames
// stay inside them.
TEST(ParticleFieldGrids, EmptyOrSmallerGridsRunSafely) {
    const struct {
        int gridW, gridH, w, h;
    } cases[] = {{0, 10, 0, 10}, {-4, 10, -4, 10}, {30, 0, 30, 0}, {40, 30, 320, 200}};
    for (const auto& c : cases) {
        const bool empty = c.gridW <= 0 || c.gridH <= 0;
        FixedFieldHost host(320, 200, empty ? 0 : 320, empty ? 0 : 200);
        CParticleField field;
        field.Init(&host, 100, kBlue);
        field.SetParticleSpeed(100);
        field.MakeGrids(c.gridW, c.gridH);
        field.m_nWidth = c.w;
        field.m_nHeight = c.h;
        MemorySurface surface(empty ? 0 : c.w, empty ? 0 : c.h, kWhite);
        if (empty) {
            field.SetBackColor(kGreen);
        }
        for (int i = 0; i < 100; ++i) {
            host.m_clock.Advance(25);
            field.RunFrame(surface);
        }
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
        // As the window's first paint does.
        field.m_nWidth = surface.Width();
        field.m_nHeight = surface.Height();
        field.CaptureBackground(surface.View());
        field.DrawFrame(surface);
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
