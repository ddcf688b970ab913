// Device contexts over a window's image (see WindowImage.h): the core reads
// and writes its memory; what changed reaches the window when the context
// ends.
#include <algorithm>

#include "fw/x11/Connection.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

using x11::WindowImage;

struct CDC::Impl {
    ::Window window = 0;
    ::GC gc = nullptr;
    WindowImage* pImage = nullptr;

    // Puts the changed rectangles on the window.
    void Flush(DirtyRegion& changed) {
        if (pImage != nullptr) pImage->Put(window, gc, changed.Rects());
        changed.Clear();
    }

    // Binds to the window's image; access is limited to limit ∩ client.
    tidewell::PixelView Bind(HWND hWnd, const RECT& limit) {
        x11::WindowRecord* record = x11::RecordOf(hWnd);
        if (record == nullptr || record->destroying || !record->image || !record->image->Valid()) {
            return tidewell::PixelView();
        }
        window = record->window;
        gc = record->gc;
        pImage = record->image.get();
        const RECT clip = x11::Intersection(limit, RECT{0, 0, pImage->Width(), pImage->Height()});
        if (x11::IsEmpty(clip)) return tidewell::PixelView();
        return tidewell::PixelView(pImage->Row(clip.top) + clip.left, pImage->Stride(),
                                   tidewell::SurfaceRect{clip.left, clip.top, clip.right, clip.bottom},
                                   tidewell::PixelOrder::kRgbWord);
    }
};

CDC::~CDC() { delete m_pImpl; }

// No icons on this backend.
BOOL CDC::DrawIcon(int /*x*/, int /*y*/, HICON /*icon*/) { return FALSE; }

CClientDC::CClientDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr || x11::RecordOf(pWnd->m_hWnd) == nullptr) return;
    m_hDC = reinterpret_cast<HDC>(pWnd->m_hWnd);
    m_pixels = m_pImpl->Bind(pWnd->m_hWnd, RECT{0, 0, 0x7FFFFFFF, 0x7FFFFFFF});
}

CClientDC::~CClientDC() { m_pImpl->Flush(m_changed); }

CPaintDC::CPaintDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr) return;
    x11::WindowRecord* record = x11::RecordOf(pWnd->m_hWnd);
    if (record == nullptr) return;
    // BeginPaint: the invalid part is the clip, and it is valid from now.
    m_ps.rcPaint = x11::Intersection(record->invalid, RECT{0, 0, record->width, record->height});
    record->invalid = RECT();
    m_hDC = m_ps.hdc = reinterpret_cast<HDC>(pWnd->m_hWnd);
    m_pixels = m_pImpl->Bind(pWnd->m_hWnd, m_ps.rcPaint);
}

CPaintDC::~CPaintDC() {
    // The whole paint clip shows the image again, not only what changed.
    const tidewell::SurfaceRect clip = m_pixels.Readable();
    m_changed.Clear();
    m_changed.Add(RECT{clip.left, clip.top, clip.right, clip.bottom});
    m_pImpl->Flush(m_changed);
}

}  // namespace fw
