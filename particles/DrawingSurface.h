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

    // Inline so a caller that knows the exact type can reach them without
    // the virtual dispatch.
    COLORREF GetPixel(int x, int y) override { return Contains(x, y) ? m_pixels[Index(x, y)] : CLR_INVALID; }
    void SetPixel(int x, int y, COLORREF colour) override {
        if (Contains(x, y)) {
            m_pixels[Index(x, y)] = colour;
        }
    }
    void FillRect(const SurfaceRect& rect, COLORREF colour) override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const {
        // One unsigned compare per axis: negative values wrap above any width.
        return static_cast<unsigned>(x) < static_cast<unsigned>(m_width) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(m_height);
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
