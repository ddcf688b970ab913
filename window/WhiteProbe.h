#pragma once
#include "fw/Dc.h"

namespace tidewell {

// Whether a window looks white: the top centre (w / 2, 10), the bottom left
// (10, h - 10) and the bottom right (w - 10, h - 10) all read exactly white.
// Reads in that order and stops at the first point that is not white; a
// point off the surface reads CLR_INVALID, which is not white.
bool ProbeFindsWhite(const fw::CDC& dc, int width, int height);

}  // namespace tidewell
