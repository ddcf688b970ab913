#include "window/FullScreenWnd.h"

namespace tidewell {

CFullScreenWnd::CFullScreenWnd() : CParticleWnd(fw::TRUE) {
    m_ptFirst.x = -1;
    m_ptFirst.y = -1;
}

CFullScreenWnd::~CFullScreenWnd() = default;

fw::BOOL CFullScreenWnd::CreateFullScreen() {
    fw::RECT rect;
    rect.left = 0;
    rect.top = 0;
    rect.right = fw::GetSystemMetrics(fw::SM_CXSCREEN);
    rect.bottom = fw::GetSystemMetrics(fw::SM_CYSCREEN);
    return CreateParticleWindow(fw::WS_EX_TOPMOST, fw::WS_POPUP | fw::WS_VISIBLE, rect, nullptr);
}

// Closing always goes through the queue, so the handler that saw the input
// finishes before the window is destroyed.
void CFullScreenWnd::PostClose() { PostMessage(fw::WM_CLOSE, 0, 0); }

void CFullScreenWnd::OnSysCommand(fw::UINT nID, fw::LPARAM lParam) {
    // Compared whole: a request to start the saver, or to close by the system
    // menu, must not act while the saver runs.
    if (nID == fw::SC_SCREENSAVE || nID == fw::SC_CLOSE) {
        return;
    }
    CParticleWnd::OnSysCommand(nID, lParam);
}

void CFullScreenWnd::OnDestroy() {
    fw::PostQuitMessage(0);
    fw::CWnd::OnDestroy();
}

fw::BOOL CFullScreenWnd::OnSetCursor(fw::CWnd* /*pWnd*/, fw::UINT /*nHitTest*/,
                                     fw::UINT /*message*/) {
    fw::SetCursor(nullptr);
    return fw::TRUE;
}

fw::BOOL CFullScreenWnd::OnNcActivate(fw::BOOL bActive) {
    if (!bActive) {
        return fw::FALSE;
    }
    return CParticleWnd::OnNcActivate(bActive);
}

void CFullScreenWnd::OnActivate(fw::UINT nState, fw::CWnd* pWndOther, fw::BOOL bMinimized) {
    if (nState == fw::WA_INACTIVE) {
        PostClose();
    }
    CParticleWnd::OnActivate(nState, pWndOther, bMinimized);
}

void CFullScreenWnd::OnActivateApp(fw::BOOL bActive, fw::DWORD dwThreadID) {
    if (!bActive) {
        PostClose();
    }
    CParticleWnd::OnActivateApp(bActive, dwThreadID);
}

void CFullScreenWnd::OnMouseMove(fw::UINT nFlags, fw::POINT point) {
    // The first message only says where the cursor rests.
    if (m_ptFirst.x == -1 && m_ptFirst.y == -1) {
        m_ptFirst = point;
    } else if (point.x != m_ptFirst.x || point.y != m_ptFirst.y) {
        PostClose();
    }
    CParticleWnd::OnMouseMove(nFlags, point);
}

void CFullScreenWnd::OnLButtonDown(fw::UINT nFlags, fw::POINT point) {
    PostClose();
    CParticleWnd::OnLButtonDown(nFlags, point);
}

void CFullScreenWnd::OnMButtonDown(fw::UINT nFlags, fw::POINT point) {
    PostClose();
    CParticleWnd::OnMButtonDown(nFlags, point);
}

void CFullScreenWnd::OnRButtonDown(fw::UINT nFlags, fw::POINT point) {
    PostClose();
    CParticleWnd::OnRButtonDown(nFlags, point);
}

void CFullScreenWnd::OnKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) {
    PostClose();
    CParticleWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CFullScreenWnd::OnSysKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) {
    PostClose();
    CParticleWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

}  // namespace tidewell
