#pragma once
#include <algorithm>

#include "particles/DrawingSurface.h"
#include "particles/Grid.h"
#include "particles/Particle.h"

namespace tidewell {

// Asks the memory system early for the cells a particle's coming step will
// touch: the rows around where it was last drawn (erase and bounce test) and
// up to where its moved position projects (draw). The grids and surface
// are far larger than the caches, so a frame otherwise waits on every first
// touch. Only a hint: nothing is read or written.
class StepPrefetch {
public:
    StepPrefetch(const OccupancyGrid& occupancy, const BackgroundGrid& background, const MemorySurface* surface)
        : m_occupancy(occupancy), m_background(background), m_surface(surface) {}

    void Ahead(const CParticle& particle) const {
        // Sideways a particle moves far less than a pixel per frame; upward
        // it may move many rows, and its moved position projects to the row
        // it will be drawn at. A birth is placed in the step itself.
        int top = particle.m_drawnY;
        int bottom = particle.m_drawnY;
        if (!particle.m_bRespawn) {
            const int row = CParticle::RowOf(particle.m_y, m_occupancy.Height());
            if (row >= particle.m_drawnY - kMaxRowsBetween && row < particle.m_drawnY) {
                top = row;
            }
        }
        Rows(m_occupancy.Data(), m_occupancy.Width(), m_occupancy.Height(), particle.m_drawnX, top, bottom);
        Rows(m_background.Data(), m_background.Width(), m_background.Height(), particle.m_drawnX, top, bottom);
        if (m_surface != nullptr) {
            Rows(m_surface->Pixels().data(), m_surface->Width(), m_surface->Height(), particle.m_drawnX, top, bottom);
        }
    }

private:
    // Rows further apart are not worth the requests in between.
    static constexpr int kMaxRowsBetween = 8;

    // The rows of footprints centred on column x from row top to row bottom,
    // with the bounce test's row below; the columns at both ends of each row.
    // Centres outside clamp to the nearest edge.
    template <typename Cell>
    static void Rows(const Cell* cells, int width, int height, int x, int top, int bottom) {
        if (width <= 0 || height <= 0) {
            return;
        }
        const int left = std::clamp(x, 2, width + 1) - 2;
        const int right = std::clamp(x, -2, width - 3) + 2;
        const int first = std::clamp(top, 2, height + 1) - 2;
        const int last = std::clamp(bottom, -2, height - 3) + 2;
        for (int row = first; row <= last; ++row) {
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
