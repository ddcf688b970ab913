#include "window/WhiteProbe.h"

#include "particles/Color.h"

namespace tidewell {

bool ProbeFindsWhite(const fw::CDC& dc, int width, int height) {
    const fw::POINT points[] = {
        {width / 2, 10},
        {10, height - 10},
        {width - 10, height - 10},
    };
    for (const fw::POINT& point : points) {
        if (dc.GetPixel(point.x, point.y) != kWhite) {
            return false;
        }
    }
    return true;
}

}  // namespace tidewell
