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
    m_changed.Add(RECT{std::max<LONG>(rect.left, readable.left), std::max<LONG>(rect.top, readable.top),
                       std::min<LONG>(rect.right, readable.right), std::min<LONG>(rect.bottom, readable.bottom)});
}

BOOL CDC::SetPixelV(int x, int y, COLORREF colour) {
    if (!m_pixels.Contains(x, y)) {
        return FALSE;  // as the platform fails a point outside the clip
    }
    m_pixels.Set(x, y, colour);
    MarkChanged(RECT{x, y, x + 1, y + 1});
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
