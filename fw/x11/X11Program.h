#pragma once
// What the Linux program asks of the X11 backend beyond the framework: the
// connection, the host's desktop picture, the cursor that stands in for a
// resource, and the message loop in steps. The program's windows themselves
// go through the framework.
#include <functional>
#include <optional>
#include <string>

#include "fw/Types.h"

namespace fw::x11 {

// Opens the display named by $DISPLAY; false with a one-line reason. A
// connection lost later ends the program with status 1 and one line.
bool Connect(const char* displayName, std::string& error);

// The root window, as a framework handle.
HWND RootHandle();

// Whether the host's window carries the screenshot its host saved before
// it covered the screen.
bool HasScreenshot(HWND host);

// A colour as X users write it (a name such as "navy", #RGB, #RRGGBB,
// #RRRRGGGGBBBB, rgb:r/g/b; any case), read on the default colormap. False
// for one the server does not know, or before Connect.
bool ParseColor(const std::string& text, COLORREF& colour);

// Lets windows made in a host's window start from that screenshot. Until
// this is called with true they never read it: the user's choice decides.
void AllowHostScreenshot(bool allowed);

// The server's resource strings as the display gave them: the root window's
// RESOURCE_MANAGER and the screen's SCREEN_RESOURCES; none for one not set.
struct ServerResources {
    std::optional<std::string> resourceManager;
    std::optional<std::string> screenResources;
};
ServerResources ServerResourceStrings();

// What SIGUSR1 does (a host's request to start the animation over): run
// from the message loop, between messages.
void SetRestartHandler(std::function<void()> restart);

// SIGTERM, SIGINT or SIGHUP when one ended the message loop, else 0: the
// program then cleans up and ends by that signal, as a killed program does.
int EndingSignal();

// Destroys every window of ours still there, as closing them would.
void DestroyAllWindows();

// X programs carry no resources: the cursor resource id that stands for a
// blank cursor, which LoadCursor then gives.
void SetBlankCursorResource(UINT id);

// The message loop in steps, for a caller that runs its own; the
// framework's Run is made of them.
// Dispatches the next waiting message in the platform's order (posted,
// server events, paints, due timers) and returns true; false when none is
// waiting or a quit request holds back all but posted messages.
bool DispatchOne();
// Sleeps until the server, a timer or a signal needs the loop, or at most
// timeoutMs (negative: no limit).
void WaitForWork(int timeoutMs);
// Waits until the server has answered every request so far, so the events
// they caused are waiting.
void Sync();
// The quit request, taken: its exit code, or nothing when none is pending.
std::optional<int> TakeQuit();

}  // namespace fw::x11
