#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

#include "particles/Particle.h"
#include "ParticleOfSize.h"
#include "SeedSearch.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00402010u;
constexpr COLORREF kPicture = 0x00123456u;

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
    void Step(CParticle& particle) {
        particle.Step(m_surface, m_w, m_h, m_occupancy, m_background, m_random);
    }

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

CParticle Newborn(int size) {
    CParticle particle = testing::ParticleOfSize(size);
    particle.m_nSpeed = 100;
    return particle;
}

TEST(ParticleStepBirth, FirstStepIsBornThenErasesAtMinusOneMinusOne) {
    StepScene scene(100, 80);
    scene.Capture();
    scene.m_background.At(1, 0) = kPicture;
    scene.m_background.At(0, 1) = kPicture;
    scene.m_random.Seed(testing::SeedSearch::ForFirst(16384));  // x fraction about one half
    CParticle particle = Newborn(3);
    scene.Step(particle);

    EXPECT_FALSE(particle.m_bRespawn);
    EXPECT_NEAR(particle.m_x, 0.0, 1e-3);
    EXPECT_LT(particle.m_vy, 0.0);
    EXPECT_EQ(scene.m_occupancy.At(1, 0), -1);
    EXPECT_EQ(scene.m_occupancy.At(0, 1), -1);
    EXPECT_EQ(scene.m_surface.At(1, 0), kPicture);
    EXPECT_EQ(scene.m_surface.At(0, 1), kPicture);
    // trunc(2.01 * 0.5 * 80 + 0.5) = 80, within the bottom margin: drawn.
    EXPECT_EQ(particle.m_drawnY, 80);
    EXPECT_EQ(particle.m_drawnX, 50);
    EXPECT_EQ(scene.m_surface.At(50, 78), kWhite);
}

TEST(ParticleStepBirth, BirthDrawsThePlaceThenTheVelocity) {
    StepScene scene(100, 80);
    scene.Capture();
    scene.m_random.Seed(testing::SeedSearch::ForFirstTwo(32767, 0));
    CParticle particle = Newborn(1);
    scene.Step(particle);
    // x fraction 1 puts it at the right edge of play (then it wobbles);
    // r1 = 0 heads it left.
    EXPECT_NEAR(particle.m_x, 1.0 + std::sin(1.01) * 0.001, 1e-9);
    EXPECT_DOUBLE_EQ(particle.m_vx, -0.00075 * 0.5);
}

struct TallFieldCase {
    int height;
    int row;
    bool drawn;
};

void PrintTo(const TallFieldCase& c, std::ostream* os) { *os << "height " << c.height; }


class ParticleStepNewborn : public ::testing::TestWithParam<TallFieldCase> {};

TEST_P(ParticleStepNewborn, RowOfANewbornDependsOnExactDoubleArithmetic) {
    const TallFieldCase c = GetParam();
    StepScene scene(1024, c.height);
    scene.Capture();
    scene.m_random.Seed(testing::SeedSearch::ForFirst(16384));
    CParticle particle = Newborn(2);
    scene.Step(particle);
    EXPECT_EQ(particle.m_py, c.row);
    EXPECT_EQ(particle.m_drawnY, c.drawn ? c.row : -1);
    EXPECT_FALSE(particle.m_bRespawn);
}

INSTANTIATE_TEST_SUITE_P(Heights, ParticleStepNewborn,
                         ::testing::Values(TallFieldCase{768, 772, false}, TallFieldCase{701, 705, false},
                                           TallFieldCase{700, 703, true}, TallFieldCase{600, 603, true}));

struct StripCase {
    double x;
    bool drawn;
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << "x " << c.x; }


class ParticleStepStrip : public ::testing::TestWithParam<StripCase> {};

// With w = 100 the strip is strictly between -0.545 and 0.535. At y = 0 the
// wobble is zero.
TEST_P(ParticleStepStrip, OnlyTheVisibleStripIsDrawn) {
    const StripCase c = GetParam();
    StepScene scene(100, 80);
    scene.Capture();
    CParticle particle = InPlay(1, c.x, 0.0, 0.0, -0.001);
    scene.Step(particle);
    EXPECT_EQ(particle.m_drawnX != -1, c.drawn) << "px " << particle.m_px;
    EXPECT_FALSE(particle.m_bRespawn);
}

INSTANTIATE_TEST_SUITE_P(Edges, ParticleStepStrip,
                         ::testing::Values(StripCase{-0.5451, false}, StripCase{-0.5449, true},
                                           StripCase{0.5349, true}, StripCase{0.5351, false},
                                           StripCase{-0.9, false}, StripCase{0.9, false}));

// The picture: a white rectangle over columns 50..59 and rows 20..39.
class ParticleStepBounce : public ::testing::Test {
protected:
    ParticleStepBounce() : m_scene(100, 80) {
        m_scene.AddWhite(50, 20, 60, 40);
        m_scene.Capture();
    }

    // A particle moving with vx from prev (x, y) that was last drawn at
    // (drawnX, 30); x = -0.012 projects to column 49, y = -0.25 to row 30.
    CParticle StepFrom(int drawnX, double vx, int size = 3) {
        const double x = (drawnX - 49) * 0.01 - 0.012;
        CParticle particle = InPlay(size, x, -0.25, vx, -0.002);
        m_scene.MarkDrawn(particle, drawnX, 30);
        m_scene.Step(particle);
        return particle;
    }

    StepScene m_scene;
};

TEST_F(ParticleStepBounce, GlancesOffTheLeftSideMovingRight) {
    const CParticle particle = StepFrom(49, 0.001);
    EXPECT_EQ(particle.m_vx, 0.001 * -0.5);
    EXPECT_EQ(particle.m_vy, -0.002 * 0.6);
    EXPECT_EQ(particle.m_x, -0.012 + particle.m_vx);
    // Same row as last drawn, so the nudge follows the bounce.
    EXPECT_EQ(particle.m_y, -0.25 + particle.m_vy - 0.001);
    EXPECT_EQ(particle.m_drawnX, 49);
    EXPECT_EQ(particle.m_drawnY, 30);
}

TEST_F(ParticleStepBounce, GlancesOffTheRightSideMovingLeft) {
    const CParticle particle = StepFrom(60, -0.001);
    EXPECT_EQ(particle.m_vx, 0.0005);
    EXPECT_EQ(particle.m_vy, -0.002 * 0.6);
}

TEST_F(ParticleStepBounce, AtRestHorizontallyTestsTheRightSide) {
    EXPECT_EQ(StepFrom(49, 0.0).m_vy, -0.002 * 0.6);
    EXPECT_EQ(StepFrom(60, 0.0).m_vy, -0.002);
}

TEST_F(ParticleStepBounce, HeadingAwayFromTheWhiteDoesNotBounce) {
    EXPECT_EQ(StepFrom(49, -0.001).m_vx, -0.001);
    EXPECT_EQ(StepFrom(60, 0.001).m_vx, 0.001);
}

TEST_F(ParticleStepBounce, InsideWhiteThePixelBelowIsWhiteSoNoBounce) {
    EXPECT_EQ(StepFrom(55, 0.001).m_vx, 0.001);
    EXPECT_EQ(StepFrom(55, -0.001).m_vx, -0.001);
}

TEST_F(ParticleStepBounce, AnotherParticlesWhiteIsNotThePicture) {
    m_scene = StepScene(100, 80);
    m_scene.Capture();
    CParticle neighbour = InPlay(3, 0.0, 0.0, 0.0, 0.0);
    m_scene.MarkDrawn(neighbour, 52, 30);  // its ring covers (50, 30)
    const CParticle particle = StepFrom(49, 0.001, 1);
    EXPECT_EQ(m_scene.m_surface.At(50, 30), kWhite);
    EXPECT_EQ(particle.m_vx, 0.001);
}

TEST_F(ParticleStepBounce, AnyNonZeroCountBlocksTheBounce) {
    m_scene.m_occupancy.At(50, 30) = -1;
    EXPECT_EQ(StepFrom(49, 0.001).m_vx, 0.001);
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

TEST(ParticleStepOccupancy, ADrawnParticleCountsOnceWhereItIsDrawn) {
    StepScene scene(100, 80);
    scene.Capture();
    CParticle particle = InPlay(1, 0.0, 0.0, 0.0, -0.001);
    scene.MarkDrawn(particle, 10, 10);
    scene.Step(particle);
    EXPECT_EQ(scene.m_occupancy.At(10, 10), 0);
    EXPECT_EQ(scene.m_occupancy.At(50, 40), 1);
    EXPECT_EQ(scene.m_surface.At(10, 10), kDark);
    EXPECT_EQ(scene.m_surface.At(50, 40), kWhite);
}

TEST(ParticleStepNudge, KeepingItsRowLiftsTheParticleFromTheNextStepOn) {
    StepScene scene(100, 80);
    scene.Capture();
    CParticle particle = InPlay(1, 0.0, 0.0, 0.0, 0.0);
    scene.MarkDrawn(particle, 50, 40);
    scene.Step(particle);
    EXPECT_EQ(particle.m_y, -0.001);
    EXPECT_EQ(particle.m_py, 40);

    CParticle moved = InPlay(1, 0.0, 0.0, 0.0, 0.0);
    scene.MarkDrawn(moved, 50, 41);
    scene.Step(moved);
    EXPECT_EQ(moved.m_y, 0.0);
}

TEST(ParticleStepTop, LeavingTheTopFlagsABirthForTheNextStep) {
    StepScene scene(100, 80);
    scene.Capture();
    CParticle particle = InPlay(1, 0.0, -1.09, 0.0, -0.001);  // row -3: still drawn
    scene.Step(particle);
    EXPECT_EQ(particle.m_drawnY, -3);
    EXPECT_FALSE(particle.m_bRespawn);

    particle.m_y = -1.2;  // row -7
    scene.Step(particle);
    EXPECT_TRUE(particle.m_bRespawn);
    EXPECT_EQ(particle.m_drawnY, -3);

    scene.Step(particle);
    EXPECT_FALSE(particle.m_bRespawn);
    EXPECT_EQ(particle.m_y, 1.01);
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
