#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>

#include "particles/IntConversions.h"

namespace tidewell {

// Size classes as every size test reads m_nSize: 0 behaves as 1, anything
// other than 0, 1 or 2 as 3.
constexpr int SizeClassOf(int nSize) { return (nSize == 0 || nSize == 1) ? 1 : (nSize == 2 ? 2 : 3); }

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
    static constexpr FootprintOffset kCells[] = {{-1, -2}, {0, -2}, {1, -2},  //
                                                 {-2, -1}, {2, -1},           //
                                                 {-2, 0},  {2, 0},            //
                                                 {-2, 1},  {2, 1},            //
                                                 {-1, 2},  {0, 2},  {1, 2}};
};

inline constexpr int kFootprintReach = 2;

namespace footprint_detail {

// visit(offset) for each offset of a footprint, as straight-line code.
template <typename Offsets, typename Visit, std::size_t... kIndex>
void ForEachOffset(Visit&& visit, std::index_sequence<kIndex...>) {
    (visit(Offsets::kCells[kIndex]), ...);
}
template <typename Offsets, typename Visit>
void ForEachOffset(Visit&& visit) {
    ForEachOffset<Offsets>(visit, std::make_index_sequence<std::size(Offsets::kCells)>{});
}

// visit(FootprintOffsets<class>{}) for the size class of nSize.
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

// Where a footprint centred at (x, y) lies against a width x height area.
enum class Placement { kInside, kOutside, kPartly };

inline Placement PlacementOf(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    if (x - kFootprintReach >= 0 && y - kFootprintReach >= 0 && x + kFootprintReach < width &&
        y + kFootprintReach < height) {
        return Placement::kInside;
    }
    if (x + kFootprintReach < 0 || y + kFootprintReach < 0 || x - kFootprintReach >= width ||
        y - kFootprintReach >= height) {
        return Placement::kOutside;
    }
    return Placement::kPartly;
}

}  // namespace footprint_detail

namespace footprint_detail {

// visit(cx, cy, index) for a footprint wholly within the area.
template <typename Offsets, typename Visit>
void ForEachInside(int x, int y, std::ptrdiff_t stride, Visit&& visit) {
    const std::ptrdiff_t centre = static_cast<std::ptrdiff_t>(x) + static_cast<std::ptrdiff_t>(y) * stride;
    ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
        visit(x + offset.dx, y + offset.dy, static_cast<std::size_t>(centre + offset.dx + offset.dy * stride));
    });
}

// One unsigned compare per axis: a negative value wraps above any size.
inline bool Within(std::int64_t cx, std::int64_t cy, int width, int height) {
    return static_cast<std::uint64_t>(cx) < static_cast<std::uint64_t>(width) &&
           static_cast<std::uint64_t>(cy) < static_cast<std::uint64_t>(height);
}

}  // namespace footprint_detail

// Calls visit(cx, cy, index), index = cx + cy * stride, for the footprint
// pixels of the size class centred at (x, y) that lie within width x height,
// in the footprint's order. A footprint wholly outside, the common case of a
// particle never drawn yet, costs next to nothing.
template <typename Visit>
void ForEachFootprintCell(int nSize, int x, int y, int width, int height, std::ptrdiff_t stride, Visit&& visit) {
    using namespace footprint_detail;
    const Placement placement = PlacementOf(x, y, width, height);
    if (placement == Placement::kOutside) {
        return;
    }
    ForSizeClass(nSize, [&](auto offsets) {
        using Offsets = decltype(offsets);
        if (placement == Placement::kInside) {
            ForEachInside<Offsets>(x, y, stride, visit);
            return;
        }
        ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
            const std::int64_t cx = std::int64_t{x} + offset.dx;
            const std::int64_t cy = std::int64_t{y} + offset.dy;
            if (Within(cx, cy, width, height)) {
                visit(static_cast<int>(cx), static_cast<int>(cy), static_cast<std::size_t>(cx + cy * stride));
            }
        });
    });
}

// Calls visit(cx, cy, inside, index) for every footprint pixel, inside or
// not: inside tells whether it lies within width x height, and index is
// meaningful only then. Pixels beyond int range, where no surface can be,
// are skipped.
template <typename Visit>
void ForEachFootprintPixel(int nSize, int x, int y, int width, int height, std::ptrdiff_t stride, Visit&& visit) {
    using namespace footprint_detail;
    const Placement placement = PlacementOf(x, y, width, height);
    ForSizeClass(nSize, [&](auto offsets) {
        using Offsets = decltype(offsets);
        if (placement == Placement::kInside) {
            ForEachInside<Offsets>(x, y, stride,
                                   [&](int cx, int cy, std::size_t index) { visit(cx, cy, true, index); });
            return;
        }
        ForEachOffset<Offsets>([&](const FootprintOffset& offset) {
            const std::int64_t cx = std::int64_t{x} + offset.dx;
            const std::int64_t cy = std::int64_t{y} + offset.dy;
            if (FitsInt(cx) && FitsInt(cy)) {
                const bool inside = placement == Placement::kPartly && Within(cx, cy, width, height);
                visit(static_cast<int>(cx), static_cast<int>(cy), inside,
                      inside ? static_cast<std::size_t>(cx + cy * stride) : std::size_t{0});
            }
        });
    });
}

}  // namespace tidewell
