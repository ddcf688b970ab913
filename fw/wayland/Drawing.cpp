// Device contexts over a window's pixels (WindowRecord.h): the core reads
// and writes its memory; what changed reaches the compositor when the
// context ends, through the next free buffer.
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {
// A context's own state, behind CDC::Impl (each backend keeps its own).
struct WaylandDc {
    HWND hWnd = nullptr;
};
}  // namespace

void OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint) {
    auto* impl = new WaylandDc{hWnd};
    auto* handle = reinterpret_cast<CDC::Impl*>(impl);
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || record->destroying || record->image.empty()) {
        dc.Attach(handle, nullptr, tidewell::PixelView(), true);
        return;
    }
    RECT clip = MakeRect(0, 0, record->width, record->height);
    const HDC hDC = reinterpret_cast<HDC>(hWnd);
    if (paint != nullptr) {
        // BeginPaint: the invalid part is the clip, and it is valid from now.
        clip = IntersectRects(record->invalid, clip);
        record->invalid = RECT();
        paint->hdc = hDC;
        paint->fErase = FALSE;
        paint->rcPaint = clip;
    }
    if (IsEmptyRect(clip)) {
        dc.Attach(handle, hDC, tidewell::PixelView(), true);
        return;
    }
    std::uint32_t* base = record->image.data() + static_cast<std::size_t>(clip.top) * record->width + clip.left;
    dc.Attach(
        handle, hDC,
        tidewell::PixelView(base, record->width, tidewell::SurfaceRect{clip.left, clip.top, clip.right, clip.bottom},
                            tidewell::PixelOrder::kRgbWord),
        true);
}

void CloseDc(CDC::Impl* handle, const DirtyRegion& changed) {
    auto* impl = reinterpret_cast<WaylandDc*>(handle);
    if (impl == nullptr) {
        return;
    }
    if (WindowRecord* record = RecordOf(impl->hWnd); record != nullptr && !record->destroying) {
        Present(*record, changed.Rects());
    }
    delete impl;
}

// No icons on this backend.
BOOL DrawIcon(CDC::Impl* /*impl*/, int /*x*/, int /*y*/, HICON /*icon*/, DirtyRegion& /*changed*/) { return FALSE; }

}  // namespace fw::wayland
