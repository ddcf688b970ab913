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
