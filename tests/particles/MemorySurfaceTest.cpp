#include <gtest/gtest.h>

#include "particles/DrawingSurface.h"

namespace tidewell {
namespace {

constexpr COLORREF kDark = 0x00102030u;
constexpr COLORREF kRed = MakeColor(255, 0, 0);

TEST(MemorySurface, ReadsOutsideGiveTheInvalidColour) {
    MemorySurface surface(4, 3, kDark);
    EXPECT_EQ(surface.GetPixel(0, 0), kDark);
    EXPECT_EQ(surface.GetPixel(3, 2), kDark);
    EXPECT_EQ(surface.GetPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(surface.GetPixel(4, 0), CLR_INVALID);
    EXPECT_EQ(surface.GetPixel(0, 3), CLR_INVALID);
    EXPECT_EQ(surface.GetPixel(0, -1), CLR_INVALID);
}

TEST(MemorySurface, WritesOutsideAreDropped) {
    MemorySurface surface(4, 3, kDark);
    surface.SetPixel(4, 0, kWhite);
    surface.SetPixel(-1, 2, kWhite);
    surface.SetPixel(0, 3, kWhite);
    for (COLORREF pixel : surface.Pixels()) {
        EXPECT_EQ(pixel, kDark);
    }
    surface.SetPixel(3, 2, kWhite);
    EXPECT_EQ(surface.At(3, 2), kWhite);
}

TEST(MemorySurface, FillRectIsClippedToTheSurface) {
    MemorySurface surface(4, 3, kDark);
    surface.FillRect(SurfaceRect{2, -5, 100, 2}, kRed);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(surface.At(x, y), (x >= 2 && y < 2) ? kRed : kDark) << x << "," << y;
        }
    }
}

TEST(MemorySurface, EmptyOrInvertedRectanglesFillNothing) {
    MemorySurface surface(4, 3, kDark);
    surface.FillRect(SurfaceRect{3, 1, 1, 2}, kRed);
    surface.FillRect(SurfaceRect{1, 1, 1, 3}, kRed);
    surface.FillRect(SurfaceRect{5, 0, 9, 3}, kRed);
    for (COLORREF pixel : surface.Pixels()) {
        EXPECT_EQ(pixel, kDark);
    }
}

TEST(MemorySurface, ZeroOrNegativeSizeHoldsNoPixels) {
    MemorySurface surface(-3, 5);
    EXPECT_EQ(surface.Pixels().size(), 0u);
    EXPECT_EQ(surface.GetPixel(0, 0), CLR_INVALID);
    surface.SetPixel(0, 0, kWhite);
    surface.FillRect(SurfaceRect{0, 0, 5, 5}, kWhite);
}

}  // namespace
}  // namespace tidewell
