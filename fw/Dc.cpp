// The device-context operations every backend shares: they go through the
// pixel memory the backend set, and record what they changed.
#include "fw/Dc.h"

#include <algorithm>

namespace fw {

namespace {

tidewell::SurfaceRect ToSurfaceRect(const RECT& r) { return tidewell::SurfaceRect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void CDC::MarkChanged(const RECT& rect) {
    if (!m_bRecordChanges) {
        return;
    }
    const tidewell::SurfaceRect readable = m_pixels.Readable();
    RECT clipped;
    clipped.left = std::max<LONG>(rect.left, readable.left);
    clipped.top = std::max<LONG>(rect.top, readable.top);
    clipped.right = std::min<LONG>(rect.right, readable.right);
    clipped.bottom = std::min<LONG>(rect.bottom, readable.bottom);
    m_changed.Add(clipped);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF colour) {
    if (!m_pixels.Contains(x, y)) {
        return FALSE;  // as the platform fails a point outside the clip
    }
    m_pixels.Set(x, y, colour);
    RECT point;
    point.left = x;
    point.top = y;
    point.right = x + 1;
    point.bottom = y + 1;
    MarkChanged(point);
    return TRUE;
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (rect == nullptr || brush == nullptr || !brush->IsCreated()) {
        return;
    }
    m_pixels.Fill(ToSurfaceRect(*rect), brush->GetColor());
    MarkChanged(*rect);
}

}  // namespace fw
