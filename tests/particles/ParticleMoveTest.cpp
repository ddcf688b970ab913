#include <gtest/gtest.h>

#include <cstdint>

#include "particles/Particle.h"
#include "particles/testing/ScriptedClock.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

// A particle that has moved before (last tick 1000) with a known state.
class ParticleMove : public ::testing::Test {
protected:
    ParticleMove() : m_particle(testing::ParticleOfSize(3)), m_clock(1000) {
        m_particle.m_nSpeed = 100;
        m_particle.m_bRespawn = false;
        m_particle.m_x = 0.25;
        m_particle.m_y = 0.5;
        m_particle.m_vx = 0.001;
        m_particle.m_vy = -0.002;
        m_particle.m_dwLastTick = 1000;
    }

    CParticle m_particle;
    ScriptedClock m_clock;
    RandomSource m_random{42};
};

// The elapsed time is the signed 32-bit difference of the ticks, in units of
// 25 ms: it wraps, it can be negative, and half the range away is the
// farthest past.
TEST_F(ParticleMove, ElapsedTimeIsTheSignedDifferenceOfThirtyTwoBitTicks) {
    const struct {
        std::uint32_t last, now;
        double units;
    } cases[] = {{0xFFFFFFF0u, 0x00000009u, 1.0}, {1000, 975, -1.0}, {0, 0x80000000u, -2147483648.0 * 0.04}};
    for (const auto& c : cases) {
        m_particle.m_x = 0.25;
        m_particle.m_vx = 0.001;
        m_particle.m_vy = 0.0;
        m_particle.m_dwLastTick = c.last;
        m_clock.Set(c.now);
        m_particle.Move(m_clock, m_random);
        EXPECT_DOUBLE_EQ(m_particle.m_x, 0.25 + c.units * 0.001) << c.last << " to " << c.now;
    }
}

// A particle respawns only strictly past an edge and heading outward; a zero
// velocity counts as heading outward on both sides.
TEST_F(ParticleMove, RespawnsOnlyStrictlyPastAnEdgeHeadingOutward) {
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
        m_particle.m_x = c.x;
        m_particle.m_y = c.y;
        m_particle.m_vx = c.vx;
        m_particle.m_dwLastTick = 1000;
        m_clock.Set(1000);  // no time passes
        m_particle.Move(m_clock, m_random);
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " y " << c.y << " vx " << c.vx);
        EXPECT_EQ(m_particle.m_y == 1.01 && m_particle.m_x != c.x, c.respawns);
        if (!c.respawns) {
            EXPECT_EQ(m_particle.m_x, c.x);
            EXPECT_EQ(m_particle.m_y, c.y);
        }
    }
}

}  // namespace
}  // namespace tidewell
