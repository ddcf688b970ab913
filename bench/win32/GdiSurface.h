#pragma once
// The drawing surface as the plain per-pixel way: every read and write is a
// GDI call on the window's real DC. The baseline the mirror is measured
// against.
#include "particles/DrawingSurface.h"
// (after the above)
#include "fw/win32/WindowsApi.h"

namespace tidewell::bench {

class GdiSurface : public CDrawingSurface {
public:
    explicit GdiSurface(::HDC hDC) : m_hDC(hDC) {}

    COLORREF GetPixel(int x, int y) override { return ::GetPixel(m_hDC, x, y); }
    void SetPixel(int x, int y, COLORREF colour) override { ::SetPixelV(m_hDC, x, y, colour); }
    void FillRect(const SurfaceRect& rect, COLORREF colour) override {
        ::HBRUSH brush = ::CreateSolidBrush(colour);
        const ::RECT r{rect.left, rect.top, rect.right, rect.bottom};
        ::FillRect(m_hDC, &r, brush);
        ::DeleteObject(brush);
    }

private:
    ::HDC m_hDC;
};

}  // namespace tidewell::bench
