#pragma once
#include <algorithm>
#include <cstdint>

#include "particles/Grid.h"

namespace tidewell {

// The cells an operation given a size (w, h) may touch in a grid: those
// inside both the size and the grid's own allocation, so a size that
// disagrees with the grid can never reach past it.
struct GridBounds {
    int width;
    int height;

    template <typename Cell>
    static GridBounds Of(int w, int h, const Grid<Cell>& grid) {
        return {std::max(0, std::min(w, grid.Width())), std::max(0, std::min(h, grid.Height()))};
    }
    template <typename Cell>
    static GridBounds Of(const Grid<Cell>& grid) {
        return {grid.Width(), grid.Height()};
    }

    bool Contains(std::int64_t x, std::int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace tidewell
