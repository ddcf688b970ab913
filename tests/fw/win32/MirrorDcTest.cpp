// Client and paint DCs over the window's in-memory mirror: reads give what
// the window shows, and what was drawn reaches the real window.
#include <gtest/gtest.h>

#include "tests/fw/win32/CallbackWnd.h"
#include "tests/fw/win32/ScreenReader.h"

namespace fw::test {
namespace {

constexpr int kLeft = 100;
constexpr int kTop = 80;
constexpr int kWidth = 64;
constexpr int kHeight = 48;

class MirrorDcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetPlatform();
        ASSERT_TRUE(m_wnd.CreatePopup(kLeft, kTop, kWidth, kHeight));
        m_wnd.m_onPaint = [](CallbackWnd& w) { CPaintDC dc(&w); };
        PumpUntilIdle();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        ResetPlatform();
    }

    void DrawPattern() {
        CClientDC dc(&m_wnd);
        DrawTestPattern(dc, kWidth, kHeight);
    }
    // Drawing straight on the window, behind the framework's back.
    void BlackenBehindTheFrameworksBack() {
        ::HWND hWnd = win32::ToWin(m_wnd.m_hWnd);
        ::HDC real = ::GetDC(hWnd);
        ::PatBlt(real, 0, 0, kWidth, kHeight, BLACKNESS);
        ::ReleaseDC(hWnd, real);
    }
    static ::RECT ScreenRect() { return ::RECT{kLeft, kTop, kLeft + kWidth, kTop + kHeight}; }

    CallbackWnd m_wnd;
};

TEST_F(MirrorDcTest, ReadsGiveWhatWasWrittenAlsoThroughALaterContext) {
    {
        CClientDC dc(&m_wnd);
        EXPECT_TRUE(dc.SetPixelV(5, 6, RGB(1, 2, 3)));
        EXPECT_EQ(dc.GetPixel(5, 6), RGB(1, 2, 3));
        CBrush brush(RGB(200, 100, 50));
        RECT rect;
        rect.left = 60;
        rect.top = 40;
        rect.right = 90;  // beyond the client: cut off there
        rect.bottom = 90;
        dc.FillRect(&rect, &brush);
    }
    CClientDC dc(&m_wnd);
    EXPECT_EQ(dc.GetPixel(5, 6), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(60, 40), RGB(200, 100, 50));
    EXPECT_EQ(dc.GetPixel(63, 47), RGB(200, 100, 50));
    EXPECT_NE(dc.GetPixel(59, 40), RGB(200, 100, 50));
}

TEST_F(MirrorDcTest, OutsideTheClientAreaReadsAreInvalidAndWritesDropped) {
    CClientDC dc(&m_wnd);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {kWidth, 0}, {0, kHeight}, {kWidth + 500, kHeight + 500}}) {
        EXPECT_EQ(dc.GetPixel(x, y), CLR_INVALID) << x << "," << y;
        EXPECT_FALSE(dc.SetPixelV(x, y, RGB(9, 9, 9))) << x << "," << y;
    }
    EXPECT_NE(dc.GetPixel(kWidth - 1, kHeight - 1), CLR_INVALID);
}

TEST_F(MirrorDcTest, APartialRepaintReadsAndWritesOnlyInsideItsClip) {
    {
        CClientDC dc(&m_wnd);
        CBrush grey(RGB(10, 10, 10));
        RECT all;
        all.right = kWidth;
        all.bottom = kHeight;
        dc.FillRect(&all, &grey);
    }
    RECT painted;
    COLORREF inside = 0;
    COLORREF outside = 0;
    BOOL wroteOutside = TRUE;
    BOOL wroteInside = FALSE;
    m_wnd.m_onPaint = [&](CallbackWnd& w) {
        CPaintDC dc(&w);
        painted = dc.m_ps.rcPaint;
        inside = dc.GetPixel(15, 15);
        outside = dc.GetPixel(5, 5);
        wroteOutside = dc.SetPixelV(5, 5, RGB(255, 255, 255));
        wroteInside = dc.SetPixelV(12, 12, RGB(255, 0, 0));
    };
    ::RECT part{10, 10, 20, 20};
    ::InvalidateRect(win32::ToWin(m_wnd.m_hWnd), &part, FALSE);
    ::UpdateWindow(win32::ToWin(m_wnd.m_hWnd));
    EXPECT_EQ(painted.left, 10);
    EXPECT_EQ(painted.top, 10);
    EXPECT_EQ(painted.right, 20);
    EXPECT_EQ(painted.bottom, 20);
    EXPECT_EQ(inside, RGB(10, 10, 10));
    EXPECT_EQ(outside, CLR_INVALID);
    EXPECT_FALSE(wroteOutside);
    EXPECT_TRUE(wroteInside);
    CClientDC dc(&m_wnd);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(10, 10, 10));
    EXPECT_EQ(dc.GetPixel(12, 12), RGB(255, 0, 0));
}

TEST_F(MirrorDcTest, AContextCopiesOnlyWhatItChanged) {
    DrawPattern();
    // A copy of more than what changed would show the pattern again.
    BlackenBehindTheFrameworksBack();
    {
        CClientDC dc(&m_wnd);
        dc.SetPixelV(3, 4, RGB(255, 0, 0));
        // Straight into the context's memory, as a frame draws.
        dc.Pixels().Set(50, 40, RGB(1, 2, 3));
        dc.MarkChanged(RECT{50, 40, 51, 41});
    }
    const auto expected = Picture(kWidth, kHeight, [](int x, int y) {
        return x == 3 && y == 4 ? RGB(255, 0, 0) : x == 50 && y == 40 ? RGB(1, 2, 3) : RGB(0, 0, 0);
    });
    EXPECT_TRUE(ScreenShows(ScreenRect(), expected))
        << Differences(ReadScreen(ScreenRect()), expected) << " pixels differ";
}

TEST_F(MirrorDcTest, WhatWasDrawnShowsAndAnInvalidatedAreaShowsItAgain) {
    DrawPattern();
    const auto expected = Picture(kWidth, kHeight, TestPattern);
    // What was drawn is what the screen shows and the context reads, pixel for pixel.
    EXPECT_TRUE(ScreenShows(ScreenRect(), expected))
        << Differences(ReadScreen(ScreenRect()), expected) << " pixels differ";
    {
        CClientDC dc(&m_wnd);
        EXPECT_EQ(Picture(kWidth, kHeight, [&](int x, int y) { return dc.GetPixel(x, y); }), expected);
    }
    BlackenBehindTheFrameworksBack();
    ASSERT_TRUE(ScreenShows(ScreenRect(), std::vector<COLORREF>(expected.size(), RGB(0, 0, 0))));
    m_wnd.Invalidate(FALSE);
    EXPECT_TRUE(ScreenShows(ScreenRect(), expected))
        << Differences(ReadScreen(ScreenRect()), expected) << " pixels differ";
}

}  // namespace
}  // namespace fw::test
