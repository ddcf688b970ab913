#pragma once
#include <cstddef>
#include <cstdint>

#include "particles/DrawingSurface.h"
#include "particles/Footprint.h"
#include "particles/Grid.h"
#include "particles/Particle.h"

namespace tidewell {

// Asks the memory system early for what a particle's coming step reads
// first: the background rows around where it was last drawn (the erase
// reads them; nothing else has touched them since the particle got there)
// and, when it has moved to other rows, the occupancy and pixel rows around
// where its moved position projects (the draw). Fast particles land on
// fresh rows every frame, and the arrays are far larger than the caches.
// Only a hint: nothing is read or written.
class StepPrefetch {
public:
    StepPrefetch(const OccupancyGrid& occupancy, const BackgroundGrid& background, const MemorySurface* surface)
        : m_occupancy(occupancy),
          m_background(SameSize(background) ? background.Data() : nullptr),
          m_pixels(surface != nullptr && surface->Width() == occupancy.Width() &&
                           surface->Height() == occupancy.Height()
                       ? surface->Pixels().data()
                       : nullptr) {}

    // Kept inline: a call that only prefetches counts as free of effects and
    // would be dropped.
    [[gnu::always_inline]] void Ahead(const CParticle& particle, int w, int h) const {
        std::size_t first = 0;
        if (m_background != nullptr && TopLeftIndex(particle.m_drawnX, particle.m_drawnY, first)) {
            Rows(m_background + first, false);
        }
        if (particle.m_bRespawn) {
            return;
        }
        // A birth is placed by the step itself; a bounce moves it back only a little.
        const std::int32_t row = CParticle::RowOf(particle.m_y, h);
        if (row != particle.m_drawnY && TopLeftIndex(CParticle::ColumnOf(particle.m_x, w), row, first)) {
            Rows(m_occupancy.Data() + first, true);
            if (m_pixels != nullptr) {
                Rows(m_pixels + first, true);
            }
        }
    }

private:
    template <typename Cell>
    bool SameSize(const Grid<Cell>& grid) const {
        return grid.Width() == m_occupancy.Width() && grid.Height() == m_occupancy.Height();
    }

    // The index of the footprint's top left cell, when the whole footprint
    // around (x, y) lies within the grid.
    [[gnu::always_inline]] bool TopLeftIndex(std::int64_t x, std::int64_t y, std::size_t& index) const {
        const std::int64_t left = x - kFootprintReach;
        const std::int64_t top = y - kFootprintReach;
        if (left < 0 || top < 0 || x + kFootprintReach >= m_occupancy.Width() ||
            y + kFootprintReach >= m_occupancy.Height()) {
            return false;
        }
        index = static_cast<std::size_t>(left) + static_cast<std::size_t>(top) * Stride();
        return true;
    }

    std::size_t Stride() const { return static_cast<std::size_t>(m_occupancy.Width()); }

    // Both ends of each footprint row, which may lie in two cache lines.
    template <typename Cell>
    [[gnu::always_inline]] void Rows(const Cell* topLeft, bool written) const {
        for (int row = 0; row <= 2 * kFootprintReach; ++row) {
            const Cell* cells = topLeft + static_cast<std::size_t>(row) * Stride();
            if (written) {
                __builtin_prefetch(cells, 1);
                __builtin_prefetch(cells + 2 * kFootprintReach, 1);
            } else {
                __builtin_prefetch(cells);
                __builtin_prefetch(cells + 2 * kFootprintReach);
            }
        }
    }

    const OccupancyGrid& m_occupancy;
    const COLORREF* m_background;
    const COLORREF* m_pixels;
};

}  // namespace tidewell
