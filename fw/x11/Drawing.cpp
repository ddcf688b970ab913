// Device contexts over a window's image (see WindowImage.h): the core reads
// and writes its memory; what changed reaches the window when the context
// ends.
#include "fw/Rect.h"
#include "fw/x11/Connection.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

namespace {

// A context's own state. CDC::Impl stays undefined: the program carries
// more than one backend, and each keeps a type of its own behind it.
struct XDc {
    ::Window window = 0;
    ::GC gc = nullptr;
    x11::WindowImage* pImage = nullptr;
};

// Binds to the window's image; access is limited to limit ∩ client.
tidewell::PixelView Bind(XDc& impl, x11::WindowRecord& record, const RECT& limit) {
    if (!record.image || !record.image->Valid()) {
        return tidewell::PixelView();
    }
    impl.window = record.window;
    impl.gc = record.gc;
    impl.pImage = record.image.get();
    const RECT clip = IntersectRects(limit, MakeRect(0, 0, impl.pImage->Width(), impl.pImage->Height()));
    if (IsEmptyRect(clip)) {
        return tidewell::PixelView();
    }
    return tidewell::PixelView(impl.pImage->Row(clip.top) + clip.left, impl.pImage->Stride(),
                               tidewell::SurfaceRect{clip.left, clip.top, clip.right, clip.bottom},
                               tidewell::PixelOrder::kRgbWord);
}

}  // namespace

void x11::OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint) {
    auto* impl = new XDc;
    auto* handle = reinterpret_cast<CDC::Impl*>(impl);
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        dc.Attach(handle, nullptr, tidewell::PixelView(), true);
        return;
    }
    RECT limit = MakeRect(0, 0, 0x7FFFFFFF, 0x7FFFFFFF);
    const HDC hDC = reinterpret_cast<HDC>(hWnd);
    if (paint != nullptr) {
        // BeginPaint: the invalid part is the clip, and it is valid from now.
        limit = IntersectRects(record->invalid, MakeRect(0, 0, record->width, record->height));
        record->invalid = RECT();
        paint->hdc = hDC;
        paint->fErase = FALSE;
        paint->rcPaint = limit;
    }
    dc.Attach(handle, hDC, Bind(*impl, *record, limit), true);
}

void x11::CloseDc(CDC::Impl* handle, const DirtyRegion& changed) {
    auto* impl = reinterpret_cast<XDc*>(handle);
    if (impl == nullptr) {
        return;
    }
    if (impl->pImage != nullptr) {
        impl->pImage->Put(impl->window, impl->gc, changed.Rects());
    }
    delete impl;
}

// No icons on this backend.
BOOL x11::DrawIcon(CDC::Impl* /*impl*/, int /*x*/, int /*y*/, HICON /*icon*/, DirtyRegion& /*changed*/) {
    return FALSE;
}

}  // namespace fw
