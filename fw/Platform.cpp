// The system services of fw/Platform.h, on the backend's primitives.
#include "fw/Platform.h"

#include "fw/Backend.h"

namespace fw {

int GetSystemMetrics(int nIndex) { return backend::SystemMetric(nIndex); }

DWORD GetTickCount() { return backend::TickCount(); }

std::int64_t GetCurrentTime() { return backend::WallTime(); }

void PostQuitMessage(int nExitCode) { backend::PostQuitMessage(nExitCode); }

std::vector<MonitorArea> EnumMonitors() { return backend::Monitors(); }

RECT PrimaryMonitor() {
    for (const MonitorArea& monitor : backend::Monitors()) {
        if (monitor.primary) {
            return monitor.rect;
        }
    }
    return RECT();
}

HCURSOR SetCursor(HCURSOR cursor) { return backend::SetCursor(cursor); }

}  // namespace fw
