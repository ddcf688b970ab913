#pragma once
#include <vector>

#include "particles/Color.h"
#include "particles/PixelView.h"

namespace tidewell {

// What the simulation needs of a screen. Its pixels are reached directly
// through View(); whoever writes through the view says what it wrote with
// Changed, so a surface in front of a window copies only that.
class CDrawingSurface {
public:
    virtual ~CDrawingSurface() = default;

    // The colour now shown at (x, y); CLR_INVALID outside the surface.
    COLORREF GetPixel(int x, int y) const { return m_view.Get(x, y); }
    // Shows colour at (x, y); a point outside the surface is ignored.
    void SetPixel(int x, int y, COLORREF colour) {
        if (m_view.Contains(x, y)) {
            m_view.Set(x, y, colour);
            Changed(SurfaceRect{x, y, x + 1, y + 1});
        }
    }
    // Fills the part of rect that lies on the surface.
    virtual void FillRect(const SurfaceRect& rect, COLORREF colour) = 0;

    const PixelView& View() const { return m_view; }
    // The pixels inside rect may have been written through View().
    virtual void Changed(const SurfaceRect& /*rect*/) {}

protected:
    void SetView(const PixelView& view) { m_view = view; }

private:
    PixelView m_view;
};

// An in-memory surface, row after row, for tests, benchmarks and the
// simulation tool.
class MemorySurface : public CDrawingSurface {
public:
    MemorySurface(int width, int height, COLORREF fill = 0);
    MemorySurface(const MemorySurface& other);
    MemorySurface& operator=(const MemorySurface& other);

    void FillRect(const SurfaceRect& rect, COLORREF colour) override;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const { return m_pixels[Index(x, y)]; }
    const std::vector<COLORREF>& Pixels() const { return m_pixels; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }
    void ViewOwnPixels();

    int m_width;
    int m_height;
    std::vector<COLORREF> m_pixels;
};

}  // namespace tidewell
