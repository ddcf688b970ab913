#include "particles/Particle.h"

#include <cmath>

#include "particles/Footprint.h"
#include "particles/GridBounds.h"
#include "particles/IntConversions.h"
#include "particles/SurfaceAccess.h"

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

template <typename Access>
void Restore(const CParticle& particle, int x, int y, int w, int h, const BackgroundGrid& background,
             Access& surface) {
    const GridBounds bounds = GridBounds::Of(w, h, background);
    const COLORREF* cells = background.Data();
    ForEachFootprintCell(particle.m_nSize, x, y, bounds.width, bounds.height, background.Width(),
                         [&](int cx, int cy, std::size_t index) { surface.SetPixel(cx, cy, cells[index]); });
}

template <typename Access>
void Draw(const CParticle& particle, int x, int y, Access& surface) {
    ForEachFootprintPixel(particle.m_nSize, x, y, 0, 0, 0,
                          [&](int cx, int cy, bool, std::size_t) { surface.SetPixel(cx, cy, kWhite); });
}

// The step's erase: CountFootprint with -1, then RestoreFootprint, at the
// last drawn position. With both grids of one size each pixel is visited
// once for both; the two passes touch different memory, so the effect is
// the same.
template <typename Access>
void Erase(const CParticle& particle, int w, int h, OccupancyGrid& occupancy, const BackgroundGrid& background,
           Access& surface) {
    const int x = particle.m_drawnX;
    const int y = particle.m_drawnY;
    if (occupancy.Width() != background.Width() || occupancy.Height() != background.Height()) {
        particle.CountFootprint(x, y, -1, w, h, occupancy);
        Restore(particle, x, y, w, h, background, surface);
        return;
    }
    const GridBounds bounds = GridBounds::Of(w, h, occupancy);
    std::int32_t* counts = occupancy.Data();
    const COLORREF* colours = background.Data();
    ForEachFootprintCell(particle.m_nSize, x, y, bounds.width, bounds.height, occupancy.Width(),
                         [&](int cx, int cy, std::size_t index) {
                             --counts[index];
                             surface.SetPixel(cx, cy, colours[index]);
                         });
}

// The step's draw: CountFootprint with +1, then DrawFootprint, in one visit.
template <typename Access>
void DrawCounted(const CParticle& particle, int x, int y, int w, int h, OccupancyGrid& occupancy, Access& surface) {
    const GridBounds bounds = GridBounds::Of(w, h, occupancy);
    std::int32_t* counts = occupancy.Data();
    ForEachFootprintPixel(particle.m_nSize, x, y, bounds.width, bounds.height, occupancy.Width(),
                          [&](int cx, int cy, bool inside, std::size_t index) {
                              if (inside) {
                                  ++counts[index];
                              }
                              surface.SetPixel(cx, cy, kWhite);
                          });
}

// Whether the particle glances off the side of a white area, judged around
// its last drawn position: the pixel on the side it heads for is white, no
// footprint accounts for that white, and the pixel below is not white.
template <typename Access>
bool Bounces(const CParticle& particle, Access& surface, const OccupancyGrid& occupancy) {
    const std::int64_t x = particle.m_drawnX;
    const std::int64_t y = particle.m_drawnY;
    const COLORREF left = surface.GetPixel(ClampToInt(x - 1), ClampToInt(y));
    const COLORREF below = surface.GetPixel(ClampToInt(x), ClampToInt(y + 1));
    const COLORREF right = surface.GetPixel(ClampToInt(x + 1), ClampToInt(y));
    // No footprint is ever counted outside the grid, so such a cell reads 0.
    auto unoccupied = [&occupancy](std::int64_t cx, std::int64_t cy) {
        return !GridBounds::Of(occupancy).Contains(cx, cy) ||
               occupancy.At(static_cast<int>(cx), static_cast<int>(cy)) == 0;
    };
    if (particle.m_vx >= 0 && right == kWhite && unoccupied(x + 1, y) && below != kWhite && below != CLR_INVALID) {
        return true;
    }
    return particle.m_vx < 0 && left == kWhite && unoccupied(x - 1, y) && below != kWhite &&
           below != CLR_INVALID;
}

}  // namespace

void CParticle::CountFootprint(int x, int y, int delta, int w, int h, OccupancyGrid& occupancy) const {
    const GridBounds bounds = GridBounds::Of(w, h, occupancy);
    std::int32_t* cells = occupancy.Data();
    ForEachFootprintCell(m_nSize, x, y, bounds.width, bounds.height, occupancy.Width(),
                         [&](int, int, std::size_t index) { cells[index] += delta; });
}

void CParticle::RestoreFootprint(int x, int y, int w, int h, const BackgroundGrid& background,
                                 CDrawingSurface& surface) const {
    InterfaceAccess access(surface);
    Restore(*this, x, y, w, h, background, access);
}

void CParticle::DrawFootprint(int x, int y, CDrawingSurface& surface) const {
    InterfaceAccess access(surface);
    Draw(*this, x, y, access);
}

std::int32_t CParticle::ColumnOf(double x, int w) { return TruncateToPixel((x + 1) * 0.5 * w * 2 - 0.5 * w + 0.5); }

std::int32_t CParticle::RowOf(double y, int h) { return TruncateToPixel((y + 1) * 0.5 * h + 0.5); }

void CParticle::Project(int w, int h) {
    m_px = ColumnOf(m_x, w);
    m_py = RowOf(m_y, h);
}

void CParticle::Step(CDrawingSurface& surface, int w, int h, OccupancyGrid& occupancy,
                     const BackgroundGrid& background, RandomSource& random) {
    if (MemorySurface* memory = ExactMemorySurface(surface)) {
        MemorySurfaceAccess access(*memory);
        StepWith(access, w, h, occupancy, background, random);
    } else {
        InterfaceAccess access(surface);
        StepWith(access, w, h, occupancy, background, random);
    }
}

template <typename Access>
void CParticle::StepWith(Access& surface, int w, int h, OccupancyGrid& occupancy,
                         const BackgroundGrid& background, RandomSource& random) {
    if (m_bRespawn) {
        Respawn(random);
        m_bRespawn = false;
    }
    m_x = m_x + std::sin(m_y * m_x) * 0.001;
    Project(w, h);

    Erase(*this, w, h, occupancy, background, surface);

    const std::int64_t margin = kFootprintReach + 1;
    const std::int64_t right = std::int64_t{w} + margin;
    const std::int64_t bottom = std::int64_t{h} + margin;
    if (m_px < -margin || m_py > bottom || m_px > right) {
        return;
    }

    if (Bounces(*this, surface, occupancy)) {
        m_vx = m_vx * -0.5;
        m_vy = m_vy * 0.6;
        m_x = m_prevX + m_vx;
        m_y = m_prevY + m_vy;
        Project(w, h);
    }

    if (m_px > right || m_px < -margin || m_py < -margin) {
        m_bRespawn = true;
        return;
    }
    // Not changed rows since the last draw: lift it so it shows from the next step on.
    if (m_py == m_drawnY) {
        m_y = m_y - 0.001;
    }
    DrawCounted(*this, m_px, m_py, w, h, occupancy, surface);
    m_drawnX = m_px;
    m_drawnY = m_py;
}

template void CParticle::StepWith(InterfaceAccess&, int, int, OccupancyGrid&, const BackgroundGrid&, RandomSource&);
template void CParticle::StepWith(MemorySurfaceAccess&, int, int, OccupancyGrid&, const BackgroundGrid&,
                                  RandomSource&);

}  // namespace tidewell
