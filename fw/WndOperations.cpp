// CWnd's and CScrollBar's operations on their platform windows, written once
// on the backend's primitives.
#include <algorithm>

#include "fw/Backend.h"
#include "fw/Controls.h"
#include "fw/Rect.h"
#include "fw/Wnd.h"

namespace fw {

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* className, const char* windowName, DWORD dwStyle, int x, int y,
                    int width, int height, HWND hWndParent, UINT_PTR nIDorHMenu, void* lpParam) {
    if (m_hWnd != nullptr) {
        return FALSE;  // already bound to a window
    }
    backend::WindowCreation creation;
    creation.exStyle = dwExStyle;
    creation.className = className != nullptr ? className : detail::DefaultWindowClass();
    creation.text = windowName != nullptr ? windowName : "";
    creation.style = dwStyle;
    creation.rect = MakeRect(x, y, x + width, y + height);
    creation.parent = hWndParent;
    creation.id = static_cast<int>(nIDorHMenu);
    creation.param = lpParam;
    // On failure the object may already have deleted itself: not touched.
    return backend::MakeWindow(*this, creation) != nullptr ? TRUE : FALSE;
}

CREATESTRUCT detail::CreateStructFor(const backend::WindowCreation& creation) {
    CREATESTRUCT create;
    create.lpCreateParams = creation.param;
    create.hwndParent = creation.parent;
    create.x = creation.rect.left;
    create.y = creation.rect.top;
    create.cx = creation.rect.Width();
    create.cy = creation.rect.Height();
    create.style = static_cast<LONG>(creation.style);
    create.dwExStyle = creation.exStyle;
    return create;
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr ? backend::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return backend::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return backend::SendMessage(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* /*lpfnTimer*/) {
    return backend::SetTimer(m_hWnd, nIDEvent, nElapse);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return backend::KillTimer(m_hWnd, nIDEvent); }

void CWnd::GetClientRect(RECT* rect) const { *rect = backend::ClientRect(m_hWnd); }

void CWnd::GetWindowRect(RECT* rect) const { *rect = backend::WindowRect(m_hWnd); }

void CWnd::ScreenToClient(POINT* point) const {
    const POINT origin = backend::ClientOrigin(m_hWnd);
    point->x -= origin.x;
    point->y -= origin.y;
}

void CWnd::ScreenToClient(RECT* rect) const {
    const POINT origin = backend::ClientOrigin(m_hWnd);
    *rect = OffsetRectBy(*rect, -origin.x, -origin.y);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    if (m_hWnd == nullptr) {
        return;
    }
    // Over the owner (a child: its parent) when it shows, else over the work
    // area.
    const bool child = backend::IsChild(m_hWnd) != FALSE;
    const HWND over = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : backend::ParentOrOwner(m_hWnd);
    const RECT area = backend::WorkArea();
    RECT target = area;
    if (over != nullptr && backend::IsVisible(over) && !backend::IsIconic(over)) {
        target = backend::WindowRect(over);
    }
    const RECT own = backend::WindowRect(m_hWnd);
    const int width = own.Width();
    const int height = own.Height();
    int left = target.left + (target.Width() - width) / 2;
    int top = target.top + (target.Height() - height) / 2;
    if (!child) {
        // Stay on the work area where it fits.
        left = std::max<int>(area.left, std::min<int>(left, area.right - width));
        top = std::max<int>(area.top, std::min<int>(top, area.bottom - height));
    } else {
        const POINT origin = backend::ClientOrigin(backend::ParentOrOwner(m_hWnd));
        left -= origin.x;
        top -= origin.y;
    }
    backend::MoveWindow(m_hWnd, MakeRect(left, top, left + width, top + height));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_hWnd != nullptr ? FromHandle(backend::ChildWithId(m_hWnd, nID)) : nullptr;
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr ? backend::IsIconic(m_hWnd) : FALSE; }

BOOL CWnd::IsWindow() const { return m_hWnd != nullptr ? backend::IsWindow(m_hWnd) : FALSE; }

void CWnd::Invalidate(BOOL bErase) { backend::Invalidate(m_hWnd, bErase); }

BOOL CWnd::ShowWindow(int nCmdShow) { return backend::ShowWindow(m_hWnd, nCmdShow); }

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (const HWND button = backend::ChildWithId(m_hWnd, nIDButton)) {
        backend::SetButtonCheck(button, nCheck);
    }
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    const HWND button = backend::ChildWithId(m_hWnd, nIDButton);
    return button != nullptr ? backend::ButtonCheck(button) : BST_UNCHECKED;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
    backend::SetScrollRange(m_hWnd, nMinPos, nMaxPos, bRedraw);
}

void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const {
    int minPos = 0;
    int maxPos = 0;
    backend::GetScrollRange(m_hWnd, &minPos, &maxPos);
    if (lpMinPos != nullptr) {
        *lpMinPos = minPos;
    }
    if (lpMaxPos != nullptr) {
        *lpMaxPos = maxPos;
    }
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return backend::SetScrollPos(m_hWnd, nPos, bRedraw); }

int CScrollBar::GetScrollPos() const { return backend::ScrollPos(m_hWnd); }

}  // namespace fw
