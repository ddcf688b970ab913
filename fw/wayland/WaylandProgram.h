#pragma once
// What the Linux program asks of the Wayland backend beyond the framework:
// the connection, the desktop's picture and the cursor that stands in for a
// resource. The program's windows themselves go through the framework.
#include <optional>
#include <string>

#include "fw/Types.h"

namespace fw::wayland {

// Connects to $WAYLAND_DISPLAY and makes this backend the framework's;
// false with a one-line reason.
bool Connect(std::string& error);

// Takes every output's picture now, before any window covers it, and those
// of outputs that appear later; false when some output has none (grim is
// missing, or did not answer in time).
bool TakeDesktopPictures();

// Destroys every window still there, as closing them would.
void DestroyAllWindows();

// The cursor resource id that stands for a hidden pointer.
void SetBlankCursorResource(UINT id);

// Why the message loop ended with status 1; empty while connected.
std::string LostConnection();

// SIGTERM, SIGINT or SIGHUP when one ended the message loop, else 0.
int EndingSignal();

// A colour in X's numeric forms (#RGB, #RRGGBB, #RRRRGGGGBBBB,
// rgb:r/g/b with 1 to 4 hex digits each; any case): no X server here to
// know the names.
bool ParseColor(const std::string& text, COLORREF& colour);

// The message loop in steps, for a caller that runs its own; the
// framework's Run is made of them.
// Dispatches the next waiting message in the platform's order (posted,
// compositor events, focus lost, paints, due timers) and returns true;
// false when none is waiting or a quit request holds back all but posted
// messages.
bool DispatchOne();
// Sleeps until the compositor, a timer or a signal needs the loop, or at
// most timeoutMs (negative: no limit).
void WaitForWork(int timeoutMs);
// Waits until the compositor has answered every request so far; the events
// they caused are dispatched on the way.
void Sync();
// The quit request, taken: its exit code, or nothing when none is pending.
std::optional<int> TakeQuit();

}  // namespace fw::wayland
