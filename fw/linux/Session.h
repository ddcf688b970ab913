#pragma once
// The Linux program's display, X11 or Wayland, chosen once at start; from
// then on the framework runs on that backend, and the program asks the
// questions below without knowing which one answers.
#include <functional>
#include <optional>
#include <string>

#include "fw/Types.h"

namespace fw::session {

enum class Platform { kX11, kWayland };

// Whether this build carries the platform's backend.
bool Carries(Platform platform);

// Connects to the platform's display (x11Display, else $DISPLAY;
// $WAYLAND_DISPLAY) and makes its backend the framework's; false with a
// one-line reason.
bool Connect(Platform platform, const char* x11Display, std::string& error);

// The whole screen as a window to draw in (X11's root); null where there is
// none (Wayland).
HWND RootHandle();
// Whether a host's window carries the picture of the desktop its host saved.
bool HasScreenshot(HWND host);
// Lets windows made in a host's window start from that picture; until this
// is called with true they never read it.
void AllowHostScreenshot(bool allowed);
// The display server's resource strings (X11: the root's RESOURCE_MANAGER
// and the screen's SCREEN_RESOURCES); none where there are none.
struct ServerResources {
    std::optional<std::string> resourceManager;
    std::optional<std::string> screenResources;
};
ServerResources ServerResourceStrings();

// A colour as the platform's users write it (X11: any colour the server
// knows; Wayland: X's numeric forms); false for one it cannot read.
bool ParseColor(const std::string& text, COLORREF& colour);
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
// What a host's request to start over (SIGUSR1) does: run from the message
// loop, between messages.
void SetRestartHandler(std::function<void()> restart);
// SIGTERM, SIGINT or SIGHUP when one ended the message loop, else 0: the
// program then cleans up and ends by that signal, as a killed program does.
int EndingSignal();

}  // namespace fw::session
