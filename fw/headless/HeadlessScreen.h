#pragma once
#include <vector>

#include "fw/Rect.h"
#include "fw/Types.h"

namespace fw::headless {

// The simulated screen: what is shown now, and the desktop picture shown
// where no window has drawn.
class HeadlessScreen {
public:
    HeadlessScreen(int width, int height);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }

    COLORREF Get(int x, int y) const { return Contains(x, y) ? m_pixels[Index(x, y)] : CLR_INVALID; }
    void Set(int x, int y, COLORREF colour) {
        if (Contains(x, y)) {
            m_pixels[Index(x, y)] = colour;
        }
    }

    // The memory of pixel (x, y), which must lie on the screen; rows follow
    // each other Width() pixels apart.
    COLORREF* PixelAt(int x, int y) { return m_pixels.data() + Index(x, y); }

    // False (and nothing changed) when the size does not match.
    bool SetDesktop(const std::vector<COLORREF>& pixels);
    const std::vector<COLORREF>& Desktop() const { return m_desktop; }
    // Shows the desktop picture again inside the rectangle (screen
    // coordinates), as the desktop repaints what a window uncovers.
    void RestoreDesktop(const RECT& rect);

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x);
    }

    int m_nWidth;
    int m_nHeight;
    std::vector<COLORREF> m_desktop;
    std::vector<COLORREF> m_pixels;
};

}  // namespace fw::headless
