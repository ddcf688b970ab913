#pragma once
#include "fw/Dc.h"
#include "particles/DrawingSurface.h"

namespace tidewell {

// The simulation's drawing surface over a window's device context: a frame's
// CClientDC or a paint's CPaintDC.
class DcSurface : public CDrawingSurface {
public:
    explicit DcSurface(fw::CDC& dc) : m_dc(dc) {}

    COLORREF GetPixel(int x, int y) override { return m_dc.GetPixel(x, y); }
    void SetPixel(int x, int y, COLORREF colour) override { m_dc.SetPixelV(x, y, colour); }
    void FillRect(const SurfaceRect& rect, COLORREF colour) override {
        fw::RECT r;
        r.left = rect.left;
        r.top = rect.top;
        r.right = rect.right;
        r.bottom = rect.bottom;
        fw::CBrush brush(colour);
        m_dc.FillRect(&r, &brush);
    }

private:
    fw::CDC& m_dc;
};

}  // namespace tidewell
