#pragma once
// The Linux program's display, X11 or Wayland, chosen once at start; from
// then on the framework runs on that backend, and the program asks the
// questions below without knowing which one answers.
#include <string>

#include "fw/Types.h"

namespace fw::session {

enum class Platform { kX11, kWayland };

// Whether this build carries the platform's backend.
bool Carries(Platform platform);

// Connects to the platform's display ($DISPLAY, $WAYLAND_DISPLAY) and makes
// its backend the framework's; false with a one-line reason.
bool Connect(Platform platform, std::string& error);

// The whole screen as a window to draw in (X11's root); null where there is
// none (Wayland).
HWND RootHandle();
// Whether a host's window carries the picture of the desktop its host saved.
bool HasScreenshot(HWND host);
// Whether windows made from now on start from the desktop under them (the
// rule that shows the desktop needs it): X11 reads the screen; Wayland takes
// each output's picture now, for full-screen windows, where it can.
bool DesktopUnderWindows(bool fullScreen);

// Destroys every window still there, as closing them would.
void DestroyAllWindows();
// Display programs carry no resources: the cursor resource id that stands
// for a blank cursor, which LoadCursor then gives.
void SetBlankCursorResource(UINT id);
// Why the message loop ended with status 1, when the display went away;
// empty otherwise.
std::string LostConnection();

}  // namespace fw::session
