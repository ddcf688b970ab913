// The platform's default processing of a message for our windows.
#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"
#include "fw/x11/WindowRecord.h"

namespace fw::backend {

LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    x11::WindowRecord* record = x11::RecordOf(wnd.m_hWnd);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(wnd.m_hWnd);
            return 0;
        case WM_PAINT:
            record->invalid = RECT();  // validated, as an empty paint would
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_SETCURSOR:
            // The class cursor over the client area.
            if (LOWORD(static_cast<std::uintptr_t>(lParam)) != HTCLIENT || record->cursor == 0) {
                return FALSE;
            }
            ::XDefineCursor(x11::X().display, record->window, record->cursor);
            return TRUE;
        default:
            return 0;
    }
}

}  // namespace fw::backend
