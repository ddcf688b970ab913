#include "particles/DrawingSurface.h"

namespace tidewell {

MemorySurface::MemorySurface(int width, int height, COLORREF fill)
    : m_width(width > 0 && height > 0 ? width : 0),
      m_height(width > 0 && height > 0 ? height : 0),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {
    ViewOwnPixels();
}

MemorySurface::MemorySurface(const MemorySurface& other)
    : CDrawingSurface(other), m_width(other.m_width), m_height(other.m_height), m_pixels(other.m_pixels) {
    ViewOwnPixels();
}

MemorySurface& MemorySurface::operator=(const MemorySurface& other) {
    m_width = other.m_width;
    m_height = other.m_height;
    m_pixels = other.m_pixels;
    ViewOwnPixels();
    return *this;
}

void MemorySurface::ViewOwnPixels() {
    SetView(PixelView(m_pixels.data(), m_width, SurfaceRect{0, 0, m_width, m_height}, PixelOrder::kColorRef));
}

void MemorySurface::FillRect(const SurfaceRect& rect, COLORREF colour) { View().Fill(rect, colour); }

}  // namespace tidewell
