#pragma once
// The one way the X11 backend sees Xlib. The framework's declarations come
// first: Xlib defines macros (None, Bool, True, False, Status, KeyPress, ...)
// that must not reach them.
#include <cstdint>

#include "fw/x11/X11Backend.h"
#include "fw/Fw.h"
#include "fw/Rect.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace fw::x11 {

// A framework window handle is the X window id.
inline ::Window ToX(HWND hWnd) { return static_cast<::Window>(reinterpret_cast<std::uintptr_t>(hWnd)); }
inline HWND ToFw(::Window window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }

}  // namespace fw::x11
