// CWnd's and CScrollBar's platform side on the headless backend.
#include <algorithm>

#include "fw/Controls.h"
#include "fw/Wnd.h"
#include "fw/headless/Windowing.h"

namespace fw {

using headless::FindWindow;
using headless::WindowRecord;

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* className, const char* windowName, DWORD dwStyle, int x, int y,
                    int width, int height, HWND hWndParent, UINT_PTR nIDorHMenu, void* lpParam) {
    if (m_hWnd != nullptr) {
        return FALSE;  // already bound to a window
    }
    // On failure the object may already have deleted itself: not touched.
    return headless::CreateWindowFor(this, dwExStyle, className, windowName, dwStyle, x, y, width, height,
                                     hWndParent, static_cast<int>(nIDorHMenu), lpParam) != nullptr
               ? TRUE
               : FALSE;
}

BOOL CWnd::DestroyWindow() { return headless::Destroy(m_hWnd); }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (FindWindow(m_hWnd) == nullptr) {
        return FALSE;
    }
    return headless::Post(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return headless::Send(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* /*lpfnTimer*/) {
    if (FindWindow(m_hWnd) == nullptr) {
        return 0;
    }
    headless::World& world = headless::TheWorld();
    // Below the platform's minimum the default tick applies.
    const std::uint64_t period =
        nElapse < 10 ? headless::kDefaultTimerPeriodMicroseconds : static_cast<std::uint64_t>(nElapse) * 1000u;
    KillTimer(nIDEvent);
    world.timers.push_back(headless::Timer{m_hWnd, nIDEvent, period, world.clock.Now() + period,
                                           world.nextTimerOrder++});
    return nIDEvent != 0 ? nIDEvent : 1;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    std::vector<headless::Timer>& timers = headless::TheWorld().timers;
    const auto before = timers.size();
    const HWND hWnd = m_hWnd;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hWnd, nIDEvent](const headless::Timer& t) { return t.hWnd == hWnd && t.id == nIDEvent; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

void CWnd::GetClientRect(RECT* rect) const {
    if (rect == nullptr) {
        return;
    }
    const WindowRecord* record = FindWindow(m_hWnd);
    *rect = record != nullptr ? headless::MakeRect(0, 0, record->Width(), record->Height()) : RECT();
}

void CWnd::GetWindowRect(RECT* rect) const {
    if (rect == nullptr) {
        return;
    }
    const WindowRecord* record = FindWindow(m_hWnd);
    *rect = record != nullptr ? record->rect : RECT();
}

void CWnd::ScreenToClient(POINT* point) const {
    const WindowRecord* record = FindWindow(m_hWnd);
    if (point == nullptr || record == nullptr) {
        return;
    }
    point->x -= record->rect.left;
    point->y -= record->rect.top;
}

void CWnd::ScreenToClient(RECT* rect) const {
    const WindowRecord* record = FindWindow(m_hWnd);
    if (rect == nullptr || record == nullptr) {
        return;
    }
    *rect = headless::OffsetRectBy(*rect, -record->rect.left, -record->rect.top);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    WindowRecord* record = FindWindow(m_hWnd);
    if (record == nullptr) {
        return;
    }
    const headless::Screen& screen = headless::TheWorld().screen;
    const RECT work = headless::MakeRect(0, 0, screen.Width(), screen.Height());
    RECT around = work;
    if (record->child) {
        if (const WindowRecord* parent = FindWindow(record->hWndParent)) {
            around = parent->rect;
        }
    } else {
        const HWND owner = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : record->hWndParent;
        const WindowRecord* ownerRecord = FindWindow(owner);
        if (ownerRecord != nullptr && ownerRecord->visible && !ownerRecord->iconic) {
            around = ownerRecord->rect;
        }
    }
    const int width = record->Width();
    const int height = record->Height();
    int left = around.left + (around.right - around.left - width) / 2;
    int top = around.top + (around.bottom - around.top - height) / 2;
    if (!record->child) {
        // Kept on the screen when it fits there.
        left = std::max(work.left, std::min(left, work.right - width));
        top = std::max(work.top, std::min(top, work.bottom - height));
    }
    headless::MoveTo(m_hWnd, headless::MakeRect(left, top, left + width, top + height));
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(headless::ChildWithId(m_hWnd, nID)); }

BOOL CWnd::IsIconic() const {
    const WindowRecord* record = FindWindow(m_hWnd);
    return record != nullptr && record->iconic ? TRUE : FALSE;
}

BOOL CWnd::IsWindow() const { return FindWindow(m_hWnd) != nullptr ? TRUE : FALSE; }

void CWnd::Invalidate(BOOL bErase) { headless::InvalidateAll(m_hWnd, bErase != FALSE); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    const WindowRecord* record = FindWindow(m_hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    switch (nCmdShow) {
        case SW_HIDE: headless::SetVisible(m_hWnd, false); break;
        case SW_MINIMIZE:
            headless::SetVisible(m_hWnd, true);
            headless::SetIconic(m_hWnd, true);
            break;
        case SW_RESTORE:
            headless::SetVisible(m_hWnd, true);
            headless::SetIconic(m_hWnd, false);
            break;
        default: headless::SetVisible(m_hWnd, true); break;
    }
    return wasVisible;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (WindowRecord* button = FindWindow(headless::ChildWithId(m_hWnd, nIDButton))) {
        button->check = nCheck;
    }
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    const WindowRecord* button = FindWindow(headless::ChildWithId(m_hWnd, nIDButton));
    return button != nullptr ? button->check : BST_UNCHECKED;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL /*bRedraw*/) {
    WindowRecord* bar = FindWindow(m_hWnd);
    if (bar == nullptr) {
        return;
    }
    bar->scrollMin = nMinPos;
    bar->scrollMax = nMaxPos;
    bar->scrollPos = std::max(std::min(nMinPos, nMaxPos), std::min(bar->scrollPos, std::max(nMinPos, nMaxPos)));
}

void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const {
    const WindowRecord* bar = FindWindow(m_hWnd);
    if (lpMinPos != nullptr) {
        *lpMinPos = bar != nullptr ? bar->scrollMin : 0;
    }
    if (lpMaxPos != nullptr) {
        *lpMaxPos = bar != nullptr ? bar->scrollMax : 0;
    }
}

int CScrollBar::SetScrollPos(int nPos, BOOL /*bRedraw*/) {
    WindowRecord* bar = FindWindow(m_hWnd);
    if (bar == nullptr) {
        return 0;
    }
    const int previous = bar->scrollPos;
    const int low = std::min(bar->scrollMin, bar->scrollMax);
    const int high = std::max(bar->scrollMin, bar->scrollMax);
    bar->scrollPos = std::max(low, std::min(nPos, high));
    return previous;
}

int CScrollBar::GetScrollPos() const {
    const WindowRecord* bar = FindWindow(m_hWnd);
    return bar != nullptr ? bar->scrollPos : 0;
}

}  // namespace fw
