#pragma once
#include "fw/x11/WindowImage.h"

namespace fw::x11 {

// What the desktop showed under a window that is about to appear, put into
// its image; false when there is no such picture.
// A top-level window: the root window's pixels under it, taken before it is
// mapped. A child of another client's window: the part under it of the
// screenshot its host saved on that window (_SCREENSAVER_SCREENSHOT), only
// where SetHostScreenshotAllowed let it.
bool LoadDesktopPicture(::Window parent, bool topLevel, int x, int y, WindowImage& image);

// Whether windows in a host's window may start from its screenshot; false
// until set.
void SetHostScreenshotAllowed(bool allowed);

// Whether the host's window carries a screenshot to start from.
bool HasScreenshot(::Window host);

}  // namespace fw::x11
