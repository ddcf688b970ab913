// Device contexts over a window's image (see WindowImage.h): reads and
// writes are memory accesses; what changed reaches the window once, when the
// context ends.
#include <algorithm>

#include "fw/x11/ChangedArea.h"
#include "fw/x11/Connection.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

using x11::WindowImage;

struct CDC::Impl {
    ::Window window = 0;
    ::GC gc = nullptr;
    WindowImage* pImage = nullptr;
    RECT clip;  // client coordinates; empty: nothing readable
    x11::ChangedArea changed;

    bool Inside(int x, int y) const { return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom; }
    void Touch(const RECT& r) { changed.Add(r); }

    void Flush() {
        if (pImage != nullptr) {
            for (const RECT& r : changed.Rects()) pImage->Put(window, gc, r);
        }
        changed.Clear();
    }

    // Binds to the window's image and limits access to limit ∩ client.
    void Bind(HWND hWnd, const RECT& limit) {
        x11::WindowRecord* record = x11::RecordOf(hWnd);
        if (record == nullptr || record->destroying || !record->image || !record->image->Valid()) return;
        window = record->window;
        gc = record->gc;
        pImage = record->image.get();
        clip = x11::Intersection(limit, RECT{0, 0, pImage->Width(), pImage->Height()});
    }
};

CDC::~CDC() { delete m_pImpl; }

COLORREF CDC::GetPixel(int x, int y) const {
    if (m_pImpl == nullptr || !m_pImpl->Inside(x, y)) return CLR_INVALID;
    return WindowImage::ToColorRef(m_pImpl->pImage->Row(y)[x]);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF colour) {
    if (m_pImpl == nullptr || !m_pImpl->Inside(x, y)) return FALSE;
    m_pImpl->pImage->Row(y)[x] = WindowImage::FromColorRef(colour);
    m_pImpl->Touch(RECT{x, y, x + 1, y + 1});
    return TRUE;
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (m_pImpl == nullptr || rect == nullptr || brush == nullptr || !brush->IsCreated()) return;
    const RECT r = x11::Intersection(*rect, m_pImpl->clip);
    if (x11::IsEmpty(r)) return;
    const std::uint32_t pixel = WindowImage::FromColorRef(brush->GetColor());
    for (LONG y = r.top; y < r.bottom; ++y) {
        std::fill(m_pImpl->pImage->Row(y) + r.left, m_pImpl->pImage->Row(y) + r.right, pixel);
    }
    m_pImpl->Touch(r);
}

// No icons on this backend.
BOOL CDC::DrawIcon(int /*x*/, int /*y*/, HICON /*icon*/) { return FALSE; }

CClientDC::CClientDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr) return;
    m_pImpl->Bind(pWnd->m_hWnd, RECT{0, 0, 0x7FFFFFFF, 0x7FFFFFFF});
    m_hDC = reinterpret_cast<HDC>(pWnd->m_hWnd);
}

CClientDC::~CClientDC() { m_pImpl->Flush(); }

CPaintDC::CPaintDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr) return;
    x11::WindowRecord* record = x11::RecordOf(pWnd->m_hWnd);
    if (record == nullptr) return;
    // BeginPaint: the invalid part is the clip, and it is valid from now.
    m_ps.rcPaint = x11::Intersection(record->invalid, RECT{0, 0, record->width, record->height});
    record->invalid = RECT();
    m_hDC = m_ps.hdc = reinterpret_cast<HDC>(pWnd->m_hWnd);
    m_pImpl->Bind(pWnd->m_hWnd, m_ps.rcPaint);
}

CPaintDC::~CPaintDC() {
    // The whole paint clip shows the image again, not only what changed.
    m_pImpl->Touch(m_pImpl->clip);
    m_pImpl->Flush();
}

}  // namespace fw
