#pragma once
#include "fw/linux/MessageQueue.h"
#include "fw/linux/Timers.h"
#include "fw/wayland/WaylandApi.h"

namespace fw::wayland {

using shared::Post;
using shared::PostedMessage;
using shared::QuitRequested;
using shared::RequestQuit;
using shared::TakePosted;

// Delivers a message to a window of ours that is not being destroyed.
LRESULT Deliver(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// After the events read so far: when the keyboard focus left our windows
// for another client's, WM_ACTIVATE and WM_ACTIVATEAPP say so; true then.
bool ReportFocusLost();

// WM_PAINT for the first visible window with something to paint; false
// when none has.
bool PaintOne();

// WM_TIMER for the timer most overdue; false when none is due. A window
// whose last frame the compositor has not yet asked to follow waits: a
// surface it does not show costs nothing.
bool FireDueTimer();
using shared::NowMs;
// When the next timer may fire, in NowMs() terms; negative when none.
double NextDueMs();

}  // namespace fw::wayland
