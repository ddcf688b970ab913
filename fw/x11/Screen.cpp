#include <X11/extensions/Xrandr.h>

#include "fw/Rect.h"
#include "fw/x11/Classes.h"
#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"

namespace fw {

namespace {

HCURSOR g_current = nullptr;

// The primary monitor first, then the others in RandR's order.
std::vector<RECT> RandrMonitors() {
    std::vector<RECT> monitors;
    int event = 0;
    int error = 0;
    if (!::XRRQueryExtension(x11::X().display, &event, &error)) {
        return monitors;
    }
    int count = 0;
    ::XRRMonitorInfo* info = ::XRRGetMonitors(x11::X().display, x11::X().root, True, &count);
    for (int i = 0; info != nullptr && i < count; ++i) {
        const RECT r = MakeRect(info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height);
        if (IsEmptyRect(r)) {
            continue;
        }
        if (info[i].primary) {
            monitors.insert(monitors.begin(), r);
        } else {
            monitors.push_back(r);
        }
    }
    if (info != nullptr) {
        ::XRRFreeMonitors(info);
    }
    return monitors;
}

}  // namespace

// In root-window coordinates, where X places windows; the primary first.
// Without RandR's monitors, the whole root window is the one monitor.
std::vector<MonitorArea> x11::Monitors() {
    if (!x11::Connected()) {
        return {};
    }
    std::vector<RECT> rects = RandrMonitors();
    if (rects.empty()) {
        rects.push_back(MakeRect(0, 0, x11::X().rootWidth, x11::X().rootHeight));
    }
    std::vector<MonitorArea> monitors;
    for (const RECT& rect : rects) {
        monitors.push_back(MonitorArea{rect, monitors.empty()});
    }
    return monitors;
}

HCURSOR x11::SetCursor(HCURSOR cursor) {
    // No cursor is the transparent one; it shows over the window the
    // pointer is in.
    const HCURSOR previous = g_current;
    g_current = cursor;
    const ::Window window = x11::WindowUnderPointer();
    if (window != 0 && x11::Connected()) {
        x11::ErrorTrap trap;
        ::XDefineCursor(x11::X().display, window, cursor != nullptr ? x11::ToXCursor(cursor) : x11::X().invisible);
    }
    return previous;
}

}  // namespace fw
