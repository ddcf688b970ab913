#pragma once
#include <vector>

#include "particles/Color.h"

namespace tidewell {

// Left/top inclusive, right/bottom exclusive, like the platform's RECT.
struct SurfaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What the simulation needs of a screen.
class CDrawingSurface {
public:
    virtual ~CDrawingSurface() = default;
    // The colour now shown at (x, y); CLR_INVALID outside the surface.
    virtual COLORREF GetPixel(int x, int y) = 0;
    // Shows colour at (x, y); a point outside the surface is ignored.
    virtual void SetPixel(int x, int y, COLORREF colour) = 0;
    // Fills the part of rect that lies on the surface.
    virtual void FillRect(const SurfaceRect& rect, COLORREF colour) = 0;
};

// An in-memory surface, row after row, for tests, benchmarks and the
// simulation tool.
class MemorySurface : public CDrawingSurface {
public:
    MemorySurface(int width, int height, COLORREF fill = 0);

    COLORREF GetPixel(int x, int y) override;
    void SetPixel(int x, int y, COLORREF colour) override;
    void FillRect(const SurfaceRect& rect, COLORREF colour) override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }
    COLORREF At(int x, int y) const { return m_pixels[Index(x, y)]; }
    const std::vector<COLORREF>& Pixels() const { return m_pixels; }
    std::vector<COLORREF>& Pixels() { return m_pixels; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }

    int m_width;
    int m_height;
    std::vector<COLORREF> m_pixels;
};

}  // namespace tidewell
