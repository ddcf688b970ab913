#pragma once
#include <cstddef>

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
struct Footprint {
    const FootprintOffset* offsets;
    std::size_t count;

    const FootprintOffset* begin() const { return offsets; }
    const FootprintOffset* end() const { return offsets + count; }
};

namespace footprint_detail {
// A single pixel.
inline constexpr FootprintOffset kSmall[] = {{0, 0}};
// A plus sign without its centre.
inline constexpr FootprintOffset kMiddle[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
// The 5 x 5 square without its corners and its inner 3 x 3: a ring of radius 2.
inline constexpr FootprintOffset kLarge[] = {
    {-1, -2}, {0, -2}, {1, -2},  //
    {-2, -1}, {2, -1},           //
    {-2, 0},  {2, 0},            //
    {-2, 1},  {2, 1},            //
    {-1, 2},  {0, 2},  {1, 2}};
}  // namespace footprint_detail

inline constexpr int kFootprintReach = 2;

constexpr Footprint FootprintOf(int nSize) {
    using namespace footprint_detail;
    switch (SizeClassOf(nSize)) {
        case 1:
            return {kSmall, sizeof(kSmall) / sizeof(kSmall[0])};
        case 2:
            return {kMiddle, sizeof(kMiddle) / sizeof(kMiddle[0])};
        default:
            return {kLarge, sizeof(kLarge) / sizeof(kLarge[0])};
    }
}

}  // namespace tidewell
