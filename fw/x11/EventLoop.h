#pragma once
#include "fw/linux/Timers.h"
#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// Turns one X event into the messages the platform would send.
void Dispatch(const ::XEvent& event);

// The window the pointer was last reported in: where SetCursor acts.
::Window WindowUnderPointer();

// WM_PAINT for the first visible window of ours with something to paint;
// false when none has.
bool PaintOne();

// WM_TIMER for the timer most overdue; false when none is due.
bool FireDueTimer();
using shared::NowMs;
// When the next timer is due, in NowMs() terms; negative when none runs.
double NextDueMs();

}  // namespace fw::x11
