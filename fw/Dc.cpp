// The device-context operations every backend shares: they go through the
// pixel memory the backend set, and record what they changed.
#include "fw/Dc.h"

#include "fw/Backend.h"
#include "fw/Rect.h"
#include "fw/Wnd.h"

namespace fw {

namespace {

tidewell::SurfaceRect ToSurfaceRect(const RECT& r) { return tidewell::SurfaceRect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

CDC::~CDC() { backend::CloseDc(m_pImpl, m_changed); }

void CDC::Attach(Impl* impl, HDC hDC, const tidewell::PixelView& pixels, bool recordChanges) {
    m_pImpl = impl;
    m_hDC = hDC;
    m_pixels = pixels;
    m_bRecordChanges = recordChanges;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return backend::DrawIcon(m_pImpl, x, y, icon, m_changed); }

CClientDC::CClientDC(CWnd* pWnd) { backend::OpenDc(*this, pWnd != nullptr ? pWnd->m_hWnd : nullptr, nullptr); }

CPaintDC::CPaintDC(CWnd* pWnd) { backend::OpenDc(*this, pWnd != nullptr ? pWnd->m_hWnd : nullptr, &m_ps); }

CPaintDC::~CPaintDC() {
    // A paint shows its whole clip again, not only what it changed: the
    // window may have lost what was there.
    const tidewell::SurfaceRect clip = m_pixels.Readable();
    m_changed.Clear();
    if (m_bRecordChanges) {
        m_changed.Add(MakeRect(clip.left, clip.top, clip.right, clip.bottom));
    }
}

void CDC::MarkChanged(const RECT& rect) {
    if (!m_bRecordChanges) {
        return;
    }
    const tidewell::SurfaceRect readable = m_pixels.Readable();
    m_changed.Add(IntersectRects(rect, MakeRect(readable.left, readable.top, readable.right, readable.bottom)));
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
