#pragma once
#include "fw/Wnd.h"

namespace fw {

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls -> members
    CWnd* m_pDlgWnd;
};

// Binds the control with id nIDC to the object (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
// Load: nonzero shows checked. Save: 1 when checked, else 0.
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);

// A modal dialog from a resource template. DoModal's loop keeps dispatching
// every message of the thread, timers of child windows included.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Loads the controls through DoDataExchange; TRUE puts the focus on the
    // first tab stop.
    virtual BOOL OnInitDialog();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // EndDialog(IDCANCEL), exchanging nothing.
    virtual void OnCancel();
    // IDOK and IDCANCEL go to OnOK and OnCancel.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The framework's own painting of a dialog.
    void OnPaint() override;
};

// The system's colour chooser.
class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog() = default;
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_crResult; }

    COLORREF m_crInit;
    DWORD m_dwFlags;
    CWnd* m_pParentWnd;

protected:
    COLORREF m_crResult;
};

}  // namespace fw
