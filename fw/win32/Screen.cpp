// The screen primitives of fw/Backend.h: the desktop's monitors as the
// system lists them, the work area, metrics and the cursor.
#include "fw/Backend.h"
#include "fw/win32/WindowsApi.h"

namespace fw::backend {

using win32::ToFw;

namespace {

::BOOL CALLBACK AddMonitor(::HMONITOR hMonitor, ::HDC, ::LPRECT, ::LPARAM data) {
    ::MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(hMonitor, &info)) {
        MonitorArea monitor;
        monitor.rect = ToFw(info.rcMonitor);
        monitor.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(monitor);
    }
    return TRUE;
}

}  // namespace

std::vector<MonitorArea> Monitors() {
    std::vector<MonitorArea> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<::LPARAM>(&monitors));
    return monitors;
}

RECT WorkArea() {
    ::RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return ToFw(area);
}

int SystemMetric(int index) { return ::GetSystemMetrics(index); }

HCURSOR SetCursor(HCURSOR cursor) {
    return reinterpret_cast<HCURSOR>(::SetCursor(reinterpret_cast<::HCURSOR>(cursor)));
}

}  // namespace fw::backend
