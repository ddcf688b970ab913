#pragma once
#include "particles/DrawingSurface.h"

namespace tidewell {

// How a step reaches its surface. Both kinds call the surface's own
// GetPixel and SetPixel, one pixel per call; the second is used only for an
// object that is exactly a MemorySurface, and calls its functions without
// the virtual dispatch, so the per-pixel calls can be inlined.
class InterfaceAccess {
public:
    explicit InterfaceAccess(CDrawingSurface& surface) : m_surface(surface) {}
    COLORREF GetPixel(int x, int y) { return m_surface.GetPixel(x, y); }
    void SetPixel(int x, int y, COLORREF colour) { m_surface.SetPixel(x, y, colour); }

private:
    CDrawingSurface& m_surface;
};

class MemorySurfaceAccess {
public:
    explicit MemorySurfaceAccess(MemorySurface& surface) : m_surface(surface) {}
    COLORREF GetPixel(int x, int y) { return m_surface.MemorySurface::GetPixel(x, y); }
    void SetPixel(int x, int y, COLORREF colour) { m_surface.MemorySurface::SetPixel(x, y, colour); }

private:
    MemorySurface& m_surface;
};

// The exact MemorySurface behind a surface, or null when it is any other
// kind, a class derived from MemorySurface included.
MemorySurface* ExactMemorySurface(CDrawingSurface& surface);

}  // namespace tidewell
