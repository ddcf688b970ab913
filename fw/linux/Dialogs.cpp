// The Linux program has no dialogs or controls, on any of its backends:
// XScreenSaver's own settings and the settings file stand in for them.
// Every dialog fails to start.
#include "fw/BackendTable.h"
#include "fw/Messages.h"

namespace fw::shared {

INT_PTR RunModalDialog(CDialog& /*dialog*/, UINT /*templateId*/, HWND /*owner*/) { return -1; }
void EndModalDialog(HWND /*hDialog*/, int /*result*/) {}
INT_PTR ChooseColour(HWND /*owner*/, COLORREF /*initial*/, DWORD /*flags*/, COLORREF* /*chosen*/) { return IDCANCEL; }
void SetButtonCheck(HWND /*hButton*/, UINT /*check*/) {}
UINT ButtonCheck(HWND /*hButton*/) { return BST_UNCHECKED; }
void SetScrollRange(HWND /*hBar*/, int /*minPos*/, int /*maxPos*/, BOOL /*redraw*/) {}
void GetScrollRange(HWND /*hBar*/, int* minPos, int* maxPos) { *minPos = *maxPos = 0; }
int SetScrollPos(HWND /*hBar*/, int /*pos*/, BOOL /*redraw*/) { return 0; }
int ScrollPos(HWND /*hBar*/) { return 0; }

}  // namespace fw::shared
