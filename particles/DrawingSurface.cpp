#include "particles/DrawingSurface.h"

#include <algorithm>
#include <typeinfo>

#include "particles/SurfaceAccess.h"

namespace tidewell {

MemorySurface::MemorySurface(int width, int height, COLORREF fill)
    : m_width(width > 0 && height > 0 ? width : 0),
      m_height(width > 0 && height > 0 ? height : 0),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

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

MemorySurface* ExactMemorySurface(CDrawingSurface& surface) {
    return typeid(surface) == typeid(MemorySurface) ? static_cast<MemorySurface*>(&surface) : nullptr;
}

}  // namespace tidewell
