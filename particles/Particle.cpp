#include "particles/Particle.h"

#include <algorithm>
#include <cmath>

#include "particles/Footprint.h"
#include "particles/GridBounds.h"
#include "particles/IntConversions.h"

namespace tidewell {

namespace {

// m_vx = r1 * A - B, m_vy = r2 * C - D, per size class.
struct VelocityRange {
    double a;
    double b;
    double c;
    double d;
};

VelocityRange VelocityRangeOf(int nSize) {
    switch (SizeClassOf(nSize)) {
        case 1:
            return {0.0015, 0.00075, -0.002, 0.001};
        case 2:
            return {0.002, 0.001, -0.0035, 0.0015};
        default:
            return {0.003, 0.0015, -0.005, 0.002};
    }
}

// The upward acceleration applied once per move.
double AccelerationOf(int nSize) {
    switch (SizeClassOf(nSize)) {
        case 1:
            return 1.01;
        case 2:
            return 1.015;
        default:
            return 1.02;
    }
}

constexpr double kBirthY = 1.01;
constexpr double kEdge = 1.01;

}  // namespace

CParticle::CParticle(RandomSource& random)
    : m_x(-1.0),
      m_y(-1.0),
      m_prevX(m_x),
      m_prevY(m_y),
      m_px(-1),
      m_py(-1),
      m_drawnX(-1),
      m_drawnY(-1),
      m_bRespawn(true),
      m_nSize(0),
      m_nSpeed(0),
      m_dwLastTick(kNotMoved),
      m_vx(0.0),
      m_vy(0.0) {
    const int k = static_cast<int>(random.Fraction() * 9 + 1);
    m_nSize = k <= 2 ? 1 : (k > 6 ? 3 : 2);
}

void CParticle::RandomizeVelocity(RandomSource& random) {
    const double r1 = random.Fraction();
    const double r2 = random.Fraction();
    const VelocityRange range = VelocityRangeOf(m_nSize);
    m_vx = r1 * range.a - range.b;
    m_vy = r2 * range.c - range.d;
    const double f = m_nSpeed * 0.005;
    m_vx = f * m_vx;
    m_vy = f * m_vy;
}

void CParticle::SetSpeed(int speed, RandomSource& random) {
    m_nSpeed = speed;
    RandomizeVelocity(random);
}

void CParticle::Respawn(RandomSource& random) {
    m_x = random.Fraction() * 2 - 1;
    m_y = kBirthY;
    RandomizeVelocity(random);
}

void CParticle::Move(CTickSource& ticks, RandomSource& random) {
    m_prevX = m_x;
    m_prevY = m_y;
    if (m_dwLastTick == kNotMoved) {
        m_dwLastTick = ticks.GetTickCount();
    }
    const std::int32_t dt = WrappedTickDifference(ticks.GetTickCount(), m_dwLastTick);
    m_x = dt * m_vx * 0.04 + m_x;
    m_y = dt * m_vy * 0.04 + m_y;
    m_dwLastTick = ticks.GetTickCount();
    m_vy = m_vy * AccelerationOf(m_nSize);
    if ((m_x < -kEdge && m_vx <= 0) || (m_x > kEdge && m_vx >= 0) || m_y < -kEdge) {
        Respawn(random);
    }
}

namespace {

// The square a footprint of the size class can cover around (x, y).
SurfaceRect FootprintBox(int nSize, int x, int y) {
    // Centres may lie anywhere in int range; the box is cut to it.
    const std::int64_t reach = SizeClassOf(nSize) - 1;
    return SurfaceRect{ClampToInt(x - reach), ClampToInt(y - reach), ClampToInt(x + reach + 1),
                       ClampToInt(y + reach + 1)};
}

SurfaceRect Intersection(const SurfaceRect& a, const SurfaceRect& b) {
    return SurfaceRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                       std::min(a.bottom, b.bottom)};
}

SurfaceRect Union(const SurfaceRect& a, const SurfaceRect& b) {
    if (a.IsEmpty()) {
        return b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return SurfaceRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                       std::max(a.bottom, b.bottom)};
}

// Where a restore of the footprint at (x, y) may write: inside the grid.
SurfaceRect RestoredBox(int nSize, int x, int y, const GridBounds& bounds) {
    return Intersection(FootprintBox(nSize, x, y), SurfaceRect{0, 0, bounds.width, bounds.height});
}

// Where a draw of the footprint at (x, y) may write: on the surface.
SurfaceRect DrawnBox(int nSize, int x, int y, const PixelView& pixels) {
    return Intersection(FootprintBox(nSize, x, y), pixels.Readable());
}

void Restore(const CParticle& particle, int x, int y, const GridBounds& bounds, const BackgroundGrid& background,
             const PixelView& pixels) {
    ForEachFootprintCell(particle.m_nSize, x, y, bounds.width, bounds.height, background.Width(),
                         [&](int cx, int cy, std::size_t index) { pixels.Set(cx, cy, background.CellAt(index)); });
}

// The step's erase: CountFootprint with -1, then RestoreFootprint, at the
// last drawn position; returns where it may have written. With both grids
// of one size each pixel is visited once for both; the two passes touch
// different memory, so the effect is the same.
SurfaceRect Erase(const CParticle& particle, int w, int h, OccupancyGrid& occupancy, const BackgroundGrid& background,
                  const PixelView& pixels) {
    const int x = particle.m_drawnX;
    const int y = particle.m_drawnY;
    const GridBounds restored = GridBounds::Of(w, h, background);
    if (occupancy.Width() != background.Width() || occupancy.Height() != background.Height()) {
        particle.CountFootprint(x, y, -1, w, h, occupancy);
        Restore(particle, x, y, restored, background, pixels);
        return RestoredBox(particle.m_nSize, x, y, restored);
    }
    ForEachFootprintCell(particle.m_nSize, x, y, restored.width, restored.height, occupancy.Width(),
                         [&](int cx, int cy, std::size_t index) {
                             --occupancy.CellAt(index);
                             pixels.Set(cx, cy, background.CellAt(index));
                         });
    return RestoredBox(particle.m_nSize, x, y, restored);
}

// The step's draw: CountFootprint with +1, then DrawFootprint, in one visit;
// returns where it may have written.
SurfaceRect DrawCounted(const CParticle& particle, int x, int y, int w, int h, OccupancyGrid& occupancy,
                        const PixelView& pixels) {
    const GridBounds bounds = GridBounds::Of(w, h, occupancy);
    ForEachFootprintPixel(particle.m_nSize, x, y, bounds.width, bounds.height, occupancy.Width(),
                          [&](int cx, int cy, bool inside, std::size_t index) {
                              if (inside) {
                                  ++occupancy.CellAt(index);
                              }
                              pixels.Set(cx, cy, kWhite);
                          });
    return DrawnBox(particle.m_nSize, x, y, pixels);
}

// Whether the particle glances off the side of a white area, judged around
// its last drawn position: the pixel on the side it heads for is white, no
// footprint accounts for that white, and the pixel below is not white.
bool Bounces(const CParticle& particle, const PixelView& pixels, const OccupancyGrid& occupancy) {
    const std::int64_t x = particle.m_drawnX;
    const std::int64_t y = particle.m_drawnY;
    const COLORREF left = pixels.Get(ClampToInt(x - 1), ClampToInt(y));
    const COLORREF below = pixels.Get(ClampToInt(x), ClampToInt(y + 1));
    const COLORREF right = pixels.Get(ClampToInt(x + 1), ClampToInt(y));
    // No footprint is ever counted outside the grid, so such a cell reads 0.
    auto unoccupied = [&occupancy](std::int64_t cx, std::int64_t cy) {
        return !GridBounds::Of(occupancy).Contains(cx, cy) ||
               occupancy.At(static_cast<int>(cx), static_cast<int>(cy)) == 0;
    };
    if (particle.m_vx >= 0 && right == kWhite && unoccupied(x + 1, y) && below != kWhite && below != CLR_INVALID) {
        return true;
    }
    return particle.m_vx < 0 && left == kWhite && unoccupied(x - 1, y) && below != kWhite && below != CLR_INVALID;
}

}  // namespace

void CParticle::CountFootprint(int x, int y, int delta, int w, int h, OccupancyGrid& occupancy) const {
    const GridBounds bounds = GridBounds::Of(w, h, occupancy);
    ForEachFootprintCell(m_nSize, x, y, bounds.width, bounds.height, occupancy.Width(),
                         [&](int, int, std::size_t index) { occupancy.CellAt(index) += delta; });
}

void CParticle::RestoreFootprint(int x, int y, int w, int h, const BackgroundGrid& background,
                                 CDrawingSurface& surface) const {
    const GridBounds bounds = GridBounds::Of(w, h, background);
    Restore(*this, x, y, bounds, background, surface.View());
    const SurfaceRect written = RestoredBox(m_nSize, x, y, bounds);
    if (!written.IsEmpty()) {
        surface.Changed(written);
    }
}

void CParticle::DrawFootprint(int x, int y, CDrawingSurface& surface) const {
    const PixelView& pixels = surface.View();
    ForEachFootprintPixel(m_nSize, x, y, 0, 0, 0,
                          [&](int cx, int cy, bool, std::size_t) { pixels.Set(cx, cy, kWhite); });
    const SurfaceRect written = DrawnBox(m_nSize, x, y, pixels);
    if (!written.IsEmpty()) {
        surface.Changed(written);
    }
}

std::int32_t CParticle::ColumnOf(double x, int w) { return TruncateToPixel((x + 1) * 0.5 * w * 2 - 0.5 * w + 0.5); }

std::int32_t CParticle::RowOf(double y, int h) { return TruncateToPixel((y + 1) * 0.5 * h + 0.5); }

void CParticle::Project(int w, int h) {
    m_px = ColumnOf(m_x, w);
    m_py = RowOf(m_y, h);
}

void CParticle::Step(CDrawingSurface& surface, int w, int h, OccupancyGrid& occupancy, const BackgroundGrid& background,
                     RandomSource& random) {
    if (m_bRespawn) {
        Respawn(random);
        m_bRespawn = false;
    }
    m_x = m_x + std::sin(m_y * m_x) * 0.001;
    Project(w, h);

    const PixelView& pixels = surface.View();
    SurfaceRect written = Erase(*this, w, h, occupancy, background, pixels);
    // One report per step: the erase and the draw lie next to each other.
    auto report = [&] {
        if (!written.IsEmpty()) {
            surface.Changed(written);
        }
    };

    const std::int64_t margin = kFootprintReach + 1;
    const std::int64_t right = std::int64_t{w} + margin;
    const std::int64_t bottom = std::int64_t{h} + margin;
    if (m_px < -margin || m_py > bottom || m_px > right) {
        report();
        return;
    }

    if (Bounces(*this, pixels, occupancy)) {
        m_vx = m_vx * -0.5;
        m_vy = m_vy * 0.6;
        m_x = m_prevX + m_vx;
        m_y = m_prevY + m_vy;
        Project(w, h);
    }

    if (m_px > right || m_px < -margin || m_py < -margin) {
        m_bRespawn = true;
        report();
        return;
    }
    // Not changed rows since the last draw: lift it so it shows from the next step on.
    if (m_py == m_drawnY) {
        m_y = m_y - 0.001;
    }
    written = Union(written, DrawCounted(*this, m_px, m_py, w, h, occupancy, pixels));
    m_drawnX = m_px;
    m_drawnY = m_py;
    report();
}

}  // namespace tidewell
