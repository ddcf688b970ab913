// Modal dialogs from the program's resource templates, the colour chooser and
// the controls' state, through the system's dialog manager.
#include "fw/win32/DialogBitmaps.h"
#include "fw/win32/WindowProcedure.h"

namespace fw {

using win32::ToFw;
using win32::ToWin;

namespace {

// Windows opened without a parent are owned by the main window, unless they
// are the main window themselves.
::HWND OwnerFor(CWnd* pParentWnd, const CWnd* self) {
    if (pParentWnd != nullptr) return ToWin(pParentWnd->m_hWnd);
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pMainWnd == nullptr || app->m_pMainWnd == self) return nullptr;
    ::HWND main = ToWin(app->m_pMainWnd->m_hWnd);
    return ::IsWindow(main) ? main : nullptr;
}

// The dialog manager's callback. The dialog's messages reach the object
// through the subclassed window procedure; here the object is only attached
// (at WM_INITDIALOG, whose result decides the focus), and everything else is
// left to the dialog manager's default handling.
::INT_PTR CALLBACK DialogProc(::HWND hWnd, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    if (CWnd::FromHandlePermanent(ToFw(hWnd)) != nullptr) return FALSE;  // the object's own default
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog == nullptr) return FALSE;
    win32::Subclass(hWnd, *dialog);
    win32::FitBitmapStatics(hWnd, dialog->m_nIDTemplate);
    return detail::DeliverMessage(*dialog, WM_INITDIALOG, wParam, lParam);
}

}  // namespace

INT_PTR CDialog::DoModal() {
    const ::INT_PTR result =
        ::DialogBoxParamA(win32::ProgramModule(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerFor(m_pParentWnd, this),
                          &DialogProc, reinterpret_cast<::LPARAM>(this));
    return static_cast<INT_PTR>(result);
}

void CDialog::EndDialog(int nResult) {
    if (m_hWnd != nullptr) ::EndDialog(ToWin(m_hWnd), nResult);
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_crInit(clrInit), m_dwFlags(dwFlags), m_pParentWnd(pParentWnd), m_crResult(clrInit) {}

INT_PTR CColorDialog::DoModal() {
    static ::COLORREF customColours[16] = {};
    ::CHOOSECOLORA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = OwnerFor(m_pParentWnd, nullptr);
    choose.rgbResult = m_crInit;
    choose.lpCustColors = customColours;
    choose.Flags = m_dwFlags | CC_RGBINIT;
    if (!::ChooseColorA(&choose)) return IDCANCEL;
    m_crResult = choose.rgbResult;
    return IDOK;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
    ::SetScrollRange(ToWin(m_hWnd), SB_CTL, nMinPos, nMaxPos, bRedraw);
}

void CScrollBar::GetScrollRange(int* lpMinPos, int* lpMaxPos) const {
    int minPos = 0;
    int maxPos = 0;
    ::GetScrollRange(ToWin(m_hWnd), SB_CTL, &minPos, &maxPos);
    if (lpMinPos != nullptr) *lpMinPos = minPos;
    if (lpMaxPos != nullptr) *lpMaxPos = maxPos;
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return ::SetScrollPos(ToWin(m_hWnd), SB_CTL, nPos, bRedraw); }

int CScrollBar::GetScrollPos() const { return ::GetScrollPos(ToWin(m_hWnd), SB_CTL); }

}  // namespace fw
