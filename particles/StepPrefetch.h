#pragma once
#include <cstddef>
#include <cstdint>

#include "particles/Footprint.h"
#include "particles/Grid.h"
#include "particles/Particle.h"
#include "particles/PixelView.h"

namespace tidewell {

// Asks the memory system early for what a particle's coming step touches
// first: the grid cells and pixels around where it was last drawn (the
// erase) and, when it has moved to other rows, around where its moved
// position projects (the draw). Particles land anywhere on a screen far
// larger than the caches. Only a hint: nothing is read or written.
class StepPrefetch {
public:
    StepPrefetch(const OccupancyGrid& occupancy, const PixelView& pixels) : m_occupancy(occupancy), m_pixels(pixels) {}

    // Kept inline: a call that only prefetches counts as free of effects and
    // would be dropped.
    [[gnu::always_inline]] void Ahead(const CParticle& particle, int w, int h) const {
        Around(particle.m_drawnX, particle.m_drawnY);
        if (particle.m_bRespawn) {
            return;
        }
        // A birth is placed by the step itself; a bounce moves it back only a little.
        const std::int32_t row = CParticle::RowOf(particle.m_y, h);
        if (row != particle.m_drawnY) {
            Around(CParticle::ColumnOf(particle.m_x, w), row);
        }
    }

private:
    [[gnu::always_inline]] void Around(std::int64_t x, std::int64_t y) const {
        const std::int64_t left = x - kFootprintReach;
        const std::int64_t top = y - kFootprintReach;
        if (left < 0 || top < 0 || x + kFootprintReach >= m_occupancy.Width() ||
            y + kFootprintReach >= m_occupancy.Height()) {
            return;
        }
        const auto column = static_cast<int>(left);
        const auto row = static_cast<int>(top);
        Rows(&m_occupancy.At(column, row), m_occupancy.Width() * m_occupancy.Step());
        if (const std::uint32_t* pixel = m_pixels.AddressOf(column, row)) {
            Rows(pixel, m_pixels.Stride());
        }
    }

    // Both ends of each footprint row, which may lie in two cache lines.
    template <typename Cell>
    [[gnu::always_inline]] static void Rows(const Cell* topLeft, std::ptrdiff_t stride) {
        for (int row = 0; row <= 2 * kFootprintReach; ++row) {
            const Cell* cells = topLeft + row * stride;
            __builtin_prefetch(cells, 1);
            __builtin_prefetch(cells + 2 * kFootprintReach, 1);
        }
    }

    const OccupancyGrid& m_occupancy;
    const PixelView& m_pixels;
};

}  // namespace tidewell
