// The message loop, clock, screen, cursor and resource primitives of
// fw/Backend.h on the system.
#include <ctime>

#include "fw/win32/WindowsApi.h"

namespace fw::backend {

using win32::ToFw;

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

DWORD TickCount() { return ::GetTickCount(); }

std::int64_t WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

RECT WorkArea() {
    ::RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return ToFw(area);
}

int SystemMetric(int index) { return ::GetSystemMetrics(index); }

HCURSOR SetCursor(HCURSOR cursor) {
    return reinterpret_cast<HCURSOR>(::SetCursor(reinterpret_cast<::HCURSOR>(cursor)));
}

HICON LoadIconResource(UINT id) { return ToFw(::LoadIconA(win32::ProgramModule(), MAKEINTRESOURCEA(id))); }

HCURSOR LoadCursorResource(UINT id) {
    return reinterpret_cast<HCURSOR>(::LoadCursorA(win32::ProgramModule(), MAKEINTRESOURCEA(id)));
}

HCURSOR ArrowCursor() { return reinterpret_cast<HCURSOR>(::LoadCursorA(nullptr, IDC_ARROW)); }

std::string ProgramPath() {
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace fw::backend
