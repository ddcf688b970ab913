#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "particles/Color.h"

namespace tidewell {

// m_nWidth x m_nHeight cells stored row after row; cell (x, y) is cell
// number x + y * width. A grid of zero width or height holds no cells.
// A grid's cells may be interleaved with another grid's (see
// MakeInterleavedGrids), so consecutive cells lie Step() cells apart in
// memory; copies are always compact. Cells are 32-bit.
template <typename Cell>
class Grid {
    static_assert(sizeof(Cell) == sizeof(std::uint32_t), "grid cells are 32-bit words");

public:
    Grid() = default;
    Grid(int width, int height, Cell fill = Cell{})
        : m_width(width > 0 && height > 0 ? width : 0), m_height(width > 0 && height > 0 ? height : 0) {
        Allocate(1, 0);
        Fill(fill);
    }
    Grid(const Grid& other) : m_width(other.m_width), m_height(other.m_height) {
        Allocate(1, 0);
        CopyCells(other);
    }
    // Copies the cells; a grid of another size is made anew, compact.
    Grid& operator=(const Grid& other) {
        if (this != &other) {
            if (m_width != other.m_width || m_height != other.m_height) {
                m_width = other.m_width;
                m_height = other.m_height;
                Allocate(1, 0);
            }
            CopyCells(other);
        }
        return *this;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Cell& At(int x, int y) { return CellAt(Index(x, y)); }
    const Cell& At(int x, int y) const { return CellAt(Index(x, y)); }
    // Cell number index, counted row after row.
    Cell& CellAt(std::size_t index) { return m_first[static_cast<std::ptrdiff_t>(index) * m_step]; }
    const Cell& CellAt(std::size_t index) const { return m_first[static_cast<std::ptrdiff_t>(index) * m_step]; }
    std::size_t Size() const { return static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height); }
    // How far apart consecutive cells lie in memory, in cells.
    std::ptrdiff_t Step() const { return m_step; }

    void Fill(Cell value) {
        for (std::size_t i = 0; i < Size(); ++i) {
            CellAt(i) = value;
        }
    }
    bool operator==(const Grid& other) const {
        if (m_width != other.m_width || m_height != other.m_height) {
            return false;
        }
        for (std::size_t i = 0; i < Size(); ++i) {
            if (CellAt(i) != other.CellAt(i)) {
                return false;
            }
        }
        return true;
    }

    template <typename A, typename B>
    friend void MakeInterleavedGrids(int width, int height, Grid<A>& first, Grid<B>& second);

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }
    void Allocate(std::ptrdiff_t step, std::ptrdiff_t offset) {
        m_storage.reset(new std::uint32_t[Size() * static_cast<std::size_t>(step)]());
        Bind(m_storage, step, offset);
    }
    void Bind(const std::shared_ptr<std::uint32_t[]>& storage, std::ptrdiff_t step, std::ptrdiff_t offset) {
        m_storage = storage;
        m_step = step;
        // The words are read as Cell: a 32-bit integer type of either signedness.
        m_first = reinterpret_cast<Cell*>(m_storage.get() + offset);
    }
    void CopyCells(const Grid& other) {
        for (std::size_t i = 0; i < Size(); ++i) {
            CellAt(i) = other.CellAt(i);
        }
    }

    int m_width = 0;
    int m_height = 0;
    std::shared_ptr<std::uint32_t[]> m_storage;
    Cell* m_first = nullptr;
    std::ptrdiff_t m_step = 1;
};

// Two grids of one size whose cells for a pixel lie side by side: a step
// reads and writes both grids around the same pixels, so one cache line
// serves both.
template <typename A, typename B>
void MakeInterleavedGrids(int width, int height, Grid<A>& first, Grid<B>& second) {
    first = Grid<A>();
    second = Grid<B>();
    first.m_width = second.m_width = width > 0 && height > 0 ? width : 0;
    first.m_height = second.m_height = width > 0 && height > 0 ? height : 0;
    first.Allocate(2, 0);
    second.Bind(first.m_storage, 2, 1);
}

// How many footprints cover each pixel; may go below zero.
using OccupancyGrid = Grid<std::int32_t>;
// The colour that belongs under a particle at each pixel.
using BackgroundGrid = Grid<COLORREF>;

}  // namespace tidewell
