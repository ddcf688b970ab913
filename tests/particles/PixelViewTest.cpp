// Direct pixel access as every surface gives it: COLORREF in and out, the
// stored order the surface's own, and nothing read or written outside.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "particles/DrawingSurface.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00102030u;
constexpr COLORREF kRed = MakeColor(255, 0, 0);

struct Layout {
    const char* name;
    PixelOrder order;
    std::uint32_t storedRed;  // kRed as the memory holds it
};

const Layout kLayouts[] = {
    {"COLORREF words", PixelOrder::kColorRef, 0x000000FFu},
    {"0x00RRGGBB words", PixelOrder::kRgbWord, 0x00FF0000u},
};

TEST(PixelView, ConvertsInsideAndNeverTouchesOutside) {
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        // A 6 x 5 memory whose readable part is columns 1..4 and rows 1..3, as
        // a paint's clip inside a larger client.
        std::vector<std::uint32_t> words(30, 0x00ABCDEFu);
        const PixelView view(&words[1 + 1 * 6], 6, SurfaceRect{1, 1, 5, 4}, layout.order);
        auto at = [&](int x, int y) { return words[static_cast<std::size_t>(x + y * 6)]; };
        view.Set(2, 2, kRed);
        EXPECT_EQ(at(2, 2), layout.storedRed);
        EXPECT_EQ(view.Get(2, 2), kRed);
        EXPECT_EQ(view.Get(4, 3), layout.order == PixelOrder::kColorRef ? 0x00ABCDEFu : 0x00EFCDABu);
        const int outside[][2] = {{0, 1}, {5, 1}, {1, 0}, {1, 4}, {-1, -1}, {INT32_MIN, 2}, {2, INT32_MAX}};
        for (const auto& point : outside) {
            EXPECT_EQ(view.Get(point[0], point[1]), CLR_INVALID) << point[0] << "," << point[1];
            view.Set(point[0], point[1], kRed);
        }
        view.Fill(SurfaceRect{-10, 2, 100, 100}, kWhite);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const bool filled = x >= 1 && x <= 4 && y >= 2 && y <= 3;
                const std::uint32_t expected = filled ? kWhite : (x == 2 && y == 2) ? layout.storedRed : 0x00ABCDEFu;
                EXPECT_EQ(at(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(PixelView, AnEmptyOrInvertedPartReadsNothing) {
    std::uint32_t word = 7;
    const SurfaceRect parts[] = {{0, 0, 0, 1}, {3, 1, 1, 2}, {0, 0, 1, -1}};
    for (const SurfaceRect& part : parts) {
        const PixelView view(&word, 1, part, PixelOrder::kColorRef);
        EXPECT_EQ(view.Get(0, 0), CLR_INVALID);
        view.Set(0, 0, kRed);
        view.Fill(SurfaceRect{-5, -5, 5, 5}, kRed);
        EXPECT_EQ(word, 7u);
    }
    EXPECT_EQ(PixelView().Get(0, 0), CLR_INVALID);
}

TEST(MemorySurface, IsItsOwnViewAlsoWhenCopied) {
    MemorySurface surface(4, 3, kDark);
    surface.FillRect(SurfaceRect{2, -5, 100, 2}, kRed);
    MemorySurface copy(surface);
    copy.SetPixel(0, 2, kWhite);
    EXPECT_EQ(surface.GetPixel(0, 2), kDark);
    EXPECT_EQ(copy.GetPixel(0, 2), kWhite);
    EXPECT_EQ(copy.GetPixel(3, 0), kRed);
    EXPECT_EQ(copy.GetPixel(1, 0), kDark);
    EXPECT_EQ(copy.GetPixel(4, 0), CLR_INVALID);
    EXPECT_EQ(MemorySurface(-3, 5).GetPixel(0, 0), CLR_INVALID);
}

}  // namespace
}  // namespace tidewell
