#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "particles/Color.h"

namespace tidewell {

// m_nWidth x m_nHeight cells stored row after row; cell (x, y) is at
// x + y * width. A grid of zero width or height holds no cells.
template <typename Cell>
class Grid {
public:
    Grid() = default;
    Grid(int width, int height, Cell fill = Cell{})
        : m_width(width > 0 && height > 0 ? width : 0),
          m_height(width > 0 && height > 0 ? height : 0),
          m_cells(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }
    Cell& At(int x, int y) { return m_cells[Index(x, y)]; }
    const Cell& At(int x, int y) const { return m_cells[Index(x, y)]; }
    Cell* Data() { return m_cells.data(); }
    const Cell* Data() const { return m_cells.data(); }
    std::size_t Size() const { return m_cells.size(); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Cell> m_cells;
};

// How many footprints cover each pixel; may go below zero.
using OccupancyGrid = Grid<std::int32_t>;
// The colour that belongs under a particle at each pixel.
using BackgroundGrid = Grid<COLORREF>;

}  // namespace tidewell
