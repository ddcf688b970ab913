// The screen's metrics from the backend's monitors, on either Linux backend.
#include "fw/BackendTable.h"
#include "fw/Messages.h"
#include "fw/Rect.h"

namespace fw::shared {

// No task bars or panels are known: the primary monitor.
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

}  // namespace fw::shared
