#include <gtest/gtest.h>

#include "particles/Particle.h"
#include "SeedSearch.h"

namespace tidewell {
namespace {

// k = trunc(fraction * 9 + 1) picks the size class: 1 up to k = 2, 3 from
// k = 7. The golden scenes rarely draw the values next to a boundary.
TEST(ParticleConstruction, SizeClassFollowsTheFirstDraw) {
    const struct {
        int draw;
        int size;
    } cases[] = {{0, 1}, {7281, 1}, {7282, 2}, {16383, 2}, {21844, 2}, {21845, 3}, {32767, 3}};
    for (const auto& c : cases) {
        RandomSource random(testing::SeedSearch::ForFirst(c.draw));
        EXPECT_EQ(CParticle(random).m_nSize, c.size) << "draw " << c.draw;
    }
}

}  // namespace
}  // namespace tidewell
