// The desktop's monitors: one covering the whole screen unless a test sets
// others.
#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw {
namespace backend {

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

}  // namespace backend

namespace headless {

void SetMonitors(const std::vector<MonitorArea>& monitors) { TheWorld().monitors = monitors; }

}  // namespace headless
}  // namespace fw
