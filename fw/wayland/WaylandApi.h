#pragma once
// The one way the Wayland backend sees libwayland and its protocols, and
// its primitives of fw/Backend.h in its own namespace.
#include <cstdint>

#include "fw/BackendTable.h"
#include "fw/Fw.h"
#include "fw/Rect.h"

#include <wayland-client.h>

#include "fractional-scale-v1-client.h"
#include "viewporter-client.h"
#include "xdg-output-unstable-v1-client.h"
#include "xdg-shell-client.h"

namespace fw::wayland {

TIDEWELL_DECLARE_BACKEND_PRIMITIVES

const BackendTable& Primitives();

// A framework window handle is a number of our own: Wayland surfaces have no
// names another client could give us.
inline std::uintptr_t Id(HWND hWnd) { return reinterpret_cast<std::uintptr_t>(hWnd); }
inline HWND Handle(std::uintptr_t id) { return reinterpret_cast<HWND>(id); }

}  // namespace fw::wayland
