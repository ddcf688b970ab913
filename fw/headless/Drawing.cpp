#include "fw/headless/Drawing.h"

#include "fw/Messages.h"
#include "fw/Wnd.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

namespace {

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

// A context for the client area, or a paint's invalid part, cut to the
// ancestors and the screen; a hidden or missing window reaches nothing.
void OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint) {
    using namespace headless;
    auto* impl = new CDC::Impl;
    impl->owner = &dc;
    World& world = TheWorld();
    world.liveDcs.insert(impl);
    WindowRecord* record = FindWindow(hWnd);
    tidewell::PixelView pixels;
    if (record != nullptr) {
        impl->hWnd = hWnd;
        impl->origin = POINT{record->rect.left, record->rect.top};
        if (IsShown(*record)) {
            const RECT client = paint != nullptr ? record->invalid : MakeRect(0, 0, record->Width(), record->Height());
            impl->clip = IntersectRects(
                IntersectRects(VisibleScreenRect(hWnd), OffsetRectBy(client, record->rect.left, record->rect.top)),
                MakeRect(0, 0, world.screen.Width(), world.screen.Height()));
        }
        if (!IsEmptyRect(impl->clip)) {
            const RECT r = OffsetRectBy(impl->clip, -record->rect.left, -record->rect.top);
            pixels = tidewell::PixelView(world.screen.PixelAt(impl->clip.left, impl->clip.top), world.screen.Width(),
                                         tidewell::SurfaceRect{r.left, r.top, r.right, r.bottom},
                                         tidewell::PixelOrder::kColorRef);
        }
    }
    // The screen's own pixels need no copying back.
    dc.Attach(impl, reinterpret_cast<HDC>(impl), pixels, false);
    if (paint != nullptr) {
        *paint = BeginPaint(impl->hWnd, impl);
    }
}

BOOL DrawIcon(CDC::Impl* impl, int x, int y, HICON icon, DirtyRegion& /*changed*/) {
    if (impl == nullptr || icon == nullptr) {
        return FALSE;
    }
    headless::TheWorld().outside->IconDrawn(impl->hWnd, x, y, icon);
    return TRUE;
}

void CloseDc(CDC::Impl* impl, const DirtyRegion& /*changed*/) {
    headless::TheWorld().liveDcs.erase(impl);
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

}  // namespace fw::headless
