#include <gtest/gtest.h>

#include <cstdint>

#include "particles/Particle.h"
#include "particles/testing/ScriptedClock.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

// A particle in play at (x, y) moving sideways at vx, moved once from the
// tick last to the tick now.
CParticle Moved(std::uint32_t last, std::uint32_t now, double x, double y, double vx) {
    CParticle particle = testing::ParticleOfSize(3);
    particle.m_nSpeed = 100;
    particle.m_bRespawn = false;
    particle.m_x = x;
    particle.m_y = y;
    particle.m_vx = vx;
    particle.m_vy = 0.0;
    particle.m_dwLastTick = last;
    ScriptedClock clock(now);
    RandomSource random(42);
    particle.Move(clock, random);
    return particle;
}

// The elapsed time is the signed 32-bit difference of the ticks, in units of
// 25 ms: it wraps, it can be negative, and half the range away is the
// farthest past.
TEST(ParticleMove, ElapsedTimeIsTheSignedDifferenceOfThirtyTwoBitTicks) {
    const struct {
        std::uint32_t last, now;
        double units;
    } cases[] = {{0xFFFFFFF0u, 0x00000009u, 1.0}, {1000, 975, -1.0}, {0, 0x80000000u, -2147483648.0 * 0.04}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Moved(c.last, c.now, 0.25, 0.5, 0.001).m_x, 0.25 + c.units * 0.001)
            << c.last << " to " << c.now;
    }
}

// A particle respawns only strictly past an edge and heading outward; a zero
// velocity counts as heading outward on both sides.
TEST(ParticleMove, RespawnsOnlyStrictlyPastAnEdgeHeadingOutward) {
    const struct {
        double x, y, vx;
        bool respawns;
    } cases[] = {
        {1.01, 0.0, 0.001, false},    {-1.01, 0.0, -0.001, false},   {0.0, -1.01, 0.0, false},
        {0.0, -1.0100001, 0.0, true}, {1.0100001, 0.0, 0.001, true}, {-1.0100001, 0.0, -0.001, true},
        {-1.02, 0.0, 0.0, true},      {1.02, 0.0, 0.0, true},        {1.02, 0.0, -0.001, false},
        {-1.02, 0.0, 0.001, false},
    };
    for (const auto& c : cases) {
        const CParticle particle = Moved(1000, 1000, c.x, c.y, c.vx);  // no time passes
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " y " << c.y << " vx " << c.vx);
        EXPECT_EQ(particle.m_y == 1.01 && particle.m_x != c.x, c.respawns);
        if (!c.respawns) {
            EXPECT_EQ(particle.m_x, c.x);
            EXPECT_EQ(particle.m_y, c.y);
        }
    }
}

}  // namespace
}  // namespace tidewell
