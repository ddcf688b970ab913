// Client and paint DCs over the window's in-memory mirror: reads give what
// the window shows, and what was drawn reaches the real window.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fw/win32/DibSection.h"
#include "tests/fw/win32/CallbackWnd.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

constexpr int kLeft = 100;
constexpr int kTop = 80;
constexpr int kWidth = 64;
constexpr int kHeight = 48;

using Pixels = std::vector<COLORREF>;

Pixels Picture(const std::function<COLORREF(int, int)>& colour) {
    Pixels pixels;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            pixels.push_back(colour(x, y));
        }
    }
    return pixels;
}

// The window's rectangle of the screen, read the way the window system's own
// capture does (screen DC, one BitBlt).
Pixels ReadScreen() {
    win32::DibSection dib(kWidth, kHeight);
    ::HDC screen = ::GetDC(nullptr);
    dib.CopyFrom(screen, kLeft, kTop);
    ::ReleaseDC(nullptr, screen);
    return Picture([&](int x, int y) { return win32::DibSection::ToColorRef(dib.Row(y)[x]); });
}

// The window system shows drawing a little later than it is done.
bool ScreenShows(const Pixels& expected) {
    return PumpUntil([&] { return ReadScreen() == expected; }, 3000);
}

// A picture whose every pixel differs from its neighbours.
COLORREF TestPattern(int x, int y) {
    return RGB(static_cast<unsigned>(x * 7 + 3), static_cast<unsigned>(y * 11 + 5),
               static_cast<unsigned>((x + y) * 13 + 1));
}

class MirrorDcTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(m_wnd.CreatePopup(kLeft, kTop, kWidth, kHeight));
        m_wnd.m_onPaint = [](CallbackWnd& w) { CPaintDC dc(&w); };
        PumpUntilIdle();
    }

    void Fill(COLORREF colour, RECT rect = RECT{0, 0, kWidth, kHeight}) {
        CClientDC dc(&m_wnd);
        CBrush brush(colour);
        dc.FillRect(&rect, &brush);
    }
    // Drawing straight on the window, behind the framework's back.
    void BlackenBehindTheFrameworksBack() {
        ::HWND hWnd = win32::ToWin(m_wnd.m_hWnd);
        ::HDC real = ::GetDC(hWnd);
        ::PatBlt(real, 0, 0, kWidth, kHeight, BLACKNESS);
        ::ReleaseDC(hWnd, real);
    }

    CallbackWnd m_wnd;
};

TEST_F(MirrorDcTest, OutsideTheClientAreaReadsAreInvalidAndWritesDropped) {
    Fill(RGB(200, 100, 50), RECT{60, 40, 90, 90});  // beyond the client: cut off there
    CClientDC dc(&m_wnd);
    EXPECT_EQ(dc.GetPixel(63, 47), RGB(200, 100, 50));
    EXPECT_NE(dc.GetPixel(59, 40), RGB(200, 100, 50));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {kWidth, 0}, {0, kHeight}, {kWidth + 500, kHeight + 500}}) {
        EXPECT_EQ(dc.GetPixel(x, y), CLR_INVALID) << x << "," << y;
        EXPECT_FALSE(dc.SetPixelV(x, y, RGB(9, 9, 9))) << x << "," << y;
    }
}

TEST_F(MirrorDcTest, APartialRepaintReadsAndWritesOnlyInsideItsClip) {
    Fill(RGB(10, 10, 10));
    // The paint area, then what the handler read and wrote inside and outside it.
    std::vector<long long> seen;
    m_wnd.m_onPaint = [&](CallbackWnd& w) {
        CPaintDC dc(&w);
        const RECT& area = dc.m_ps.rcPaint;
        seen = {area.left, area.top, area.right, area.bottom, dc.GetPixel(15, 15), dc.GetPixel(5, 5)};
        seen.push_back(dc.SetPixelV(5, 5, RGB(255, 255, 255)));
        seen.push_back(dc.SetPixelV(12, 12, RGB(255, 0, 0)));
    };
    ::RECT part{10, 10, 20, 20};
    ::InvalidateRect(win32::ToWin(m_wnd.m_hWnd), &part, FALSE);
    ::UpdateWindow(win32::ToWin(m_wnd.m_hWnd));
    EXPECT_EQ(seen, (std::vector<long long>{10, 10, 20, 20, RGB(10, 10, 10), CLR_INVALID, FALSE, TRUE}));
    CClientDC dc(&m_wnd);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(10, 10, 10));
    EXPECT_EQ(dc.GetPixel(12, 12), RGB(255, 0, 0));
}

TEST_F(MirrorDcTest, AContextCopiesOnlyWhatItChanged) {
    Fill(RGB(255, 255, 255));
    // A copy of more than what changed would show white again.
    BlackenBehindTheFrameworksBack();
    {
        CClientDC dc(&m_wnd);
        dc.SetPixelV(3, 4, RGB(255, 0, 0));
        // Straight into the context's memory, as a frame draws.
        dc.Pixels().Set(50, 40, RGB(1, 2, 3));
        dc.MarkChanged(RECT{50, 40, 51, 41});
    }
    EXPECT_TRUE(ScreenShows(Picture([](int x, int y) {
        return x == 3 && y == 4 ? RGB(255, 0, 0) : x == 50 && y == 40 ? RGB(1, 2, 3) : RGB(0, 0, 0);
    })));
}

TEST_F(MirrorDcTest, WhatWasDrawnShowsAndReadsBackAndAnInvalidatedAreaShowsItAgain) {
    {
        CClientDC dc(&m_wnd);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                dc.SetPixelV(x, y, TestPattern(x, y));
            }
        }
    }
    const Pixels expected = Picture(TestPattern);
    // Pixel for pixel on the screen, and through a later context.
    EXPECT_TRUE(ScreenShows(expected));
    {
        CClientDC dc(&m_wnd);
        EXPECT_EQ(Picture([&](int x, int y) { return dc.GetPixel(x, y); }), expected);
    }
    BlackenBehindTheFrameworksBack();
    ASSERT_TRUE(ScreenShows(Pixels(expected.size(), RGB(0, 0, 0))));
    m_wnd.Invalidate(FALSE);
    EXPECT_TRUE(ScreenShows(expected));
}

}  // namespace
}  // namespace fw::test
