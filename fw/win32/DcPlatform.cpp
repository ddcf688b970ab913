// Device contexts over a window's mirror (see WindowMirror.h): reads and
// writes are memory accesses; what changed reaches the window, rectangle by
// rectangle, when the context ends.
#include <algorithm>

#include "fw/win32/FlushCounter.h"
#include "fw/win32/WindowMirror.h"

namespace fw {

using win32::DibSection;
using win32::ToFw;
using win32::ToWin;

struct CDC::Impl {
    ::HWND hWnd = nullptr;
    ::HDC hDC = nullptr;      // the window's real DC
    DibSection* pMirror = nullptr;
    ::PAINTSTRUCT paint{};    // a CPaintDC's, for EndPaint

    // Copies each changed rectangle to the window.
    void Flush(DirtyRegion& changed) {
        if (pMirror != nullptr) {
            for (const RECT& r : changed.Rects()) pMirror->CopyTo(hDC, ToWin(r));
            win32::CountFlush(changed);
        }
        changed.Clear();
    }

    // Binds to the window's mirror; access is limited to limit ∩ client.
    tidewell::PixelView Bind(::HWND window, ::HDC dc, const ::RECT& limit) {
        hWnd = window;
        hDC = dc;
        pMirror = win32::MirrorFor(window).Sync(window);
        if (pMirror == nullptr) return tidewell::PixelView();
        const tidewell::SurfaceRect clip{std::max<int>(limit.left, 0), std::max<int>(limit.top, 0),
                                         std::min<int>(limit.right, pMirror->Width()),
                                         std::min<int>(limit.bottom, pMirror->Height())};
        if (clip.IsEmpty()) return tidewell::PixelView();
        return tidewell::PixelView(pMirror->Row(clip.top) + clip.left, pMirror->Width(), clip,
                                   tidewell::PixelOrder::kRgbWord);
    }
};

CDC::~CDC() { delete m_pImpl; }

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (m_pImpl == nullptr || m_pImpl->hDC == nullptr) return FALSE;
    m_pImpl->Flush(m_changed);
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
    m_pixels = m_pImpl->Bind(hWnd, dc, ::RECT{0, 0, 0x7FFFFFFF, 0x7FFFFFFF});
}

CClientDC::~CClientDC() {
    if (m_pImpl->hDC == nullptr) return;
    m_pImpl->Flush(m_changed);
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
    m_pixels = m_pImpl->Bind(hWnd, dc, ps.rcPaint);
}

CPaintDC::~CPaintDC() {
    if (m_pImpl->hWnd == nullptr) return;
    if (m_pImpl->hDC != nullptr) {
        // The whole paint clip shows the mirror again, not only what changed.
        const tidewell::SurfaceRect clip = m_pixels.Readable();
        m_changed.Clear();
        m_changed.Add(RECT{clip.left, clip.top, clip.right, clip.bottom});
        m_pImpl->Flush(m_changed);
    }
    ::EndPaint(m_pImpl->hWnd, &m_pImpl->paint);
}

}  // namespace fw
