#pragma once
// What the screen shows, read the way the window system's own capture does
// (screen DC, one BitBlt), for checking what windows put there.
#include <functional>
#include <vector>

#include "fw/win32/DibSection.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {

// Colours of the screen rectangle, row after row, as COLORREF.
inline std::vector<COLORREF> ReadScreen(const ::RECT& rect) {
    win32::DibSection dib(rect.right - rect.left, rect.bottom - rect.top);
    std::vector<COLORREF> pixels;
    if (!dib.Valid()) {
        return pixels;
    }
    ::HDC screen = ::GetDC(nullptr);
    dib.CopyFrom(screen, rect.left, rect.top);
    ::ReleaseDC(nullptr, screen);
    pixels.reserve(static_cast<std::size_t>(dib.Width()) * static_cast<std::size_t>(dib.Height()));
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            pixels.push_back(win32::DibSection::ToColorRef(dib.Row(y)[x]));
        }
    }
    return pixels;
}

// The expected picture of a rectangle from a colour function of (x, y).
inline std::vector<COLORREF> Picture(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(colour(x, y));
        }
    }
    return pixels;
}

// The window system shows drawing a little later than it is done: waits
// (pumping messages) until the screen rectangle shows the picture.
inline bool ScreenShows(const ::RECT& rect, const std::vector<COLORREF>& expected, unsigned timeoutMs = 3000) {
    return PumpUntil([&] { return ReadScreen(rect) == expected; }, timeoutMs);
}

// Counts the pixels that differ, for readable failures.
inline std::size_t Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    if (a.size() != b.size()) {
        return std::max(a.size(), b.size());
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        n += a[i] != b[i] ? 1 : 0;
    }
    return n;
}

// A picture whose every pixel differs from its neighbours.
inline COLORREF TestPattern(int x, int y) {
    return RGB(static_cast<unsigned>(x * 7 + 3), static_cast<unsigned>(y * 11 + 5),
               static_cast<unsigned>((x + y) * 13 + 1));
}

// Draws the test pattern over the top-left width x height pixels.
inline void DrawTestPattern(CDC& dc, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            dc.SetPixelV(x, y, TestPattern(x, y));
        }
    }
}

}  // namespace fw::test
