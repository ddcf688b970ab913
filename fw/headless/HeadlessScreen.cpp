#include "fw/headless/HeadlessScreen.h"

#include <algorithm>

namespace fw::headless {

HeadlessScreen::HeadlessScreen(int width, int height)
    : m_nWidth(std::max(width, 0)),
      m_nHeight(std::max(height, 0)),
      m_desktop(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight), RGB(0, 0, 0)),
      m_pixels(m_desktop) {}

bool HeadlessScreen::SetDesktop(const std::vector<COLORREF>& pixels) {
    if (pixels.size() != m_desktop.size()) {
        return false;
    }
    m_desktop = pixels;
    m_pixels = pixels;
    return true;
}

void HeadlessScreen::RestoreDesktop(const RECT& rect) {
    const RECT r = IntersectRects(rect, MakeRect(0, 0, m_nWidth, m_nHeight));
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            m_pixels[Index(x, y)] = m_desktop[Index(x, y)];
        }
    }
}

}  // namespace fw::headless
