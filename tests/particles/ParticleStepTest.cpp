#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

#include "particles/Particle.h"
#include "ParticleOfSize.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00402010u;

// A dark picture of w x h, possibly with white rectangles, captured into the
// background grid as a first paint would, and empty occupancy.
class StepScene {
public:
    StepScene(int w, int h) : m_w(w), m_h(h), m_surface(w, h, kDark), m_occupancy(w, h) {}

    void AddWhite(int left, int top, int right, int bottom) {
        m_surface.FillRect(SurfaceRect{left, top, right, bottom}, kWhite);
    }
    void Capture() {
        m_background = BackgroundGrid(m_w, m_h);
        for (int x = 0; x < m_w; ++x) {
            for (int y = 0; y < m_h; ++y) {
                m_background.At(x, y) = m_surface.GetPixel(x, y);
            }
        }
    }
    // As if the particle's last step had drawn it at (x, y).
    void MarkDrawn(CParticle& particle, int x, int y) {
        particle.CountFootprint(x, y, +1, m_w, m_h, m_occupancy);
        particle.DrawFootprint(x, y, m_surface);
        particle.m_drawnX = x;
        particle.m_drawnY = y;
    }
    void Step(CParticle& particle) { particle.Step(m_surface, m_w, m_h, m_occupancy, m_background, m_random); }

    int m_w;
    int m_h;
    MemorySurface m_surface;
    OccupancyGrid m_occupancy;
    BackgroundGrid m_background;
    RandomSource m_random{7};
};

// A particle that is already in play: no birth pending, a known motion.
CParticle InPlay(int size, double x, double y, double vx, double vy) {
    CParticle particle = testing::ParticleOfSize(size);
    particle.m_nSpeed = 100;
    particle.m_bRespawn = false;
    particle.m_x = x;
    particle.m_y = y;
    particle.m_prevX = x;
    particle.m_prevY = y;
    particle.m_vx = vx;
    particle.m_vy = vy;
    return particle;
}

TEST(ParticleStepBounceEdge, ThePixelBelowTheSurfaceIsInvalidSoNoBounce) {
    StepScene scene(100, 80);
    scene.AddWhite(50, 0, 60, 80);
    scene.Capture();
    // y = 0.975 projects to row 79, the last one.
    CParticle particle = InPlay(1, -0.012, 0.975, 0.001, -0.002);
    scene.MarkDrawn(particle, 49, 79);
    scene.Step(particle);
    EXPECT_EQ(particle.m_vx, 0.001);
    EXPECT_EQ(particle.m_drawnY, 79);
}

TEST(ParticleStepBounceEdge, AWhiteSurfaceLargerThanTheGridIsSafe) {
    StepScene scene(10, 10);
    scene.Capture();
    scene.m_surface = MemorySurface(20, 20, kDark);
    scene.m_surface.FillRect(SurfaceRect{10, 0, 20, 20}, kWhite);
    CParticle particle = InPlay(1, 0.4, 0.0, 0.001, -0.002);  // column 9, row 5
    particle.m_drawnX = 9;
    particle.m_drawnY = 5;
    scene.Step(particle);
    // Nothing can be counted outside the grid, so that white is the picture's.
    EXPECT_EQ(particle.m_vx, -0.0005);
}

TEST(ParticleStepOccupancy, AParticleOutOfSightKeepsLoweringItsLastFootprint) {
    StepScene scene(100, 80);
    scene.Capture();
    CParticle particle = InPlay(2, 0.9, 0.0, 0.001, -0.001);
    scene.MarkDrawn(particle, 10, 10);
    for (int i = 0; i < 3; ++i) {
        scene.Step(particle);
    }
    EXPECT_EQ(scene.m_occupancy.At(10, 9), -2);
    EXPECT_EQ(scene.m_occupancy.At(9, 10), -2);
    EXPECT_EQ(scene.m_surface.At(10, 9), kDark);
    EXPECT_EQ(particle.m_drawnX, 10);
    EXPECT_EQ(particle.m_drawnY, 10);
    EXPECT_FALSE(particle.m_bRespawn);
}

TEST(ParticleStepProjection, PositionsBeyondIntRangeAreClamped) {
    StepScene scene(100, 80);
    scene.Capture();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    CParticle right = InPlay(3, 1e300, 0.0, 0.0, 0.0);
    scene.Step(right);
    EXPECT_EQ(right.m_px, INT_MAX);

    CParticle left = InPlay(3, -inf, 0.0, 0.0, 0.0);
    scene.Step(left);
    EXPECT_EQ(left.m_px, INT_MIN);

    CParticle lost = InPlay(3, nan, 0.0, 0.0, 0.0);
    scene.Step(lost);
    EXPECT_EQ(lost.m_px, INT_MIN);

    CParticle high = InPlay(3, 0.0, -1e300, 0.0, 0.0);
    scene.Step(high);
    EXPECT_EQ(high.m_py, INT_MIN);
    EXPECT_TRUE(high.m_bRespawn);

    for (const CParticle* particle : {&right, &left, &lost, &high}) {
        EXPECT_EQ(particle->m_drawnX, -1);
    }
}

}  // namespace
}  // namespace tidewell
