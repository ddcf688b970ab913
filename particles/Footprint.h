#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace tidewell {

// Size classes as every size test reads m_nSize: 0 behaves as 1, anything
// other than 0, 1 or 2 as 3.
constexpr int SizeClassOf(int nSize) {
    return (nSize == 0 || nSize == 1) ? 1 : (nSize == 2 ? 2 : 3);
}

struct FootprintOffset {
    int dx;
    int dy;
};

// The pixels a particle covers around its centre, row by row from the top,
// left to right within a row. No offset reaches further than 2 pixels.
template <int kSizeClass>
struct FootprintOffsets;

template <>
struct FootprintOffsets<1> {  // a single pixel
    static constexpr FootprintOffset kCells[] = {{0, 0}};
};
template <>
struct FootprintOffsets<2> {  // a plus sign without its centre
    static constexpr FootprintOffset kCells[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
};
template <>
struct FootprintOffsets<3> {  // the 5 x 5 square without its corners and its inner 3 x 3
    static constexpr FootprintOffset kCells[] = {
        {-1, -2}, {0, -2}, {1, -2},  //
        {-2, -1}, {2, -1},           //
        {-2, 0},  {2, 0},            //
        {-2, 1},  {2, 1},            //
        {-1, 2},  {0, 2},  {1, 2}};
};

inline constexpr int kFootprintReach = 2;

// Calls visit(offset) for each offset of a footprint as straight-line code.
template <typename Offsets, typename Visit, std::size_t... kIndex>
void ForEachOffset(Visit&& visit, std::index_sequence<kIndex...>) {
    (visit(Offsets::kCells[kIndex]), ...);
}
template <typename Offsets, typename Visit>
void ForEachOffset(Visit&& visit) {
    ForEachOffset<Offsets>(visit, std::make_index_sequence<std::size(Offsets::kCells)>{});
}

// The footprint's size classes, each with its own fixed offsets, so the
// per-pixel loops unroll.
template <typename Visit>
void ForSizeClass(int nSize, Visit&& visit) {
    switch (SizeClassOf(nSize)) {
        case 1:
            visit(FootprintOffsets<1>{});
            return;
        case 2:
            visit(FootprintOffsets<2>{});
            return;
        default:
            visit(FootprintOffsets<3>{});
            return;
    }
}

// Calls visit(cx, cy, index), index = cx + cy * stride, for every footprint
// pixel of the size class centred at (x, y) that lies within width x height.
template <typename Visit>
void ForEachFootprintCell(int nSize, int x, int y, int width, int height, std::ptrdiff_t stride, Visit&& visit) {
    ForSizeClass(nSize, [&](auto offsets) {
        using Offsets = decltype(offsets);
        const std::int64_t x64 = x;
        const std::int64_t y64 = y;
        if (x64 - kFootprintReach >= 0 && y64 - kFootprintReach >= 0 && x64 + kFootprintReach < width &&
            y64 + kFootprintReach < height) {
            const std::ptrdiff_t centre = static_cast<std::ptrdiff_t>(x) + static_cast<std::ptrdiff_t>(y) * stride;
            ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
                visit(x + offset.dx, y + offset.dy, static_cast<std::size_t>(centre + offset.dx + offset.dy * stride));
            });
            return;
        }
        // Wholly outside: the common case of a particle never drawn yet.
        if (x64 + kFootprintReach < 0 || y64 + kFootprintReach < 0 || x64 - kFootprintReach >= width ||
            y64 - kFootprintReach >= height) {
            return;
        }
        ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
            const std::int64_t cx = x64 + offset.dx;
            const std::int64_t cy = y64 + offset.dy;
            // One unsigned compare per axis: a negative value wraps above any size.
            if (static_cast<std::uint64_t>(cx) < static_cast<std::uint64_t>(width) &&
                static_cast<std::uint64_t>(cy) < static_cast<std::uint64_t>(height)) {
                visit(static_cast<int>(cx), static_cast<int>(cy), static_cast<std::size_t>(cx + cy * stride));
            }
        });
    });
}

// Calls visit(cx, cy) for every footprint pixel of the size class centred at
// (x, y), skipping only those beyond int range, where no surface can be.
template <typename Visit>
void ForEachFootprintPixel(int nSize, int x, int y, Visit&& visit) {
    ForSizeClass(nSize, [&](auto offsets) {
        using Offsets = decltype(offsets);
        constexpr int kLow = std::numeric_limits<int>::min() + kFootprintReach;
        constexpr int kHigh = std::numeric_limits<int>::max() - kFootprintReach;
        const bool nearIntLimits = x < kLow || x > kHigh || y < kLow || y > kHigh;
        ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
            const std::int64_t cx = std::int64_t{x} + offset.dx;
            const std::int64_t cy = std::int64_t{y} + offset.dy;
            if (!nearIntLimits || (cx >= std::numeric_limits<int>::min() && cx <= std::numeric_limits<int>::max() &&
                                   cy >= std::numeric_limits<int>::min() && cy <= std::numeric_limits<int>::max())) {
                visit(static_cast<int>(cx), static_cast<int>(cy));
            }
        });
    });
}

}  // namespace tidewell
