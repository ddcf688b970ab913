#include "fw/headless/Painting.h"

#include <algorithm>

#include "fw/Messages.h"
#include "fw/Wnd.h"
#include "fw/headless/Windowing.h"

namespace fw {

bool CDC::Impl::Visible(int sx, int sy) const {
    if (!headless::PointInRect(clip, sx, sy)) {
        return false;
    }
    for (const RECT& r : above) {
        if (headless::PointInRect(r, sx, sy)) {
            return false;
        }
    }
    return true;
}

void CDC::Impl::Attach(CDC& dc) {
    owner = &dc;
    dc.m_pImpl = this;
    dc.m_hDC = reinterpret_cast<HDC>(this);
    dc.m_pixels = headless::PixelsOf(*this);
    // The screen's own pixels need no copying back.
    dc.m_bRecordChanges = !copy.empty();
}

CDC::~CDC() { headless::CloseDc(m_pImpl, m_changed); }

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (m_pImpl == nullptr || icon == nullptr) {
        return FALSE;
    }
    headless::TheWorld().drawnIcons.push_back(headless::DrawnIcon{m_pImpl->hWnd, x, y, icon});
    return TRUE;
}

CClientDC::CClientDC(CWnd* pWnd) {
    headless::WindowRecord* record = pWnd != nullptr ? headless::FindWindow(pWnd->m_hWnd) : nullptr;
    headless::OpenDc(record != nullptr ? record->hWnd : nullptr,
                     record != nullptr ? headless::MakeRect(0, 0, record->Width(), record->Height()) : RECT())
        ->Attach(*this);
}

CClientDC::~CClientDC() = default;

CPaintDC::CPaintDC(CWnd* pWnd) {
    const HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    headless::WindowRecord* record = headless::FindWindow(hWnd);
    headless::OpenDc(record != nullptr ? hWnd : nullptr, record != nullptr ? record->invalid : RECT())->Attach(*this);
    m_ps = headless::BeginPaint(record != nullptr ? hWnd : nullptr, m_pImpl);
}

CPaintDC::~CPaintDC() = default;

}  // namespace fw

namespace fw::headless {

CDC::Impl* OpenDc(HWND hWnd, const RECT& clientClip) {
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
    const Screen& screen = TheWorld().screen;
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

tidewell::PixelView PixelsOf(CDC::Impl& impl) {
    const RECT& clip = impl.clip;
    if (IsEmptyRect(clip)) {
        return tidewell::PixelView();
    }
    const tidewell::SurfaceRect readable{clip.left - impl.origin.x, clip.top - impl.origin.y,
                                         clip.right - impl.origin.x, clip.bottom - impl.origin.y};
    Screen& screen = TheWorld().screen;
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

void CloseDc(CDC::Impl* impl, const DirtyRegion& changed) {
    if (impl == nullptr) {
        return;
    }
    if (!impl->copy.empty()) {
        const int width = impl->clip.right - impl->clip.left;
        Screen& screen = TheWorld().screen;
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

namespace {

// The paint of the platform's default processing: a CPaintDC for a window
// that may have no object of its own.
class DefaultPaintDc : public CDC {
public:
    explicit DefaultPaintDc(HWND hWnd) {
        OpenDc(hWnd, FindWindow(hWnd) != nullptr ? FindWindow(hWnd)->invalid : RECT())->Attach(*this);
        BeginPaint(hWnd, m_pImpl);
    }
};

}  // namespace

void ValidateByPainting(HWND hWnd) { DefaultPaintDc dc(hWnd); }

// A brush handle carries its colour, one above, so that black is not null.
HBRUSH BrushFromColour(COLORREF colour) {
    return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(colour) + 1u);
}

COLORREF BrushColour(HBRUSH brush) {
    return static_cast<COLORREF>(reinterpret_cast<std::uintptr_t>(brush) - 1u);
}

}  // namespace fw::headless
