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

CDC::~CDC() { headless::CloseDc(m_pImpl); }

COLORREF CDC::GetPixel(int x, int y) const {
    if (m_pImpl == nullptr) {
        return CLR_INVALID;
    }
    const int sx = m_pImpl->origin.x + x;
    const int sy = m_pImpl->origin.y + y;
    return m_pImpl->Visible(sx, sy) ? headless::TheWorld().screen.Get(sx, sy) : CLR_INVALID;
}

BOOL CDC::SetPixelV(int x, int y, COLORREF colour) {
    if (m_pImpl == nullptr) {
        return FALSE;
    }
    const int sx = m_pImpl->origin.x + x;
    const int sy = m_pImpl->origin.y + y;
    if (m_pImpl->Visible(sx, sy)) {
        headless::TheWorld().screen.Set(sx, sy, colour);
    }
    return TRUE;  // the platform reports success for a clipped pixel as well
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (m_pImpl == nullptr || rect == nullptr || brush == nullptr) {
        return;
    }
    const RECT target = headless::IntersectRects(
        headless::OffsetRectBy(*rect, m_pImpl->origin.x, m_pImpl->origin.y), m_pImpl->clip);
    headless::Screen& screen = headless::TheWorld().screen;
    for (int sy = target.top; sy < target.bottom; ++sy) {
        for (int sx = target.left; sx < target.right; ++sx) {
            if (m_pImpl->above.empty() || m_pImpl->Visible(sx, sy)) {
                screen.Set(sx, sy, brush->GetColor());
            }
        }
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (m_pImpl == nullptr || icon == nullptr) {
        return FALSE;
    }
    headless::TheWorld().drawnIcons.push_back(headless::DrawnIcon{m_pImpl->hWnd, x, y, icon});
    return TRUE;
}

CClientDC::CClientDC(CWnd* pWnd) {
    headless::WindowRecord* record = pWnd != nullptr ? headless::FindWindow(pWnd->m_hWnd) : nullptr;
    m_pImpl = headless::OpenDc(record != nullptr ? record->hWnd : nullptr,
                               record != nullptr ? headless::MakeRect(0, 0, record->Width(), record->Height())
                                                 : RECT());
    m_hDC = reinterpret_cast<HDC>(m_pImpl);
}

CClientDC::~CClientDC() = default;

CPaintDC::CPaintDC(CWnd* pWnd) {
    const HWND hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    headless::WindowRecord* record = headless::FindWindow(hWnd);
    m_pImpl = headless::OpenDc(record != nullptr ? hWnd : nullptr, record != nullptr ? record->invalid : RECT());
    m_hDC = reinterpret_cast<HDC>(m_pImpl);
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

void CloseDc(CDC::Impl* impl) {
    if (impl == nullptr) {
        return;
    }
    TheWorld().liveDcs.erase(impl);
    delete impl;
}

bool FillThroughDc(HDC hDC, COLORREF colour) {
    auto* impl = reinterpret_cast<CDC::Impl*>(hDC);
    if (TheWorld().liveDcs.count(impl) == 0) {
        return false;
    }
    Screen& screen = TheWorld().screen;
    for (int sy = impl->clip.top; sy < impl->clip.bottom; ++sy) {
        for (int sx = impl->clip.left; sx < impl->clip.right; ++sx) {
            if (impl->Visible(sx, sy)) {
                screen.Set(sx, sy, colour);
            }
        }
    }
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

void ValidateByPainting(HWND hWnd) {
    CDC::Impl* impl = OpenDc(hWnd, FindWindow(hWnd) != nullptr ? FindWindow(hWnd)->invalid : RECT());
    BeginPaint(hWnd, impl);
    CloseDc(impl);
}

// A brush handle carries its colour, one above, so that black is not null.
HBRUSH BrushFromColour(COLORREF colour) {
    return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(colour) + 1u);
}

COLORREF BrushColour(HBRUSH brush) {
    return static_cast<COLORREF>(reinterpret_cast<std::uintptr_t>(brush) - 1u);
}

}  // namespace fw::headless
