#include "fw/x11/X11Program.h"

#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"

namespace fw::x11 {

HWND RootHandle() { return Connected() ? ToFw(X().root) : nullptr; }

bool HasScreenshot(HWND host) { return Connected() && host != nullptr && HasScreenshot(ToX(host)); }

}  // namespace fw::x11
