// The window primitives of fw/Backend.h on the system's window manager.
#include <algorithm>

#include "fw/win32/Classes.h"
#include "fw/win32/WindowProcedure.h"

namespace fw::backend {

using win32::ToFw;
using win32::ToWin;

namespace {

// Where the window will be on the screen: the screen picture under it is
// taken before it exists.
::RECT ScreenRectOf(const WindowCreation& c) {
    ::POINT origin{c.rect.left, c.rect.top};
    if (c.parent != nullptr && (c.style & WS_CHILD) != 0) {
        ::ClientToScreen(ToWin(c.parent), &origin);
    }
    return ::RECT{origin.x, origin.y, origin.x + std::max<LONG>(c.rect.Width(), 0),
                  origin.y + std::max<LONG>(c.rect.Height(), 0)};
}

}  // namespace

HWND MakeWindow(CWnd& object, const WindowCreation& c) {
    auto firstPicture = win32::CaptureScreen(ScreenRectOf(c));
    ::HWND hWnd = nullptr;
    {
        win32::CreationScope scope(object, std::move(firstPicture));
        hWnd = ::CreateWindowExA(c.exStyle, c.className, c.text, c.style, c.rect.left, c.rect.top, c.rect.Width(),
                                 c.rect.Height(), ToWin(c.parent),
                                 reinterpret_cast<::HMENU>(static_cast<std::intptr_t>(c.id)), win32::ProgramModule(),
                                 c.param);
    }
    // A failed creation may have destroyed (and deleted) the object already.
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (!win32::IsFrameworkClass(c.className)) {
        win32::Subclass(hWnd, object);
    }
    return ToFw(hWnd);
}

BOOL DestroyWindow(HWND hWnd) { return ::DestroyWindow(ToWin(hWnd)) ? TRUE : FALSE; }

BOOL IsWindow(HWND hWnd) { return ::IsWindow(ToWin(hWnd)) ? TRUE : FALSE; }

BOOL ShowWindow(HWND hWnd, int nCmdShow) { return ::ShowWindow(ToWin(hWnd), nCmdShow) ? TRUE : FALSE; }

BOOL IsVisible(HWND hWnd) { return ::IsWindowVisible(ToWin(hWnd)) ? TRUE : FALSE; }

BOOL IsIconic(HWND hWnd) { return ::IsIconic(ToWin(hWnd)) ? TRUE : FALSE; }

BOOL IsChild(HWND hWnd) { return (::GetWindowLongA(ToWin(hWnd), GWL_STYLE) & WS_CHILD) != 0 ? TRUE : FALSE; }

HWND ParentOrOwner(HWND hWnd) {
    return ToFw(IsChild(hWnd) ? ::GetParent(ToWin(hWnd)) : ::GetWindow(ToWin(hWnd), GW_OWNER));
}

void MoveWindow(HWND hWnd, const RECT& rect) {
    ::SetWindowPos(ToWin(hWnd), nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WindowRect(HWND hWnd) {
    ::RECT r{0, 0, 0, 0};
    if (hWnd != nullptr) {
        ::GetWindowRect(ToWin(hWnd), &r);
    }
    return ToFw(r);
}

RECT ClientRect(HWND hWnd) {
    ::RECT r{0, 0, 0, 0};
    if (hWnd != nullptr) {
        ::GetClientRect(ToWin(hWnd), &r);
    }
    return ToFw(r);
}

POINT ClientOrigin(HWND hWnd) {
    ::POINT p{0, 0};
    if (hWnd != nullptr) {
        ::ClientToScreen(ToWin(hWnd), &p);
    }
    return POINT{p.x, p.y};
}

void Invalidate(HWND hWnd, BOOL erase) { ::InvalidateRect(ToWin(hWnd), nullptr, erase); }

HWND ChildWithId(HWND hParent, int id) { return ToFw(::GetDlgItem(ToWin(hParent), id)); }

}  // namespace fw::backend
