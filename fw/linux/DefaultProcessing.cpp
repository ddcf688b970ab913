// The platform's own handling of what a window's handlers leave, the same
// on either Linux backend; the backend gives the window's validation and
// its class cursor.
#include <cstdint>

#include "fw/BackendTable.h"
#include "fw/Wnd.h"

namespace fw::shared {

LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!backend::IsWindow(wnd.m_hWnd)) {
        return 0;
    }
    switch (message) {
        case WM_CLOSE:
            backend::DestroyWindow(wnd.m_hWnd);
            return 0;
        case WM_SYSCOMMAND:
            // Close from the window menu closes, as on the platform.
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                SendMessage(wnd.m_hWnd, WM_CLOSE, 0, 0);
            }
            return 0;
        case WM_PAINT:
            backend::ValidateWindow(wnd.m_hWnd);
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_SETCURSOR:
            // The class cursor over the client area.
            return LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT && backend::ShowClassCursor(wnd.m_hWnd);
        default:
            return 0;
    }
}

}  // namespace fw::shared
