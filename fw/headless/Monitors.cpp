// The desktop's monitors: one covering the whole screen unless a test sets
// others.
#include "fw/Platform.h"
#include "fw/headless/World.h"

namespace fw {

std::vector<MonitorArea> EnumMonitors() {
    const headless::World& world = headless::TheWorld();
    if (!world.monitors.empty()) {
        return world.monitors;
    }
    MonitorArea whole;
    whole.rect = headless::MakeRect(0, 0, world.screen.Width(), world.screen.Height());
    whole.primary = true;
    return {whole};
}

namespace headless {

void SetMonitors(const std::vector<MonitorArea>& monitors) { TheWorld().monitors = monitors; }

}  // namespace headless
}  // namespace fw
