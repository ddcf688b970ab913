#include <gtest/gtest.h>

#include <ostream>

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

TEST_F(ParticleMove, ElapsedTimeWrapsAtThirtyTwoBits) {
    m_particle.m_dwLastTick = 0xFFFFFFF0u;
    m_clock.Set(0x00000009u);  // 25 ms later, across the wrap
    m_particle.Move(m_clock, m_random);
    EXPECT_DOUBLE_EQ(m_particle.m_x, 0.25 + 0.001);
}

TEST_F(ParticleMove, AClockThatStepsBackMovesTheParticleBack) {
    m_clock.Set(975);
    m_particle.Move(m_clock, m_random);
    EXPECT_DOUBLE_EQ(m_particle.m_x, 0.25 - 0.001);
    EXPECT_DOUBLE_EQ(m_particle.m_y, 0.5 + 0.002);
}

TEST_F(ParticleMove, HalfTheClockRangeAwayCountsAsTheFarthestPast) {
    m_particle.m_dwLastTick = 0;
    m_clock.Set(0x80000000u);  // dt = INT32_MIN
    m_particle.m_vx = 0.0;
    m_particle.m_vy = -1e-12;
    m_particle.Move(m_clock, m_random);
    EXPECT_DOUBLE_EQ(m_particle.m_y, -2147483648.0 * -1e-12 * 0.04 + 0.5);
}

struct EdgeCase {
    double x;
    double y;
    double vx;
    bool respawns;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << "x " << c.x << " y " << c.y << " vx " << c.vx; }

class ParticleMoveEdges : public ParticleMove, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(ParticleMoveEdges, RespawnsOnlyStrictlyPastAnEdgeHeadingOutward) {
    const EdgeCase c = GetParam();
    m_particle.m_x = c.x;
    m_particle.m_y = c.y;
    m_particle.m_vx = c.vx;
    m_particle.Move(m_clock, m_random);  // no time passes
    if (c.respawns) {
        EXPECT_EQ(m_particle.m_y, 1.01);
        EXPECT_NE(m_particle.m_x, c.x);
    } else {
        EXPECT_EQ(m_particle.m_x, c.x);
        EXPECT_EQ(m_particle.m_y, c.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, ParticleMoveEdges,
                         ::testing::Values(EdgeCase{1.01, 0.0, 0.001, false}, EdgeCase{-1.01, 0.0, -0.001, false},
                                           EdgeCase{0.0, -1.01, 0.0, false}, EdgeCase{0.0, -1.0100001, 0.0, true},
                                           EdgeCase{1.0100001, 0.0, 0.001, true},
                                           EdgeCase{-1.0100001, 0.0, -0.001, true},
                                           // The velocity's zero counts as heading outward on both sides.
                                           EdgeCase{-1.02, 0.0, 0.0, true}, EdgeCase{1.02, 0.0, 0.0, true},
                                           // Heading back into the field.
                                           EdgeCase{1.02, 0.0, -0.001, false}, EdgeCase{-1.02, 0.0, 0.001, false}));

}  // namespace
}  // namespace tidewell
