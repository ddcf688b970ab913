// CWnd's calls into the X server. Our windows have records; other clients'
// windows (a host's) are only looked at.
#include <algorithm>

#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/MessageQueue.h"
#include "fw/x11/WindowClasses.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

using x11::ToFw;
using x11::ToX;
using x11::X;

namespace {

constexpr long kEvents =
    ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask | PointerMotionMask | FocusChangeMask;
// The frame timer's period 0 is the platform's shortest: 64 ticks a second.
constexpr double kShortestPeriodMs = 15.625;

bool Geometry(HWND hWnd, ::XWindowAttributes& attributes) {
    if (hWnd == nullptr || !x11::Connected()) return false;
    x11::ErrorTrap trap;
    const bool ok = ::XGetWindowAttributes(X().display, ToX(hWnd), &attributes) != 0;
    return !trap.Failed() && ok;
}

::Window MakeWindow(DWORD dwStyle, int x, int y, int width, int height, ::Window parent, bool topLevel) {
    x11::Connection& c = X();
    ::XSetWindowAttributes attributes = {};
    attributes.background_pixmap = None;  // nothing erased: what was there stays
    attributes.border_pixel = 0;
    attributes.colormap = DefaultColormap(c.display, c.screen);
    attributes.event_mask = kEvents;
    attributes.override_redirect = topLevel && (dwStyle & WS_POPUP) != 0 ? True : False;
    x11::ErrorTrap trap;
    const ::Window window = ::XCreateWindow(
        c.display, parent, x, y, static_cast<unsigned>(std::max(width, 1)), static_cast<unsigned>(std::max(height, 1)),
        0, DefaultDepth(c.display, c.screen), InputOutput, DefaultVisual(c.display, c.screen),
        CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask | CWOverrideRedirect, &attributes);
    return trap.Failed() ? 0 : window;
}

}  // namespace

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* className, const char* windowName, DWORD dwStyle, int x, int y,
                    int width, int height, HWND hWndParent, UINT_PTR /*nIDorHMenu*/, void* lpParam) {
    if (!x11::Connected() || m_hWnd != nullptr) return FALSE;
    const bool topLevel = hWndParent == nullptr;
    const ::Window parent = topLevel ? X().root : ToX(hWndParent);
    const ::Window window = MakeWindow(dwStyle, x, y, width, height, parent, topLevel);
    if (window == 0) return FALSE;

    x11::WindowRecord& record = x11::AddRecord(window);
    record.parent = topLevel ? 0 : parent;
    record.topLevel = topLevel;
    record.takesFocus = topLevel && (dwStyle & WS_POPUP) != 0;
    record.width = std::max(width, 0);
    record.height = std::max(height, 0);
    record.invalid = RECT{0, 0, record.width, record.height};
    record.image = std::make_unique<x11::WindowImage>(record.width, record.height);
    // Taken now, before the window covers what it shows.
    if (x11::RecordOf(hWndParent) == nullptr) x11::LoadDesktopPicture(parent, topLevel, x, y, *record.image);
    record.gc = ::XCreateGC(X().display, window, 0, nullptr);
    record.cursor = x11::ClassCursor(className);
    if (record.cursor != 0) ::XDefineCursor(X().display, window, record.cursor);
    if (topLevel && (dwStyle & WS_POPUP) == 0) {
        ::XStoreName(X().display, window, windowName != nullptr && *windowName != '\0' ? windowName : "Tidewell");
        ::Atom protocols[] = {X().wmDeleteWindow};
        ::XSetWMProtocols(X().display, window, protocols, 1);
    }
    Attach(ToFw(window));

    CREATESTRUCT create;
    create.lpCreateParams = lpParam;
    create.hwndParent = hWndParent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = static_cast<LONG>(dwStyle);
    create.dwExStyle = dwExStyle;
    if (detail::DeliverMessage(*this, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        // The object may be deleted by its last message: not touched after.
        x11::DestroyOurWindow(window, false);
        return FALSE;
    }
    detail::DeliverMessage(*this, WM_SIZE, SIZE_RESTORED,
                           MAKELPARAM(static_cast<unsigned>(record.width), static_cast<unsigned>(record.height)));
    if ((dwStyle & WS_VISIBLE) != 0) ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    // Another client's window is not ours to destroy.
    if (x11::RecordOf(m_hWnd) == nullptr) return FALSE;
    x11::DestroyOurWindow(ToX(m_hWnd), false);
    return TRUE;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (x11::RecordOf(m_hWnd) == nullptr) return FALSE;
    x11::Post(x11::PostedMessage{m_hWnd, message, wParam, lParam});
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(m_hWnd);
    return wnd != nullptr ? detail::DeliverMessage(*wnd, message, wParam, lParam) : 0;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* /*lpfnTimer*/) {
    x11::WindowRecord* record = x11::RecordOf(m_hWnd);
    if (record == nullptr || record->destroying) return 0;
    KillTimer(nIDEvent);
    const double period = std::max<double>(nElapse, kShortestPeriodMs);
    record->timers.push_back(x11::Timer{nIDEvent, period, x11::NowMs() + period});
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    x11::WindowRecord* record = x11::RecordOf(m_hWnd);
    if (record == nullptr) return FALSE;
    auto& timers = record->timers;
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const x11::Timer& t) { return t.id == nIDEvent; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

void CWnd::GetClientRect(RECT* rect) const {
    *rect = RECT();
    if (const x11::WindowRecord* record = x11::RecordOf(m_hWnd)) {
        *rect = RECT{0, 0, record->width, record->height};
        return;
    }
    ::XWindowAttributes attributes;
    if (Geometry(m_hWnd, attributes)) *rect = RECT{0, 0, attributes.width, attributes.height};
}

void CWnd::GetWindowRect(RECT* rect) const {
    GetClientRect(rect);
    POINT origin;
    ::Window ignored = 0;
    if (x11::Connected() && m_hWnd != nullptr) {
        x11::ErrorTrap trap;
        ::XTranslateCoordinates(X().display, ToX(m_hWnd), X().root, 0, 0, &origin.x, &origin.y, &ignored);
    }
    *rect = RECT{origin.x, origin.y, origin.x + rect->Width(), origin.y + rect->Height()};
}

void CWnd::ScreenToClient(POINT* point) const {
    ::Window ignored = 0;
    if (!x11::Connected() || m_hWnd == nullptr) return;
    x11::ErrorTrap trap;
    ::XTranslateCoordinates(X().display, X().root, ToX(m_hWnd), point->x, point->y, &point->x, &point->y, &ignored);
}

void CWnd::ScreenToClient(RECT* rect) const {
    POINT topLeft;
    topLeft.x = rect->left;
    topLeft.y = rect->top;
    ScreenToClient(&topLeft);
    *rect = RECT{topLeft.x, topLeft.y, topLeft.x + rect->Width(), topLeft.y + rect->Height()};
}

void CWnd::CenterWindow(CWnd* /*pAlternateOwner*/) {
    // Over the screen: the X11 program has no owned windows to centre on.
    RECT own;
    GetClientRect(&own);
    if (x11::RecordOf(m_hWnd) == nullptr) return;
    ::XMoveWindow(X().display, ToX(m_hWnd), (X().rootWidth - own.Width()) / 2, (X().rootHeight - own.Height()) / 2);
}

// No dialogs on this backend: no controls to find or check.
CWnd* CWnd::GetDlgItem(int /*nID*/) const { return nullptr; }
void CWnd::CheckDlgButton(int /*nIDButton*/, UINT /*nCheck*/) {}
UINT CWnd::IsDlgButtonChecked(int /*nIDButton*/) const { return 0; }

BOOL CWnd::IsIconic() const { return FALSE; }

BOOL CWnd::IsWindow() const {
    if (const x11::WindowRecord* record = x11::RecordOf(m_hWnd)) return record->destroying ? FALSE : TRUE;
    ::XWindowAttributes attributes;
    return Geometry(m_hWnd, attributes) ? TRUE : FALSE;
}

void CWnd::Invalidate(BOOL /*bErase*/) {
    if (x11::WindowRecord* record = x11::RecordOf(m_hWnd)) {
        record->invalid = RECT{0, 0, record->width, record->height};
    }
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    x11::WindowRecord* record = x11::RecordOf(m_hWnd);
    if (record == nullptr) return FALSE;
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    record->visible = nCmdShow != SW_HIDE;
    if (record->visible) {
        ::XMapRaised(X().display, record->window);
    } else {
        ::XUnmapWindow(X().display, record->window);
    }
    return wasVisible;
}

}  // namespace fw
