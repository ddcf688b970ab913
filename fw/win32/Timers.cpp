// The timer and clock primitives of fw/Backend.h on the system.
#include <ctime>

#include "fw/win32/WindowsApi.h"

namespace fw::backend {

using win32::ToWin;

// A period below the system's minimum (0 included) runs at the minimum.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) { return ::SetTimer(ToWin(hWnd), id, elapse, nullptr); }

BOOL KillTimer(HWND hWnd, UINT_PTR id) { return ::KillTimer(ToWin(hWnd), id) ? TRUE : FALSE; }

DWORD TickCount() { return ::GetTickCount(); }

std::int64_t WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace fw::backend
