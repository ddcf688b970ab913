#pragma once
#include "fw/Messages.h"
#include "fw/Types.h"

namespace fw {

class CScrollBar;

// A window object bound to a platform window. Each handled message arrives at
// a virtual handler; every handler's base version runs the platform's default
// processing for the message being handled, and Default() runs it explicitly.
class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // className null: the framework's default class (arrow cursor, no brush).
    // (x, y) is in the parent's client coordinates, or the screen's.
    virtual BOOL CreateEx(DWORD dwExStyle, const char* className, const char* windowName, DWORD dwStyle, int x, int y,
                          int width, int height, HWND hWndParent, UINT_PTR nIDorHMenu, void* lpParam = nullptr);
    BOOL DestroyWindow();

    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // elapse 0: the platform's shortest period.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;  // screen coordinates
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    // Centres over the owner, or over the screen's work area without one.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    CWnd* GetDlgItem(int nID) const;
    BOOL IsIconic() const;
    BOOL IsWindow() const;  // a live platform window is attached
    void Invalidate(BOOL bErase = TRUE);
    BOOL ShowWindow(int nCmdShow);
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;

    // The object attached to hWnd, or a temporary object that lives until the
    // process ends; null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The attached object only, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds an existing platform window to this object (controls of dialogs).
    BOOL Attach(HWND hWnd);
    HWND Detach();

    // The platform calls this for every message of an attached window.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Default processing of the message being handled now, through
    // DefWindowProc.
    LRESULT Default();
    // The platform's own handling of a message; a subclass may put its own
    // in front.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual int OnCreate(CREATESTRUCT* lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnPaint();
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual BOOL OnNcActivate(BOOL bActive);
    virtual void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    virtual void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    // The monitors changed (one was added, removed or resized).
    virtual void OnDisplayChange(UINT nBitsPerPixel, int cx, int cy);
    virtual void OnMouseMove(UINT nFlags, POINT point);
    virtual void OnLButtonDown(UINT nFlags, POINT point);
    virtual void OnMButtonDown(UINT nFlags, POINT point);
    virtual void OnRButtonDown(UINT nFlags, POINT point);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual HCURSOR OnQueryDragIcon();
    // TRUE when handled; the base runs default processing and returns TRUE.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // After the window's last message; the object may delete itself here.
    virtual void PostNcDestroy();
};

}  // namespace fw
