// What the golden scenes never reach: a surface larger than the grids, and
// positions beyond int range.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "particles/Particle.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00402010u;

// A dark w x h picture as a first paint captures it, and empty occupancy; the
// surface may be replaced by a larger one.
struct StepScene {
    StepScene(int w, int h) : w(w), h(h), surface(w, h, kDark), occupancy(w, h), background(w, h, kDark) {}
    void Step(CParticle& particle) { particle.Step(surface, w, h, occupancy, background, random); }

    int w;
    int h;
    MemorySurface surface;
    OccupancyGrid occupancy;
    BackgroundGrid background;
    RandomSource random{7};
};

// A particle that is already in play: no birth pending, a known motion.
CParticle InPlay(int size, double x, double y, double vx, double vy) {
    CParticle particle = testing::ParticleOfSize(size);
    particle.m_nSpeed = 100;
    particle.m_bRespawn = false;
    particle.m_x = particle.m_prevX = x;
    particle.m_y = particle.m_prevY = y;
    particle.m_vx = vx;
    particle.m_vy = vy;
    return particle;
}

TEST(ParticleStepBounceEdge, AWhiteSurfaceLargerThanTheGridIsSafe) {
    StepScene scene(10, 10);
    scene.surface = MemorySurface(20, 20, kDark);
    scene.surface.FillRect(SurfaceRect{10, 0, 20, 20}, kWhite);
    CParticle particle = InPlay(1, 0.4, 0.0, 0.001, -0.002);  // column 9, row 5
    particle.m_drawnX = 9;
    particle.m_drawnY = 5;
    scene.Step(particle);
    // Nothing can be counted outside the grid, so that white is the picture's.
    EXPECT_EQ(particle.m_vx, -0.0005);
}

TEST(ParticleStepProjection, PositionsBeyondIntRangeAreClampedAndNeverDrawn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // Off a side a particle waits out of sight; off the top it is born again.
    const struct {
        double x, y;
        bool vertical;
        int projected;
        bool respawns;
    } cases[] = {{1e300, 0.0, false, INT_MAX, false},
                 {-inf, 0.0, false, INT_MIN, false},
                 {nan, 0.0, false, INT_MIN, false},
                 {0.0, -1e300, true, INT_MIN, true}};
    StepScene scene(100, 80);
    for (const auto& c : cases) {
        CParticle particle = InPlay(3, c.x, c.y, 0.0, 0.0);
        scene.Step(particle);
        EXPECT_EQ(c.vertical ? particle.m_py : particle.m_px, c.projected) << c.x << "," << c.y;
        EXPECT_EQ(particle.m_bRespawn, c.respawns) << c.x << "," << c.y;
        EXPECT_EQ(particle.m_drawnX, -1);
    }
}

}  // namespace
}  // namespace tidewell
