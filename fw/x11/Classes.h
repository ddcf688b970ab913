#pragma once
#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// The cursor a registered class names; 0 (the parent's) for the default
// class and unknown names.
::Cursor ClassCursor(const char* className);

// A framework cursor handle holds an X cursor.
::Cursor ToXCursor(HCURSOR cursor);

}  // namespace fw::x11
