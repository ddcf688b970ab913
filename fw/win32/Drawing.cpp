// The drawing primitives of fw/Backend.h over a window's mirror (see
// WindowMirror.h): reads and writes are memory accesses; what changed reaches
// the window, rectangle by rectangle, when the context ends.
#include <algorithm>

#include "fw/win32/WindowMirror.h"

namespace fw {

using win32::DibSection;
using win32::ToFw;
using win32::ToWin;

struct CDC::Impl {
    ::HWND hWnd = nullptr;
    ::HDC hDC = nullptr;  // the window's real DC
    DibSection* pMirror = nullptr;
    bool paint = false;
    ::PAINTSTRUCT paintStruct{};  // a paint's, for EndPaint

    // Copies each changed rectangle to the window.
    void Flush(DirtyRegion& changed) {
        if (pMirror != nullptr) {
            for (const RECT& r : changed.Rects()) {
                pMirror->CopyTo(hDC, ToWin(r));
            }
        }
        changed.Clear();
    }

    // Binds to the window's mirror; access is limited to limit ∩ client.
    tidewell::PixelView Bind(const ::RECT& limit) {
        pMirror = win32::MirrorFor(hWnd).Sync(hWnd);
        if (pMirror == nullptr) {
            return tidewell::PixelView();
        }
        const tidewell::SurfaceRect r{std::max<int>(limit.left, 0), std::max<int>(limit.top, 0),
                                      std::min<int>(limit.right, pMirror->Width()),
                                      std::min<int>(limit.bottom, pMirror->Height())};
        if (r.IsEmpty()) {
            return tidewell::PixelView();
        }
        return tidewell::PixelView(pMirror->Row(r.top) + r.left, pMirror->Width(), r, tidewell::PixelOrder::kRgbWord);
    }
};

void backend::OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint) {
    auto* impl = new CDC::Impl;
    impl->hWnd = ToWin(hWnd);
    impl->paint = paint != nullptr;
    if (hWnd == nullptr) {
        dc.Attach(impl, nullptr, tidewell::PixelView(), true);
        return;
    }
    ::RECT limit{0, 0, 0x7FFFFFFF, 0x7FFFFFFF};
    if (paint != nullptr) {
        ::PAINTSTRUCT& ps = impl->paintStruct;
        impl->hDC = ::BeginPaint(impl->hWnd, &ps);
        paint->hdc = ToFw(impl->hDC);
        paint->fErase = ps.fErase;
        paint->rcPaint = ToFw(ps.rcPaint);
        limit = ps.rcPaint;
    } else {
        impl->hDC = ::GetDC(impl->hWnd);
    }
    dc.Attach(impl, ToFw(impl->hDC), impl->hDC != nullptr ? impl->Bind(limit) : tidewell::PixelView(), true);
}

void backend::CloseDc(CDC::Impl* impl, const DirtyRegion& changed) {
    if (impl == nullptr) {
        return;
    }
    if (impl->hDC != nullptr) {
        DirtyRegion shown = changed;
        impl->Flush(shown);
    }
    if (impl->paint && impl->hWnd != nullptr) {
        ::EndPaint(impl->hWnd, &impl->paintStruct);
    } else if (impl->hDC != nullptr) {
        ::ReleaseDC(impl->hWnd, impl->hDC);
    }
    delete impl;
}

BOOL backend::DrawIcon(CDC::Impl* impl, int x, int y, HICON icon, DirtyRegion& changed) {
    if (impl == nullptr || impl->hDC == nullptr) {
        return FALSE;
    }
    impl->Flush(changed);
    const BOOL drawn = ::DrawIcon(impl->hDC, x, y, ToWin(icon)) ? TRUE : FALSE;
    if (drawn && impl->pMirror != nullptr) {
        // The mirror learns what the icon put on the window.
        const int cx = ::GetSystemMetrics(SM_CXICON);
        const int cy = ::GetSystemMetrics(SM_CYICON);
        ::BitBlt(impl->pMirror->MemoryDC(), x, y, cx, cy, impl->hDC, x, y, SRCCOPY);
        ::GdiFlush();
    }
    return drawn;
}

}  // namespace fw
