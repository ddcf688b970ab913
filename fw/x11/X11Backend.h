#pragma once
// The X11 backend's primitives of fw/Backend.h, in its own namespace, and
// their table; the program chooses it at start (X11Program.h's Connect).
#include "fw/BackendTable.h"

namespace fw::x11 {

TIDEWELL_DECLARE_BACKEND_PRIMITIVES

const BackendTable& Primitives();

}  // namespace fw::x11
