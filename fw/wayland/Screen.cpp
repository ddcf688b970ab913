#include "fw/wayland/Classes.h"
#include "fw/wayland/Connection.h"

namespace fw::wayland {

namespace {
HCURSOR g_current = nullptr;
}  // namespace

// Every output, in the layout LayoutRect gives; the compositor's first is
// the primary (Wayland names none).
std::vector<MonitorArea> Monitors() {
    std::vector<MonitorArea> monitors;
    if (!Connected()) {
        return monitors;
    }
    for (const Output* output : ReadyOutputs()) {
        monitors.push_back(MonitorArea{LayoutRect(*output), monitors.empty()});
    }
    return monitors;
}

// No panels are known: the primary output.
RECT WorkArea() { return PrimaryMonitor(); }

int SystemMetric(int index) {
    if (index == SM_CXICON || index == SM_CYICON) {
        return 32;
    }
    if (index != SM_CXSCREEN && index != SM_CYSCREEN) {
        return 0;
    }
    const RECT primary = WorkArea();
    return index == SM_CXSCREEN ? primary.Width() : primary.Height();
}

// No cursor hides the pointer over our window; another leaves the
// compositor's.
HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_current;
    g_current = cursor;
    if (cursor == nullptr || cursor == BlankCursor()) {
        HidePointer();
    }
    return previous;
}

}  // namespace fw::wayland
