#pragma once
#include "window/ParticleWnd.h"

namespace tidewell {

// The run-mode window: top-most over the primary screen, cursor hidden,
// closed by the first sign of the user. Always made on the heap.
class CFullScreenWnd : public CParticleWnd {
public:
    CFullScreenWnd();
    ~CFullScreenWnd() override;

    // Covers (0, 0, screen width, screen height). Returns the creation
    // result; on FALSE the object has already been deleted.
    fw::BOOL CreateFullScreen();

    fw::POINT m_ptFirst;  // (-1, -1) until the first mouse message

protected:
    void OnSysCommand(fw::UINT nID, fw::LPARAM lParam) override;
    void OnDestroy() override;
    fw::BOOL OnSetCursor(fw::CWnd* pWnd, fw::UINT nHitTest, fw::UINT message) override;
    fw::BOOL OnNcActivate(fw::BOOL bActive) override;
    void OnActivate(fw::UINT nState, fw::CWnd* pWndOther, fw::BOOL bMinimized) override;
    void OnActivateApp(fw::BOOL bActive, fw::DWORD dwThreadID) override;
    void OnMouseMove(fw::UINT nFlags, fw::POINT point) override;
    void OnLButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnMButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnRButtonDown(fw::UINT nFlags, fw::POINT point) override;
    void OnKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override;
    void OnSysKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override;

private:
    void PostClose();
};

}  // namespace tidewell
