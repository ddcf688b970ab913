#include "fw/headless/Drawing.h"

#include <algorithm>

#include "fw/Messages.h"
#include "fw/Wnd.h"
#include "fw/headless/WindowTree.h"

namespace fw {

bool CDC::Impl::Visible(int sx, int sy) const {
    if (!PointInRect(clip, sx, sy)) {
        return false;
    }
    for (const RECT& r : above) {
        if (PointInRect(r, sx, sy)) {
            return false;
        }
    }
    return true;
}

}  // namespace fw

namespace fw::headless {

namespace {

// A context for the window's client area, cut to clientClip (client
// coordinates), to the ancestors and to the screen.
CDC::Impl* OpenImpl(HWND hWnd, const RECT& clientClip) {
    auto* impl = new CDC::Impl;
    TheWorld().liveDcs.insert(impl);
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return impl;  // a context that shows nothing
    }
    impl->hWnd = hWnd;
    impl->origin.x = record->rect.left;
    impl->origin.y = record->rect.top;
    if (!IsShown(*record)) {
        return impl;  // a hidden window shows nothing
    }
    const HeadlessScreen& screen = TheWorld().screen;
    RECT clip = IntersectRects(VisibleScreenRect(hWnd), OffsetRectBy(clientClip, impl->origin.x, impl->origin.y));
    clip = IntersectRects(clip, MakeRect(0, 0, screen.Width(), screen.Height()));
    impl->clip = clip;
    for (const RECT& r : WindowsAbove(hWnd)) {
        if (!IsEmptyRect(IntersectRects(r, clip))) {
            impl->above.push_back(r);
        }
    }
    return impl;
}

// The pixels a context reaches, in client coordinates.
tidewell::PixelView PixelsOf(CDC::Impl& impl) {
    const RECT& clip = impl.clip;
    if (IsEmptyRect(clip)) {
        return tidewell::PixelView();
    }
    const tidewell::SurfaceRect readable{clip.left - impl.origin.x, clip.top - impl.origin.y,
                                         clip.right - impl.origin.x, clip.bottom - impl.origin.y};
    HeadlessScreen& screen = TheWorld().screen;
    if (impl.above.empty()) {
        return tidewell::PixelView(screen.PixelAt(clip.left, clip.top), screen.Width(), readable,
                                   tidewell::PixelOrder::kColorRef);
    }
    impl.copy.clear();
    for (int sy = clip.top; sy < clip.bottom; ++sy) {
        for (int sx = clip.left; sx < clip.right; ++sx) {
            impl.copy.push_back(impl.Visible(sx, sy) ? screen.Get(sx, sy) : CLR_INVALID);
        }
    }
    return tidewell::PixelView(impl.copy.data(), clip.right - clip.left, readable, tidewell::PixelOrder::kColorRef);
}

// BeginPaint: the invalid rectangle, erased first when marked so (through
// WM_ERASEBKGND with the paint's context); the window is valid afterwards.
PAINTSTRUCT BeginPaint(HWND hWnd, CDC::Impl* impl) {
    PAINTSTRUCT ps;
    ps.hdc = reinterpret_cast<HDC>(impl);
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return ps;
    }
    ps.rcPaint = record->invalid;
    const bool erase = record->erasePending;
    record->invalid = RECT();
    record->erasePending = false;
    if (erase) {
        ps.fErase = Send(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(impl)) == 0 ? TRUE : FALSE;
    }
    return ps;
}

}  // namespace

void ValidateByPainting(HWND hWnd) { CPaintDC dc(CWnd::FromHandle(hWnd)); }

}  // namespace fw::headless

namespace fw::backend {

void OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint) {
    using namespace headless;
    WindowRecord* record = FindWindow(hWnd);
    const RECT clientClip = record == nullptr  ? RECT()
                            : paint != nullptr ? record->invalid
                                               : MakeRect(0, 0, record->Width(), record->Height());
    CDC::Impl* impl = OpenImpl(record != nullptr ? hWnd : nullptr, clientClip);
    impl->owner = &dc;
    // The screen's own pixels need no copying back.
    dc.Attach(impl, reinterpret_cast<HDC>(impl), PixelsOf(*impl), !impl->copy.empty());
    if (paint != nullptr) {
        *paint = BeginPaint(record != nullptr ? hWnd : nullptr, impl);
    }
}

BOOL DrawIcon(CDC::Impl* impl, int x, int y, HICON icon, DirtyRegion& /*changed*/) {
    if (impl == nullptr || icon == nullptr) {
        return FALSE;
    }
    headless::TheWorld().outside->IconDrawn(impl->hWnd, x, y, icon);
    return TRUE;
}

void CloseDc(CDC::Impl* impl, const DirtyRegion& changed) {
    using namespace headless;
    if (impl == nullptr) {
        return;
    }
    if (!impl->copy.empty()) {
        const int width = impl->clip.right - impl->clip.left;
        HeadlessScreen& screen = TheWorld().screen;
        for (const RECT& r : changed.Rects()) {
            const RECT target = IntersectRects(OffsetRectBy(r, impl->origin.x, impl->origin.y), impl->clip);
            for (int sy = target.top; sy < target.bottom; ++sy) {
                for (int sx = target.left; sx < target.right; ++sx) {
                    if (impl->Visible(sx, sy)) {
                        const std::size_t index = static_cast<std::size_t>(sy - impl->clip.top) * width +
                                                  static_cast<std::size_t>(sx - impl->clip.left);
                        screen.Set(sx, sy, impl->copy[index]);
                    }
                }
            }
        }
    }
    TheWorld().liveDcs.erase(impl);
    delete impl;
}

}  // namespace fw::backend

namespace fw::headless {

bool FillThroughDc(HDC hDC, COLORREF colour) {
    auto* impl = reinterpret_cast<CDC::Impl*>(hDC);
    if (TheWorld().liveDcs.count(impl) == 0 || impl->owner == nullptr) {
        return false;
    }
    RECT all = OffsetRectBy(impl->clip, -impl->origin.x, -impl->origin.y);
    CBrush brush(colour);
    impl->owner->FillRect(&all, &brush);
    return true;
}

// A brush handle carries its colour, one above, so that black is not null.
HBRUSH BrushFromColour(COLORREF colour) { return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(colour) + 1u); }

COLORREF BrushColour(HBRUSH brush) { return static_cast<COLORREF>(reinterpret_cast<std::uintptr_t>(brush) - 1u); }

}  // namespace fw::headless
