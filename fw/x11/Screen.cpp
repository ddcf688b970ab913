#include "fw/x11/X11Program.h"

#include <X11/extensions/Xrandr.h>

#include <optional>

#include "fw/Platform.h"
#include "fw/x11/Connection.h"

namespace fw {

namespace x11 {

namespace {

struct Size {
    int width;
    int height;
};
std::optional<Size> g_screen;

// The primary monitor first, then the others in RandR's order.
std::vector<RECT> RandrMonitors() {
    std::vector<RECT> monitors;
    int event = 0;
    int error = 0;
    if (!::XRRQueryExtension(X().display, &event, &error)) return monitors;
    int count = 0;
    ::XRRMonitorInfo* info = ::XRRGetMonitors(X().display, X().root, True, &count);
    for (int i = 0; info != nullptr && i < count; ++i) {
        const RECT r = RECT{info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height};
        if (IsEmpty(r)) continue;
        if (info[i].primary) {
            monitors.insert(monitors.begin(), r);
        } else {
            monitors.push_back(r);
        }
    }
    if (info != nullptr) ::XRRFreeMonitors(info);
    return monitors;
}

}  // namespace

std::vector<RECT> Monitors() {
    std::vector<RECT> monitors = RandrMonitors();
    if (monitors.empty()) monitors.push_back(RECT{0, 0, X().rootWidth, X().rootHeight});
    return monitors;
}

void SetScreenSize(int width, int height) { g_screen = Size{width, height}; }

}  // namespace x11

// In root-window coordinates, where X places windows; the primary first.
std::vector<MonitorArea> EnumMonitors() {
    std::vector<MonitorArea> areas;
    for (const RECT& monitor : x11::Monitors()) areas.push_back(MonitorArea{monitor, areas.empty()});
    return areas;
}

int GetSystemMetrics(int nIndex) {
    if (nIndex == SM_CXICON || nIndex == SM_CYICON) return 32;
    if (nIndex != SM_CXSCREEN && nIndex != SM_CYSCREEN) return 0;
    if (!x11::g_screen) {
        if (!x11::Connected()) return 0;
        const RECT primary = x11::Monitors().front();
        x11::g_screen = x11::Size{primary.Width(), primary.Height()};
    }
    return nIndex == SM_CXSCREEN ? x11::g_screen->width : x11::g_screen->height;
}

}  // namespace fw
