#pragma once
#include <memory>
#include <vector>

#include "window/FullScreenGroup.h"
#include "window/ParticleWnd.h"

namespace tidewell {

// The run-mode window: top-most over its screen, cursor hidden, closed by the
// first sign of the user. Always made on the heap.
class CFullScreenWnd : public CParticleWnd {
private:
    std::shared_ptr<FullScreenGroup> m_group;  // before m_ptFirst, which refers into it

public:
    // The only window of its saver, over the primary screen.
    CFullScreenWnd();
    // One of a saver's windows: over the monitor, seeded with its index.
    CFullScreenWnd(std::shared_ptr<FullScreenGroup> group, const fw::RECT& rcMonitor, unsigned monitorIndex);
    ~CFullScreenWnd() override;

    // Covers its screen. Returns the creation result; on FALSE the object has
    // already been deleted.
    fw::BOOL CreateFullScreen();

    // Covers the monitors (every one, or the primary only) with windows that
    // act as one saver. The primary's comes first, seeded as a lone saver's
    // window would be. A window that could not be made is left out. Returns
    // the primary's window, or the first one made; null when none was, or
    // when neither the monitors nor the system metrics give a screen.
    static CFullScreenWnd* CoverMonitors(std::vector<fw::MonitorArea> monitors, bool allMonitors);

    // Whether a monitor plugged in while the saver runs gets a window too
    // (the Linux program asks for it; off by default).
    static void CoverMonitorsPluggedIn(bool bCover);

    // The saver's first mouse position in screen coordinates, shared by all
    // its windows; (-1, -1) until the first mouse message.
    fw::POINT& m_ptFirst;

protected:
    void OnSysCommand(fw::UINT nID, fw::LPARAM lParam) override;
    void OnDestroy() override;
    fw::BOOL OnSetCursor(fw::CWnd* pWnd, fw::UINT nHitTest, fw::UINT message) override;
    fw::BOOL OnNcActivate(fw::BOOL bActive) override;
    void OnActivate(fw::UINT nState, fw::CWnd* pWndOther, fw::BOOL bMinimized) override;
    void OnActivateApp(fw::BOOL bActive, fw::DWORD dwThreadID) override;
    void OnDisplayChange(fw::UINT nBitsPerPixel, int cx, int cy) override;
    void OnMouseMove(fw::UINT nFlags, fw::POINT point) override;
    void OnLButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnMButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnRButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override;
    void OnSysKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override;

private:
    // Covers each monitor of the group's that no member covers yet.
    static CFullScreenWnd* CoverUncovered(const std::shared_ptr<FullScreenGroup>& group,
                                          const std::vector<fw::MonitorArea>& monitors);
    // Closes every window of the saver.
    void PostClose();
};

}  // namespace tidewell
