// Device contexts over a window's mirror (see WindowMirror.h): reads and
// writes are memory accesses; what changed reaches the window once, when the
// context ends.
#include <algorithm>

#include "fw/win32/WindowMirror.h"

namespace fw {

using win32::DibSection;
using win32::ToFw;
using win32::ToWin;

struct CDC::Impl {
    ::HWND hWnd = nullptr;
    ::HDC hDC = nullptr;      // the window's real DC
    DibSection* pMirror = nullptr;
    ::RECT clip{0, 0, 0, 0};  // client coordinates; empty: nothing readable
    ::RECT dirty{0, 0, 0, 0};
    ::PAINTSTRUCT paint{};    // a CPaintDC's, for EndPaint

    bool Inside(int x, int y) const { return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom; }

    void Touch(const ::RECT& r) {
        if (r.right <= r.left || r.bottom <= r.top) return;
        if (dirty.right <= dirty.left || dirty.bottom <= dirty.top) {
            dirty = r;
            return;
        }
        dirty.left = std::min(dirty.left, r.left);
        dirty.top = std::min(dirty.top, r.top);
        dirty.right = std::max(dirty.right, r.right);
        dirty.bottom = std::max(dirty.bottom, r.bottom);
    }

    // Copies the changed part to the window.
    void Flush() {
        if (pMirror != nullptr) pMirror->CopyTo(hDC, dirty);
        dirty = ::RECT{0, 0, 0, 0};
    }

    // Binds to the window's mirror and limits access to limit ∩ client.
    void Bind(::HWND window, ::HDC dc, const ::RECT& limit) {
        hWnd = window;
        hDC = dc;
        pMirror = win32::MirrorFor(window).Sync(window);
        if (pMirror == nullptr) return;
        clip.left = std::max<LONG>(limit.left, 0);
        clip.top = std::max<LONG>(limit.top, 0);
        clip.right = std::min<LONG>(limit.right, pMirror->Width());
        clip.bottom = std::min<LONG>(limit.bottom, pMirror->Height());
        if (clip.right < clip.left) clip.right = clip.left;
        if (clip.bottom < clip.top) clip.bottom = clip.top;
    }
};

CDC::~CDC() { delete m_pImpl; }

COLORREF CDC::GetPixel(int x, int y) const {
    if (m_pImpl == nullptr || !m_pImpl->Inside(x, y)) return CLR_INVALID;
    return DibSection::ToColorRef(m_pImpl->pMirror->Row(y)[x]);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF colour) {
    if (m_pImpl == nullptr || !m_pImpl->Inside(x, y)) return FALSE;
    m_pImpl->pMirror->Row(y)[x] = DibSection::FromColorRef(colour);
    m_pImpl->Touch(::RECT{x, y, x + 1, y + 1});
    return TRUE;
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (m_pImpl == nullptr || rect == nullptr || brush == nullptr || !brush->IsCreated()) return;
    const ::RECT& clip = m_pImpl->clip;
    const ::RECT r{std::max<LONG>(rect->left, clip.left), std::max<LONG>(rect->top, clip.top),
                   std::min<LONG>(rect->right, clip.right), std::min<LONG>(rect->bottom, clip.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) return;
    const std::uint32_t pixel = DibSection::FromColorRef(brush->GetColor());
    for (LONG y = r.top; y < r.bottom; ++y) std::fill(m_pImpl->pMirror->Row(y) + r.left, m_pImpl->pMirror->Row(y) + r.right, pixel);
    m_pImpl->Touch(r);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (m_pImpl == nullptr || m_pImpl->hDC == nullptr) return FALSE;
    m_pImpl->Flush();
    const BOOL drawn = ::DrawIcon(m_pImpl->hDC, x, y, ToWin(icon)) ? TRUE : FALSE;
    if (drawn && m_pImpl->pMirror != nullptr) {
        // The mirror learns what the icon put on the window.
        const int cx = ::GetSystemMetrics(SM_CXICON);
        const int cy = ::GetSystemMetrics(SM_CYICON);
        ::BitBlt(m_pImpl->pMirror->MemoryDC(), x, y, cx, cy, m_pImpl->hDC, x, y, SRCCOPY);
        ::GdiFlush();
    }
    return drawn;
}

CClientDC::CClientDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) return;
    ::HWND hWnd = ToWin(pWnd->m_hWnd);
    ::HDC dc = ::GetDC(hWnd);
    if (dc == nullptr) return;
    m_hDC = ToFw(dc);
    m_pImpl->Bind(hWnd, dc, ::RECT{0, 0, 0x7FFFFFFF, 0x7FFFFFFF});
}

CClientDC::~CClientDC() {
    if (m_pImpl->hDC == nullptr) return;
    m_pImpl->Flush();
    ::ReleaseDC(m_pImpl->hWnd, m_pImpl->hDC);
}

CPaintDC::CPaintDC(CWnd* pWnd) {
    m_pImpl = new Impl;
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) return;
    ::HWND hWnd = ToWin(pWnd->m_hWnd);
    ::PAINTSTRUCT& ps = m_pImpl->paint;
    ::HDC dc = ::BeginPaint(hWnd, &ps);
    m_ps.hdc = ToFw(dc);
    m_ps.fErase = ps.fErase;
    m_ps.rcPaint = ToFw(ps.rcPaint);
    m_hDC = ToFw(dc);
    m_pImpl->hWnd = hWnd;
    if (dc == nullptr) return;
    m_pImpl->Bind(hWnd, dc, ps.rcPaint);
}

CPaintDC::~CPaintDC() {
    if (m_pImpl->hWnd == nullptr) return;
    if (m_pImpl->hDC != nullptr) {
        // The whole paint clip shows the mirror again, not only what changed.
        m_pImpl->Touch(m_pImpl->clip);
        m_pImpl->Flush();
    }
    ::EndPaint(m_pImpl->hWnd, &m_pImpl->paint);
}

}  // namespace fw
