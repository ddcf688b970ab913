#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "particles/Particle.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00203040u;
constexpr COLORREF kPicture = 0x00112233u;
constexpr int kW = 9;
constexpr int kH = 7;

// One text row per row of w x h: '#' where marked(x, y).
template <class Marked>
std::vector<std::string> Rows(int w, int h, Marked marked) {
    std::vector<std::string> rows(static_cast<std::size_t>(std::max(h, 0)));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            rows[static_cast<std::size_t>(y)] += marked(x, y) ? '#' : '.';
        }
    }
    return rows;
}

// '#' where the cell is non-zero.
std::vector<std::string> Picture(const OccupancyGrid& grid) {
    return Rows(grid.Width(), grid.Height(), [&](int x, int y) { return grid.At(x, y) != 0; });
}

// '#' where the surface was changed.
std::vector<std::string> Changed(const MemorySurface& surface, COLORREF before) {
    return Rows(surface.Width(), surface.Height(), [&](int x, int y) { return surface.At(x, y) != before; });
}

const std::vector<std::string> kNothing(kH, std::string(kW, '.'));

TEST(Footprint, ASizeLargerThanTheGridNeverReachesPastIt) {
    OccupancyGrid occupancy(4, 3);
    MemorySurface surface(kW, kH, kDark);
    const BackgroundGrid background(4, 3, kPicture);
    const CParticle particle = testing::ParticleOfSize(3);
    particle.CountFootprint(4, 3, +1, kW, kH, occupancy);
    particle.RestoreFootprint(4, 3, kW, kH, background, surface);
    EXPECT_EQ(Picture(occupancy), (std::vector<std::string>{"....", "...#", "..#."}));
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
    EXPECT_EQ(Picture(occupancy), kNothing);
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_EQ(Changed(surface, kDark), kNothing);
}

}  // namespace
}  // namespace tidewell
