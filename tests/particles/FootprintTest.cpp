#include <gtest/gtest.h>

#include <climits>

#include "particles/Particle.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00203040u;
constexpr COLORREF kPicture = 0x00112233u;
constexpr int kW = 9;
constexpr int kH = 7;

TEST(Footprint, ASizeLargerThanTheGridNeverReachesPastIt) {
    OccupancyGrid occupancy(4, 3);
    MemorySurface surface(kW, kH, kDark);
    const BackgroundGrid background(4, 3, kPicture);
    const CParticle particle = testing::ParticleOfSize(3);
    particle.CountFootprint(4, 3, +1, kW, kH, occupancy);
    particle.RestoreFootprint(4, 3, kW, kH, background, surface);
    OccupancyGrid expected(4, 3);
    expected.At(3, 1) = expected.At(2, 2) = 1;
    EXPECT_TRUE(occupancy == expected);
    EXPECT_EQ(surface.At(3, 1), kPicture);
    EXPECT_EQ(surface.At(2, 2), kPicture);
    EXPECT_EQ(surface.At(6, 3), kDark);
}

// Centres far outside, negative sizes and empty grids touch nothing.
TEST(Footprint, NothingOutsideTheGridsIsTouched) {
    OccupancyGrid occupancy(kW, kH);
    OccupancyGrid empty(0, 5);
    MemorySurface surface(kW, kH, kDark);
    const BackgroundGrid background(kW, kH, kPicture);
    const CParticle particle = testing::ParticleOfSize(3);
    for (int v : {INT_MAX, INT_MIN, -3, kW + 2}) {
        particle.CountFootprint(v, 3, +1, kW, kH, occupancy);
        particle.CountFootprint(3, v, +1, kW, kH, occupancy);
        particle.RestoreFootprint(v, v, kW, kH, background, surface);
        particle.DrawFootprint(v, v, surface);
        particle.DrawFootprint(3, v == -3 ? kH + 2 : v, surface);
    }
    particle.CountFootprint(-1, -1, +1, -5, -5, occupancy);
    particle.RestoreFootprint(-1, -1, -5, kH, background, surface);
    particle.CountFootprint(1, 1, +1, kW, kH, empty);
    particle.RestoreFootprint(1, 1, kW, kH, BackgroundGrid(7, -2), surface);
    EXPECT_TRUE(occupancy == OccupancyGrid(kW, kH));
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_EQ(surface.Pixels(), MemorySurface(kW, kH, kDark).Pixels());
}

}  // namespace
}  // namespace tidewell
