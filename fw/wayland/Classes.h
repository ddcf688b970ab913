#pragma once
#include "fw/wayland/WaylandApi.h"

namespace fw::wayland {

// Whether a registered class's cursor is the blank one (WaylandProgram.h):
// its windows hide the pointer. Other classes leave the compositor's.
bool ClassHidesCursor(const char* className);
// The handle LoadCursor gives for the blank cursor.
HCURSOR BlankCursor();
// Hides the pointer over the window it is in, if it is one of ours.
void HidePointer();

}  // namespace fw::wayland
