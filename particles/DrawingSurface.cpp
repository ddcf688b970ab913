#include "particles/DrawingSurface.h"

#include <algorithm>

namespace tidewell {

MemorySurface::MemorySurface(int width, int height, COLORREF fill)
    : m_width(width > 0 && height > 0 ? width : 0),
      m_height(width > 0 && height > 0 ? height : 0),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

COLORREF MemorySurface::GetPixel(int x, int y) {
    return Contains(x, y) ? m_pixels[Index(x, y)] : CLR_INVALID;
}

void MemorySurface::SetPixel(int x, int y, COLORREF colour) {
    if (Contains(x, y)) {
        m_pixels[Index(x, y)] = colour;
    }
}

void MemorySurface::FillRect(const SurfaceRect& rect, COLORREF colour) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, m_width);
    const int bottom = std::min(rect.bottom, m_height);
    if (left >= right || top >= bottom) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        const auto row = m_pixels.begin() + static_cast<std::ptrdiff_t>(Index(left, y));
        std::fill(row, row + (right - left), colour);
    }
}

}  // namespace tidewell
