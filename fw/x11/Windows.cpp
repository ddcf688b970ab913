// The window primitives of fw/Backend.h on the X server. Our windows have
// records; other clients' windows (a host's) are only looked at.
#include <algorithm>
#include <cstring>

#include "fw/Rect.h"
#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/MessageQueue.h"
#include "fw/x11/Classes.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

using x11::ToFw;
using x11::ToX;
using x11::X;

namespace {

constexpr long kEvents =
    ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask | PointerMotionMask | FocusChangeMask;

bool Geometry(HWND hWnd, ::XWindowAttributes& attributes) {
    if (hWnd == nullptr || !x11::Connected()) {
        return false;
    }
    x11::ErrorTrap trap;
    const bool ok = ::XGetWindowAttributes(X().display, ToX(hWnd), &attributes) != 0;
    return !trap.Failed() && ok;
}

::Window CreateXWindow(DWORD style, const RECT& rect, ::Window parent, bool topLevel) {
    x11::Connection& c = X();
    ::XSetWindowAttributes attributes = {};
    attributes.background_pixmap = None;  // nothing erased: what was there stays
    attributes.border_pixel = 0;
    attributes.colormap = DefaultColormap(c.display, c.screen);
    attributes.event_mask = kEvents;
    // A pop-up over the screen, and a window drawn on the root window as the
    // desktop, are no windows for a window manager to frame.
    attributes.override_redirect =
        (topLevel && (style & WS_POPUP) != 0) || (!topLevel && parent == c.root) ? True : False;
    x11::ErrorTrap trap;
    const ::Window window =
        ::XCreateWindow(c.display, parent, rect.left, rect.top, static_cast<unsigned>(std::max<LONG>(rect.Width(), 1)),
                        static_cast<unsigned>(std::max<LONG>(rect.Height(), 1)), 0, DefaultDepth(c.display, c.screen),
                        InputOutput, DefaultVisual(c.display, c.screen),
                        CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask | CWOverrideRedirect, &attributes);
    return trap.Failed() ? 0 : window;
}

// What a window manager and a task list show of a top-level window; a
// framed one also gets the close button's protocol and size hints.
void NameTopLevelWindow(::Window window, const char* title, bool framed) {
    ::Display* display = X().display;
    ::XStoreName(display, window, title);
    ::XChangeProperty(display, window, ::XInternAtom(display, "_NET_WM_NAME", False),
                      ::XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(title), static_cast<int>(std::strlen(title)));
    ::XClassHint hint = {const_cast<char*>("tidewell"), const_cast<char*>("Tidewell")};
    ::XSetClassHint(display, window, &hint);
    if (!framed) {
        return;
    }
    ::Atom protocols[] = {X().wmDeleteWindow};
    ::XSetWMProtocols(display, window, protocols, 1);
    // Any size from a small square up: the field is made anew for each.
    ::XSizeHints size = {};
    size.flags = PMinSize;
    size.min_width = 64;
    size.min_height = 64;
    ::XSetWMNormalHints(display, window, &size);
}

// A window made in another client's window covers it at every size: the
// host's size changes reach us as ConfigureNotify (see EventLoop.cpp).
void FollowHostSize(::Window host) {
    x11::ErrorTrap trap;
    ::XWindowAttributes attributes;
    if (host != X().root && ::XGetWindowAttributes(X().display, host, &attributes) != 0) {
        ::XSelectInput(X().display, host, attributes.your_event_mask | StructureNotifyMask);
    }
    trap.Failed();
}

}  // namespace

HWND MakeWindow(CWnd& object, const WindowCreation& c) {
    const bool topLevel = (c.style & WS_CHILD) == 0;
    if (!x11::Connected() || (!topLevel && c.parent == nullptr)) {
        return nullptr;
    }
    // A top-level window's owner means nothing to X: it is the root's child,
    // destroyed before its owner all the same.
    const ::Window parent = topLevel ? X().root : ToX(c.parent);
    const ::Window window = CreateXWindow(c.style, c.rect, parent, topLevel);
    if (window == 0) {
        return nullptr;
    }

    x11::WindowRecord& record = x11::AddRecord(window);
    record.parent = topLevel ? 0 : parent;
    record.owner = topLevel && x11::RecordOf(c.parent) != nullptr ? ToX(c.parent) : 0;
    record.topLevel = topLevel;
    record.takesFocus = topLevel && (c.style & WS_POPUP) != 0;
    record.width = std::max<LONG>(c.rect.Width(), 0);
    record.height = std::max<LONG>(c.rect.Height(), 0);
    record.invalid = MakeRect(0, 0, record.width, record.height);
    record.image = std::make_unique<x11::WindowImage>(record.width, record.height);
    // Taken now, before the window covers what it shows.
    if (x11::RecordOf(c.parent) == nullptr) {
        x11::LoadDesktopPicture(parent, topLevel, c.rect.left, c.rect.top, *record.image);
    }
    record.gc = ::XCreateGC(X().display, window, 0, nullptr);
    record.cursor = x11::ClassCursor(c.className);
    if (record.cursor != 0) {
        ::XDefineCursor(X().display, window, record.cursor);
    }
    if (topLevel) {
        NameTopLevelWindow(window, *c.text != '\0' ? c.text : "Tidewell", (c.style & WS_POPUP) == 0);
    } else if (x11::RecordOf(c.parent) == nullptr) {
        FollowHostSize(parent);
    }
    object.Attach(ToFw(window));

    CREATESTRUCT create = detail::CreateStructFor(c);
    if (detail::DeliverMessage(object, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        // The object may be deleted by its last message: not touched after.
        x11::DestroyOurWindow(window, false);
        return nullptr;
    }
    detail::DeliverMessage(object, WM_SIZE, SIZE_RESTORED,
                           MAKELPARAM(static_cast<unsigned>(record.width), static_cast<unsigned>(record.height)));
    if ((c.style & WS_VISIBLE) != 0) {
        ShowWindow(ToFw(window), SW_SHOW);
    }
    return x11::RecordOf(ToFw(window)) != nullptr ? ToFw(window) : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    // Another client's window is not ours to destroy.
    if (x11::RecordOf(hWnd) == nullptr) {
        return FALSE;
    }
    x11::DestroyOurWindow(ToX(hWnd), false);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    if (const x11::WindowRecord* record = x11::RecordOf(hWnd)) {
        return record->destroying ? FALSE : TRUE;
    }
    ::XWindowAttributes attributes;
    return Geometry(hWnd, attributes) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    record->visible = nCmdShow != SW_HIDE;
    if (record->visible && !record->topLevel && record->parent == X().root) {
        // Drawn on the root window: under every other window, as the desktop.
        ::XMapWindow(X().display, record->window);
        ::XLowerWindow(X().display, record->window);
    } else if (record->visible) {
        ::XMapRaised(X().display, record->window);
    } else {
        ::XUnmapWindow(X().display, record->window);
    }
    return wasVisible;
}

BOOL IsVisible(HWND hWnd) {
    if (const x11::WindowRecord* record = x11::RecordOf(hWnd)) {
        return record->visible ? TRUE : FALSE;
    }
    ::XWindowAttributes attributes;
    return Geometry(hWnd, attributes) && attributes.map_state == IsViewable ? TRUE : FALSE;
}

// Nothing here is ever minimised.
BOOL IsIconic(HWND /*hWnd*/) { return FALSE; }

BOOL IsChild(HWND hWnd) {
    const x11::WindowRecord* record = x11::RecordOf(hWnd);
    return record != nullptr && !record->topLevel ? TRUE : FALSE;
}

HWND ParentOrOwner(HWND hWnd) {
    const x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr) {
        return nullptr;
    }
    return ToFw(record->parent != 0 ? record->parent : record->owner);
}

void MoveWindow(HWND hWnd, const RECT& rect) {
    // The new size reaches the window through ConfigureNotify, as WM_SIZE.
    if (x11::RecordOf(hWnd) == nullptr) {
        return;
    }
    ::XMoveResizeWindow(X().display, ToX(hWnd), rect.left, rect.top,
                        static_cast<unsigned>(std::max<LONG>(rect.Width(), 1)),
                        static_cast<unsigned>(std::max<LONG>(rect.Height(), 1)));
}

RECT ClientRect(HWND hWnd) {
    if (const x11::WindowRecord* record = x11::RecordOf(hWnd)) {
        return MakeRect(0, 0, record->width, record->height);
    }
    ::XWindowAttributes attributes;
    return Geometry(hWnd, attributes) ? MakeRect(0, 0, attributes.width, attributes.height) : RECT();
}

POINT ClientOrigin(HWND hWnd) {
    POINT origin;
    ::Window ignored = 0;
    if (x11::Connected() && hWnd != nullptr) {
        x11::ErrorTrap trap;
        ::XTranslateCoordinates(X().display, ToX(hWnd), X().root, 0, 0, &origin.x, &origin.y, &ignored);
    }
    return origin;
}

// No frames on our windows: the window is its client area.
RECT WindowRect(HWND hWnd) {
    const POINT origin = ClientOrigin(hWnd);
    return OffsetRectBy(ClientRect(hWnd), origin.x, origin.y);
}

void Invalidate(HWND hWnd, BOOL /*erase*/) {
    if (x11::WindowRecord* record = x11::RecordOf(hWnd)) {
        record->invalid = MakeRect(0, 0, record->width, record->height);
    }
}

// No controls on this backend.
HWND ChildWithId(HWND /*hParent*/, int /*id*/) { return nullptr; }

}  // namespace fw::x11
