#include "window/FullScreenWnd.h"

#include <algorithm>

#include "fw/Rect.h"

namespace tidewell {

CFullScreenWnd::CFullScreenWnd()
    : CParticleWnd(fw::TRUE), m_group(std::make_shared<FullScreenGroup>()), m_ptFirst(m_group->m_ptFirst) {
    m_group->Join(this);
}

CFullScreenWnd::CFullScreenWnd(std::shared_ptr<FullScreenGroup> group, const fw::RECT& rcMonitor, unsigned monitorIndex)
    : CParticleWnd(fw::TRUE, rcMonitor, monitorIndex), m_group(std::move(group)), m_ptFirst(m_group->m_ptFirst) {
    m_group->Join(this);
}

CFullScreenWnd::~CFullScreenWnd() { m_group->Leave(this); }

fw::BOOL CFullScreenWnd::CreateFullScreen() {
    return CreateParticleWindow(fw::WS_EX_TOPMOST, fw::WS_POPUP | fw::WS_VISIBLE, ScreenRect(), nullptr);
}

CFullScreenWnd* CFullScreenWnd::CoverMonitors(std::vector<fw::MonitorArea> monitors, bool allMonitors) {
    // A system may list no monitor at all (seen under Wine on an X screen
    // resized before the start): the screen the metrics give is then the one
    // monitor, and when even that is empty there is nothing to cover.
    monitors.erase(std::remove_if(monitors.begin(), monitors.end(),
                                  [](const fw::MonitorArea& monitor) { return fw::IsEmptyRect(monitor.rect); }),
                   monitors.end());
    if (monitors.empty()) {
        const fw::RECT screen{0, 0, fw::GetSystemMetrics(fw::SM_CXSCREEN), fw::GetSystemMetrics(fw::SM_CYSCREEN)};
        if (fw::IsEmptyRect(screen)) {
            return nullptr;
        }
        monitors.push_back(fw::MonitorArea{screen, true});
    }
    std::stable_partition(monitors.begin(), monitors.end(),
                          [](const fw::MonitorArea& monitor) { return monitor.primary; });
    if (!allMonitors && !monitors.empty()) {
        monitors.resize(1);
    }
    auto group = std::make_shared<FullScreenGroup>();
    group->m_bAllMonitors = allMonitors;
    return CoverUncovered(group, monitors);
}

CFullScreenWnd* CFullScreenWnd::CoverUncovered(const std::shared_ptr<FullScreenGroup>& group,
                                               const std::vector<fw::MonitorArea>& monitors) {
    CFullScreenWnd* pFirst = nullptr;
    for (const fw::MonitorArea& monitor : monitors) {
        if (group->Covers(monitor.rect)) {
            continue;
        }
        // Seeded by the order it joined, as if it had been there from the start.
        auto* pWnd = new CFullScreenWnd(group, monitor.rect, static_cast<unsigned>(group->Size()));
        if (pWnd->CreateFullScreen() && pFirst == nullptr) {
            pFirst = pWnd;
        }
    }
    return pFirst;
}

namespace {
bool g_coverMonitorsPluggedIn = false;
}  // namespace

void CFullScreenWnd::CoverMonitorsPluggedIn(bool bCover) { g_coverMonitorsPluggedIn = bCover; }

void CFullScreenWnd::OnDisplayChange(fw::UINT nBitsPerPixel, int cx, int cy) {
    // A monitor plugged in while the saver runs is covered too; each window
    // hears of it, and the first to act covers it for all.
    if (g_coverMonitorsPluggedIn && m_group->m_bAllMonitors) {
        CoverUncovered(m_group, fw::EnumMonitors());
    }
    CParticleWnd::OnDisplayChange(nBitsPerPixel, cx, cy);
}

// Closing always goes through the queue, so the handler that saw the input
// finishes before any window is destroyed.
void CFullScreenWnd::PostClose() { m_group->CloseAll(); }

void CFullScreenWnd::OnSysCommand(fw::UINT nID, fw::LPARAM lParam) {
    // Compared whole: a request to start the saver, or to close by the system
    // menu, must not act while the saver runs.
    if (nID == fw::SC_SCREENSAVE || nID == fw::SC_CLOSE) {
        return;
    }
    CParticleWnd::OnSysCommand(nID, lParam);
}

void CFullScreenWnd::OnDestroy() {
    if (m_group->IsLastWindow(this)) {
        fw::PostQuitMessage(0);
    } else if (fw::CWinApp* pApp = fw::AfxGetApp(); pApp != nullptr && pApp->m_pMainWnd == this) {
        // A monitor unplugged takes its window, not the saver: another
        // window of the group runs on as the main one.
        pApp->m_pMainWnd = m_group->AnotherWindow(this);
    }
    fw::CWnd::OnDestroy();
}

fw::BOOL CFullScreenWnd::OnSetCursor(fw::CWnd* /*pWnd*/, fw::UINT /*nHitTest*/, fw::UINT /*message*/) {
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
    // Activation moving to another of the saver's windows is no switch.
    if (nState == fw::WA_INACTIVE && !m_group->Contains(pWndOther)) {
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
    // In screen coordinates, so a move onto another monitor counts. The
    // window has no frame: its client area starts at its window rectangle.
    fw::RECT window;
    GetWindowRect(&window);
    fw::POINT onScreen;
    onScreen.x = point.x + window.left;
    onScreen.y = point.y + window.top;
    // The first message only says where the cursor rests.
    if (m_ptFirst.x == -1 && m_ptFirst.y == -1) {
        m_ptFirst = onScreen;
    } else if (onScreen.x != m_ptFirst.x || onScreen.y != m_ptFirst.y) {
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
