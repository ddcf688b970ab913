#pragma once
#include <algorithm>

#include "particles/DrawingSurface.h"
#include "particles/Grid.h"
#include "particles/Particle.h"

namespace tidewell {

// Asks the memory system early for the cells a particle's coming step will
// touch: the rows around where it was last drawn (erase and bounce test) and
// around where its moved position projects (draw). The grids and surface
// are far larger than the caches, so a frame otherwise waits on every first
// touch. Only a hint: nothing is read or written.
class StepPrefetch {
public:
    StepPrefetch(const OccupancyGrid& occupancy, const BackgroundGrid& background, const MemorySurface* surface)
        : m_occupancy(occupancy), m_background(background), m_surface(surface) {}

    void Ahead(const CParticle& particle) const {
        Around(particle.m_drawnX, particle.m_drawnY);
        // A birth is drawn at random in the step itself: nothing to foresee.
        if (particle.m_bRespawn) {
            return;
        }
        const int x = CParticle::ColumnOf(particle.m_x, m_occupancy.Width());
        const int y = CParticle::RowOf(particle.m_y, m_occupancy.Height());
        if (x != particle.m_drawnX || y != particle.m_drawnY) {
            Around(x, y);
        }
    }

private:
    void Around(int x, int y) const {
        Rows(m_occupancy.Data(), m_occupancy.Width(), m_occupancy.Height(), x, y);
        Rows(m_background.Data(), m_background.Width(), m_background.Height(), x, y);
        if (m_surface != nullptr) {
            Rows(m_surface->Pixels().data(), m_surface->Width(), m_surface->Height(), x, y);
        }
    }

    // The footprint's rows with the bounce test's row below, the columns at
    // both ends of each row; a centre far outside clamps to the nearest edge.
    template <typename Cell>
    static void Rows(const Cell* cells, int width, int height, int x, int y) {
        if (width <= 0 || height <= 0) {
            return;
        }
        const int left = std::clamp(x, 2, width + 1) - 2;
        const int right = std::clamp(x, -2, width - 3) + 2;
        const int top = std::clamp(y, 2, height + 1) - 2;
        const int bottom = std::clamp(y, -2, height - 3) + 2;
        for (int row = top; row <= bottom; ++row) {
            const Cell* cell = cells + static_cast<std::ptrdiff_t>(row) * width;
            __builtin_prefetch(cell + left);
            __builtin_prefetch(cell + right);
        }
    }

    const OccupancyGrid& m_occupancy;
    const BackgroundGrid& m_background;
    const MemorySurface* m_surface;
};

}  // namespace tidewell
