// The message primitives of fw/Backend.h on the system: the loop, posting
// and sending.
#include "fw/win32/WindowsApi.h"

namespace fw::backend {

using win32::ToWin;

int RunMessageLoop() {
    ::MSG msg{};
    for (;;) {
        const ::BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);  // WM_QUIT
        }
        if (got == -1) {
            return -1;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(ToWin(hWnd), message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(ToWin(hWnd), message, wParam, lParam);
}

}  // namespace fw::backend
