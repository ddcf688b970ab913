#pragma once
#include <cstdint>
#include <vector>

#include "fw/Types.h"

namespace fw {

int GetSystemMetrics(int nIndex);
// Milliseconds, wrapping at 32 bits.
DWORD GetTickCount();
// Seconds since 1970, like time(0).
std::int64_t GetCurrentTime();
void PostQuitMessage(int nExitCode);

// One monitor of the desktop, in the coordinates windows are placed in. On
// Windows the primary's top-left corner is (0, 0), so another monitor may lie
// at negative coordinates.
struct MonitorArea {
    RECT rect;
    bool primary = false;
};
// Every monitor, in the platform's order; exactly one is the primary.
std::vector<MonitorArea> EnumMonitors();
// The primary monitor's rectangle; empty when the platform lists none.
RECT PrimaryMonitor();

HCURSOR SetCursor(HCURSOR cursor);
// Registers (once per distinct set) and returns a class name that stays valid
// for the life of the process.
const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                                HICON hIcon = nullptr);

}  // namespace fw
