// CWnd's calls into the window system.
#include <algorithm>

#include "fw/win32/WindowClasses.h"
#include "fw/win32/WindowProcedure.h"

namespace fw {

using win32::ToFw;
using win32::ToWin;

namespace {

// Where the window will be on the screen: the screen picture under it is
// taken before it exists.
::RECT ScreenRectOf(int x, int y, int width, int height, HWND hWndParent, DWORD dwStyle) {
    ::POINT origin{x, y};
    if (hWndParent != nullptr && (dwStyle & WS_CHILD) != 0) ::ClientToScreen(ToWin(hWndParent), &origin);
    return ::RECT{origin.x, origin.y, origin.x + std::max(width, 0), origin.y + std::max(height, 0)};
}

}  // namespace

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* className, const char* windowName, DWORD dwStyle, int x, int y,
                    int width, int height, HWND hWndParent, UINT_PTR nIDorHMenu, void* lpParam) {
    if (className == nullptr) className = win32::DefaultWindowClass();
    auto firstPicture = win32::CaptureScreen(ScreenRectOf(x, y, width, height, hWndParent, dwStyle));
    ::HWND hWnd = nullptr;
    {
        win32::CreationScope scope(*this, std::move(firstPicture));
        hWnd = ::CreateWindowExA(dwExStyle, className, windowName != nullptr ? windowName : "", dwStyle, x, y, width,
                                 height, ToWin(hWndParent), reinterpret_cast<::HMENU>(nIDorHMenu),
                                 win32::ProgramModule(), lpParam);
    }
    // A failed creation may have destroyed (and deleted) this object already.
    if (hWnd == nullptr) return FALSE;
    if (!win32::IsFrameworkClass(className)) win32::Subclass(hWnd, *this);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(ToWin(m_hWnd)) ? TRUE : FALSE;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(ToWin(m_hWnd), message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(ToWin(m_hWnd), message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer) {
    // A period below the system's minimum (0 included) runs at the minimum.
    return ::SetTimer(ToWin(m_hWnd), nIDEvent, nElapse, reinterpret_cast<::TIMERPROC>(lpfnTimer));
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(ToWin(m_hWnd), nIDEvent) ? TRUE : FALSE; }

void CWnd::GetClientRect(RECT* rect) const {
    ::RECT r{0, 0, 0, 0};
    if (m_hWnd != nullptr) ::GetClientRect(ToWin(m_hWnd), &r);
    *rect = ToFw(r);
}

void CWnd::GetWindowRect(RECT* rect) const {
    ::RECT r{0, 0, 0, 0};
    if (m_hWnd != nullptr) ::GetWindowRect(ToWin(m_hWnd), &r);
    *rect = ToFw(r);
}

void CWnd::ScreenToClient(POINT* point) const {
    ::POINT p{point->x, point->y};
    ::ScreenToClient(ToWin(m_hWnd), &p);
    point->x = p.x;
    point->y = p.y;
}

void CWnd::ScreenToClient(RECT* rect) const {
    POINT topLeft;
    topLeft.x = rect->left;
    topLeft.y = rect->top;
    POINT bottomRight;
    bottomRight.x = rect->right;
    bottomRight.y = rect->bottom;
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    rect->left = topLeft.x;
    rect->top = topLeft.y;
    rect->right = bottomRight.x;
    rect->bottom = bottomRight.y;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    ::HWND hWnd = ToWin(m_hWnd);
    if (hWnd == nullptr) return;
    const bool child = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
    ::HWND over = pAlternateOwner != nullptr ? ToWin(pAlternateOwner->m_hWnd)
                                             : (child ? ::GetParent(hWnd) : ::GetWindow(hWnd, GW_OWNER));

    ::RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ::RECT target = area;
    if (over != nullptr && ::IsWindowVisible(over) && !::IsIconic(over)) ::GetWindowRect(over, &target);

    ::RECT own{};
    ::GetWindowRect(hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int left = target.left + (target.right - target.left - width) / 2;
    int top = target.top + (target.bottom - target.top - height) / 2;
    if (!child) {
        // Stay on the work area where it fits.
        left = std::max<int>(area.left, std::min<int>(left, area.right - width));
        top = std::max<int>(area.top, std::min<int>(top, area.bottom - height));
    } else {
        ::POINT p{left, top};
        ::ScreenToClient(::GetParent(hWnd), &p);
        left = p.x;
        top = p.y;
    }
    ::SetWindowPos(hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CWnd* CWnd::GetDlgItem(int nID) const {
    if (m_hWnd == nullptr) return nullptr;
    return FromHandle(ToFw(::GetDlgItem(ToWin(m_hWnd), nID)));
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && ::IsIconic(ToWin(m_hWnd)) ? TRUE : FALSE; }

BOOL CWnd::IsWindow() const { return m_hWnd != nullptr && ::IsWindow(ToWin(m_hWnd)) ? TRUE : FALSE; }

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(ToWin(m_hWnd), nullptr, bErase); }

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(ToWin(m_hWnd), nCmdShow) ? TRUE : FALSE; }

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(ToWin(m_hWnd), nIDButton, nCheck); }

UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(ToWin(m_hWnd), nIDButton); }

}  // namespace fw
