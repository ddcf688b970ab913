#include <gtest/gtest.h>

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

// One text row per grid row: '#' where the cell is non-zero.
std::vector<std::string> Picture(const OccupancyGrid& grid) {
    std::vector<std::string> rows;
    for (int y = 0; y < grid.Height(); ++y) {
        std::string row;
        for (int x = 0; x < grid.Width(); ++x) {
            row += grid.At(x, y) != 0 ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> CountedAt(int size, int x, int y) {
    OccupancyGrid occupancy(kW, kH);
    testing::ParticleOfSize(size).CountFootprint(x, y, +1, kW, kH, occupancy);
    return Picture(occupancy);
}

// '#' where the surface was changed.
std::vector<std::string> Changed(const MemorySurface& surface, COLORREF before) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.Height(); ++y) {
        std::string row;
        for (int x = 0; x < surface.Width(); ++x) {
            row += surface.At(x, y) != before ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> RestoredAt(int size, int x, int y) {
    MemorySurface surface(kW, kH, kDark);
    const BackgroundGrid background(kW, kH, kPicture);
    testing::ParticleOfSize(size).RestoreFootprint(x, y, kW, kH, background, surface);
    return Changed(surface, kDark);
}

const std::vector<std::string> kNothing(kH, std::string(kW, '.'));

TEST(Footprint, ShapesOfTheThreeSizeClasses) {
    EXPECT_EQ(CountedAt(1, 4, 3), (std::vector<std::string>{".........", ".........", ".........", "....#....",
                                                            ".........", ".........", "........."}));
    EXPECT_EQ(CountedAt(2, 4, 3), (std::vector<std::string>{".........", ".........", "....#....", "...#.#...",
                                                            "....#....", ".........", "........."}));
    EXPECT_EQ(CountedAt(3, 4, 3), (std::vector<std::string>{".........", "...###...", "..#...#..", "..#...#..",
                                                            "..#...#..", "...###...", "........."}));
    EXPECT_EQ(CountedAt(0, 4, 3), CountedAt(1, 4, 3));
    EXPECT_EQ(CountedAt(5, 4, 3), CountedAt(3, 4, 3));
}

TEST(Footprint, LargeRingAboveTheTopLeftCornerStillReachesTwoCells) {
    EXPECT_EQ(CountedAt(3, -1, -1), (std::vector<std::string>{".#.......", "#........", ".........", ".........",
                                                              ".........", ".........", "........."}));
    EXPECT_EQ(RestoredAt(3, -1, -1), CountedAt(3, -1, -1));
    EXPECT_EQ(CountedAt(1, -1, -1), kNothing);
    EXPECT_EQ(CountedAt(2, -1, -1), kNothing);
    EXPECT_EQ(RestoredAt(2, -1, -1), kNothing);
}

TEST(Footprint, BeyondTheRightEdge) {
    for (int size : {1, 2, 3}) {
        EXPECT_EQ(CountedAt(size, kW + 2, 3), kNothing) << "size " << size;
        EXPECT_EQ(RestoredAt(size, kW + 2, 3), kNothing) << "size " << size;
    }
    EXPECT_EQ(CountedAt(3, kW + 1, 3), (std::vector<std::string>{".........", ".........", "........#", "........#",
                                                                 "........#", ".........", "........."}));
    EXPECT_EQ(RestoredAt(3, kW + 1, 3), CountedAt(3, kW + 1, 3));
    EXPECT_EQ(CountedAt(2, kW + 1, 3), kNothing);
    EXPECT_EQ(CountedAt(1, kW + 1, 3), kNothing);
}

TEST(Footprint, BelowTheBottomEdge) {
    EXPECT_EQ(CountedAt(3, 4, kH + 1), (std::vector<std::string>{".........", ".........", ".........", ".........",
                                                                 ".........", ".........", "...###..."}));
    EXPECT_EQ(CountedAt(3, 4, kH + 2), kNothing);
}

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
