#include "fw/Dialog.h"

#include "fw/App.h"
#include "fw/Backend.h"
#include "fw/Controls.h"

namespace fw {

namespace {

// The top-level window of a window, which owns what it opens.
HWND TopLevelOf(HWND hWnd) {
    while (hWnd != nullptr && backend::IsChild(hWnd)) {
        hWnd = backend::ParentOrOwner(hWnd);
    }
    return hWnd;
}

// The owner of a dialog: its parent's top-level window, or without a parent
// the main window, unless that is the dialog itself.
HWND OwnerFor(const CWnd* pParentWnd, const CWnd* pDialog) {
    if (pParentWnd != nullptr) {
        return TopLevelOf(pParentWnd->m_hWnd);
    }
    const CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pMainWnd == nullptr || pApp->m_pMainWnd == pDialog ||
        !pApp->m_pMainWnd->IsWindow()) {
        return nullptr;
    }
    return TopLevelOf(pApp->m_pMainWnd->m_hWnd);
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return;  // bound once, at the first exchange
    }
    CWnd* pItem = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (pItem != nullptr) {
        rControl.Attach(pItem->m_hWnd);
    }
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* pItem = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    CScrollBar* pBar = pItem != nullptr ? detail::ScrollBarFromHandle(pItem->m_hWnd) : nullptr;
    if (pBar == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = pBar->GetScrollPos();
    } else {
        pBar->SetScrollPos(value, TRUE);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value) {
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->IsDlgButtonChecked(nIDC) == BST_CHECKED ? TRUE : FALSE;
    } else {
        pDX->m_pDlgWnd->CheckDlgButton(nIDC, value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr) {
        return -1;  // already open
    }
    return backend::RunModalDialog(*this, m_nIDTemplate, OwnerFor(m_pParentWnd, this));
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd != nullptr) {
        backend::EndModalDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;  // the dialog stays open
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                OnOK();
                return TRUE;
            case IDCANCEL:
                OnCancel();
                return TRUE;
            default:
                break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CDialog::OnPaint() { Default(); }

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_crInit(clrInit), m_dwFlags(dwFlags), m_pParentWnd(pParentWnd), m_crResult(clrInit) {}

INT_PTR CColorDialog::DoModal() {
    COLORREF chosen = m_crInit;
    const INT_PTR result = backend::ChooseColour(OwnerFor(m_pParentWnd, nullptr), m_crInit, m_dwFlags, &chosen);
    if (result == IDOK) {
        m_crResult = chosen;
    }
    return result;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace fw
