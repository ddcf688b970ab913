#pragma once
#include <cstdint>

#include "particles/DrawingSurface.h"
#include "particles/Grid.h"
#include "particles/Random.h"
#include "particles/TickSource.h"

namespace tidewell {

// One small white figure rising through the field. Positions are normalised:
// x is 0 at the centre and +-0.5 at the side edges, y runs from -1 (top) to
// +1 (bottom). Velocities are in normalised units per 25 ms.
class CParticle {
public:
    static constexpr std::uint32_t kNotMoved = 0xFFFFFFFFu;

    // Draws the size class from random (one rand()).
    explicit CParticle(RandomSource& random);

    // Draws m_vx then m_vy from the size class and m_nSpeed (two rand()).
    void RandomizeVelocity(RandomSource& random);
    void SetSpeed(int speed, RandomSource& random);
    // Time-based move, acceleration and edge respawn; reads ticks three times.
    void Move(CTickSource& ticks, RandomSource& random);
    // New birth below the bottom edge (x fraction first, then the velocity).
    void Respawn(RandomSource& random);

    void CountFootprint(int x, int y, int delta, int w, int h, OccupancyGrid& occupancy) const;
    void RestoreFootprint(int x, int y, int w, int h, const BackgroundGrid& background, CDrawingSurface& surface) const;
    void DrawFootprint(int x, int y, CDrawingSurface& surface) const;

    // Erase, bounce, draw: the per-frame work on the surface.
    void Step(CDrawingSurface& surface, int w, int h, OccupancyGrid& occupancy, const BackgroundGrid& background,
              RandomSource& random);

    // m_px, m_py from the position for a w x h field.
    void Project(int w, int h);
    static std::int32_t ColumnOf(double x, int w);
    static std::int32_t RowOf(double y, int h);

    double m_x;
    double m_y;
    double m_prevX;
    double m_prevY;
    std::int32_t m_px;
    std::int32_t m_py;
    std::int32_t m_drawnX;
    std::int32_t m_drawnY;
    bool m_bRespawn;
    std::int32_t m_nSize;
    std::int32_t m_nSpeed;
    std::uint32_t m_dwLastTick;  // 0xFFFFFFFF: not moved yet
    double m_vx;
    double m_vy;
};

}  // namespace tidewell
