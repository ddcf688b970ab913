#include "fw/headless/Screen.h"

#include <algorithm>

namespace fw::headless {

Screen::Screen(int width, int height)
    : m_nWidth(std::max(width, 0)),
      m_nHeight(std::max(height, 0)),
      m_desktop(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight), RGB(0, 0, 0)),
      m_pixels(m_desktop) {}

bool Screen::SetDesktop(const std::vector<COLORREF>& pixels) {
    if (pixels.size() != m_desktop.size()) {
        return false;
    }
    m_desktop = pixels;
    m_pixels = pixels;
    return true;
}

void Screen::RestoreDesktop(const RECT& rect) {
    const RECT r = IntersectRects(rect, MakeRect(0, 0, m_nWidth, m_nHeight));
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            m_pixels[Index(x, y)] = m_desktop[Index(x, y)];
        }
    }
}

RECT MakeRect(int left, int top, int right, int bottom) {
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT IntersectRects(const RECT& a, const RECT& b) {
    const RECT r = MakeRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                            std::min(a.bottom, b.bottom));
    return IsEmptyRect(r) ? RECT() : r;
}

RECT UnionRects(const RECT& a, const RECT& b) {
    if (IsEmptyRect(a)) {
        return b;
    }
    if (IsEmptyRect(b)) {
        return a;
    }
    return MakeRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom));
}

bool PointInRect(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

RECT OffsetRectBy(const RECT& r, int dx, int dy) {
    return MakeRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

}  // namespace fw::headless
