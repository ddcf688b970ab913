#include <gtest/gtest.h>

#include "particles/Particle.h"
#include "SeedSearch.h"

namespace tidewell {
namespace {

int SizeClassForFirstDraw(int draw) {
    RandomSource random(testing::SeedSearch::ForFirst(draw));
    return CParticle(random).m_nSize;
}

TEST(ParticleConstruction, SizeClassFollowsTheFirstDraw) {
    EXPECT_EQ(SizeClassForFirstDraw(0), 1);
    EXPECT_EQ(SizeClassForFirstDraw(16383), 2);
    EXPECT_EQ(SizeClassForFirstDraw(32767), 3);  // k = 10
}

TEST(ParticleConstruction, SizeClassBoundariesAtKTwoAndSix) {
    // k = trunc(fraction * 9 + 1): 7281 gives k = 2, 7282 gives k = 3.
    EXPECT_EQ(SizeClassForFirstDraw(7281), 1);
    EXPECT_EQ(SizeClassForFirstDraw(7282), 2);
    // 21844 gives k = 6, 21845 gives k = 7.
    EXPECT_EQ(SizeClassForFirstDraw(21844), 2);
    EXPECT_EQ(SizeClassForFirstDraw(21845), 3);
}

TEST(ParticleConstruction, StartsAboveTheTopWaitingForItsFirstBirth) {
    RandomSource random(5);
    const CParticle particle(random);
    EXPECT_EQ(particle.m_x, -1.0);
    EXPECT_EQ(particle.m_y, -1.0);
    EXPECT_EQ(particle.m_px, -1);
    EXPECT_EQ(particle.m_py, -1);
    EXPECT_EQ(particle.m_drawnX, -1);
    EXPECT_EQ(particle.m_drawnY, -1);
    EXPECT_EQ(particle.m_dwLastTick, CParticle::kNotMoved);
    EXPECT_TRUE(particle.m_bRespawn);
}

TEST(ParticleConstruction, LeavesNoFieldUninitialised) {
    RandomSource random(5);
    const CParticle particle(random);
    EXPECT_EQ(particle.m_vx, 0.0);
    EXPECT_EQ(particle.m_vy, 0.0);
    EXPECT_EQ(particle.m_prevX, particle.m_x);
    EXPECT_EQ(particle.m_prevY, particle.m_y);
    EXPECT_EQ(particle.m_nSpeed, 0);
}

}  // namespace
}  // namespace tidewell
