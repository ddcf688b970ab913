// The screen primitives of fw/Backend.h on the simulated screen: its
// monitors (one covering it unless set otherwise), work area, metrics and
// cursor.
#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw::backend {

std::vector<MonitorArea> Monitors() {
    const headless::World& world = headless::TheWorld();
    if (!world.monitors.empty()) {
        return world.monitors;
    }
    MonitorArea whole;
    whole.rect = MakeRect(0, 0, world.screen.Width(), world.screen.Height());
    whole.primary = true;
    return {whole};
}

// No task bar on the simulated screen.
RECT WorkArea() { return PrimaryMonitor(); }

int SystemMetric(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return PrimaryMonitor().Width();
        case SM_CYSCREEN:
            return PrimaryMonitor().Height();
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    headless::World& world = headless::TheWorld();
    const HCURSOR previous = world.cursor;
    world.cursor = cursor;
    return previous;
}

}  // namespace fw::backend
