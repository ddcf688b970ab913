// The dialog primitives of fw/Backend.h through the system's dialog manager:
// modal dialogs from the program's resource templates and the colour
// chooser.
#include "fw/win32/DialogBitmaps.h"
#include "fw/win32/WindowProcedure.h"

namespace fw::backend {

using win32::ToFw;
using win32::ToWin;

namespace {

// The dialog manager's callback. The dialog's messages reach the object
// through the subclassed window procedure; here the object is only attached
// (at WM_INITDIALOG, whose result decides the focus), and everything else is
// left to the dialog manager's default handling.
::INT_PTR CALLBACK DialogProc(::HWND hWnd, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    if (CWnd::FromHandlePermanent(ToFw(hWnd)) != nullptr) {
        return FALSE;  // the object's own default
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog == nullptr) {
        return FALSE;
    }
    win32::Subclass(hWnd, *dialog);
    win32::FitBitmapStatics(hWnd, dialog->m_nIDTemplate);
    return detail::DeliverMessage(*dialog, WM_INITDIALOG, wParam, lParam);
}

}  // namespace

INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner) {
    return ::DialogBoxParamA(win32::ProgramModule(), MAKEINTRESOURCEA(templateId), ToWin(owner), &DialogProc,
                             reinterpret_cast<::LPARAM>(&dialog));
}

void EndModalDialog(HWND hDialog, int result) { ::EndDialog(ToWin(hDialog), result); }

INT_PTR ChooseColour(HWND owner, COLORREF initial, DWORD flags, COLORREF* chosen) {
    static ::COLORREF customColours[16] = {};
    ::CHOOSECOLORA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = ToWin(owner);
    choose.rgbResult = initial;
    choose.lpCustColors = customColours;
    choose.Flags = flags | CC_RGBINIT;
    if (!::ChooseColorA(&choose)) {
        return IDCANCEL;
    }
    *chosen = choose.rgbResult;
    return IDOK;
}

void SetButtonCheck(HWND hButton, UINT check) { ::SendMessageA(ToWin(hButton), BM_SETCHECK, check, 0); }

UINT ButtonCheck(HWND hButton) { return static_cast<UINT>(::SendMessageA(ToWin(hButton), BM_GETCHECK, 0, 0)); }

void SetScrollRange(HWND hBar, int minPos, int maxPos, BOOL redraw) {
    ::SetScrollRange(ToWin(hBar), SB_CTL, minPos, maxPos, redraw);
}

void GetScrollRange(HWND hBar, int* minPos, int* maxPos) { ::GetScrollRange(ToWin(hBar), SB_CTL, minPos, maxPos); }

int SetScrollPos(HWND hBar, int pos, BOOL redraw) { return ::SetScrollPos(ToWin(hBar), SB_CTL, pos, redraw); }

int ScrollPos(HWND hBar) { return ::GetScrollPos(ToWin(hBar), SB_CTL); }

}  // namespace fw::backend
