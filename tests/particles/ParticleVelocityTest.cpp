#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "particles/Particle.h"
#include "ParticleOfSize.h"
#include "SeedSearch.h"

namespace tidewell {
namespace {

// Velocity drawn for a particle of a size and speed when r1 and r2 are the
// given rand() results.
CParticle WithVelocity(int size, int speed, int r1, int r2) {
    CParticle particle = testing::ParticleOfSize(size);
    RandomSource random(testing::SeedSearch::ForFirst(r1, r2));
    particle.SetSpeed(speed, random);
    return particle;
}

// The golden scenes pin the ranges of the size classes 1 to 3 at the
// dialog's speeds; these are the sizes and speeds they never reach. The
// lowest draws give m_vx = -vxReach and m_vy = vyHighest, the highest the
// opposite ends.
TEST(ParticleVelocity, SizesOutsideTheClassesAndSpeedsOutsideTheRange) {
    const struct {
        int size, speed;
        double vxReach, vyLowest, vyHighest;
    } cases[] = {
        // 0 is taken as 1, anything beyond 2 as 3.
        {0, 100, 0.000375, -0.0015, -0.0005},
        {7, 200, 0.0015, -0.007, -0.002},
        {-1, 200, 0.0015, -0.007, -0.002},
        // Speed 0 stops, a negative one reverses.
        {3, 0, 0.0, 0.0, 0.0},
        {3, -100, -0.00075, 0.0035, 0.001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "size " << c.size << " speed " << c.speed);
        const CParticle lowest = WithVelocity(c.size, c.speed, 0, 0);
        EXPECT_NEAR(lowest.m_vx, -c.vxReach, 1e-15);
        EXPECT_NEAR(lowest.m_vy, c.vyHighest, 1e-15);
        const CParticle highest = WithVelocity(c.size, c.speed, 32767, 32767);
        EXPECT_NEAR(highest.m_vx, c.vxReach, 1e-15);
        EXPECT_NEAR(highest.m_vy, c.vyLowest, 1e-15);
    }
    for (int speed : {INT_MAX, INT_MIN}) {
        const CParticle particle = WithVelocity(3, speed, 32767, 0);
        EXPECT_TRUE(std::isfinite(particle.m_vx) && std::isfinite(particle.m_vy)) << speed;
    }
}

}  // namespace
}  // namespace tidewell
