#pragma once
#include "fw/Dc.h"
#include "particles/DrawingSurface.h"

namespace tidewell {

// The simulation's drawing surface over a window's device context: a frame's
// CClientDC or a paint's CPaintDC. Pixels are the context's own memory; what
// the simulation wrote is reported to the context, which copies just that to
// the window.
class DcSurface : public CDrawingSurface {
public:
    explicit DcSurface(fw::CDC& dc) : m_dc(dc) { SetView(dc.Pixels()); }

    void FillRect(const SurfaceRect& rect, COLORREF colour) override {
        fw::CBrush brush(colour);
        const fw::RECT r = ToRect(rect);
        m_dc.FillRect(&r, &brush);
    }
    void Changed(const SurfaceRect& rect) override { m_dc.MarkChanged(ToRect(rect)); }

private:
    static fw::RECT ToRect(const SurfaceRect& rect) { return fw::RECT{rect.left, rect.top, rect.right, rect.bottom}; }

    fw::CDC& m_dc;
};

}  // namespace tidewell
