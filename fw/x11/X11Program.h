#pragma once
// What the Linux program asks of the X11 backend beyond the framework: the
// connection, the host's desktop picture and the cursor that stands in for a
// resource. The program's windows themselves go through the framework.
#include <string>

#include "fw/Types.h"

namespace fw::x11 {

// Opens the display named by $DISPLAY; false with a one-line reason.
bool Connect(const char* displayName, std::string& error);

// The root window, as a framework handle.
HWND RootHandle();

// Whether the host's window carries the screenshot its host saved before
// it covered the screen.
bool HasScreenshot(HWND host);

// A colour as X users write it (a name such as "navy", #RGB, #RRGGBB,
// #RRRRGGGGBBBB, rgb:r/g/b; any case), read on the default colormap. False
// for one the server does not know, or before Connect.
bool ParseColor(const std::string& spec, COLORREF& colour);

// Destroys every window of ours still there, as closing them would.
void DestroyAllWindows();

// X programs carry no resources: the cursor resource id that stands for a
// blank cursor, which LoadCursor then gives.
void SetBlankCursorResource(UINT id);

}  // namespace fw::x11
