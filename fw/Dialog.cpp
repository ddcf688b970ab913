#include "fw/Dialog.h"

#include "fw/Backend.h"
#include "fw/Controls.h"

namespace fw {

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

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

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

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace fw
