#include "fw/x11/X11Program.h"

#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

bool Connect(const char* displayName, std::string& error) { return OpenConnection(displayName, error); }

HWND RootHandle() { return Connected() ? ToFw(X().root) : nullptr; }

bool HasScreenshot(HWND host) { return Connected() && host != nullptr && HasScreenshot(ToX(host)); }

void DestroyAllWindows() {
    if (!Connected()) {
        return;
    }
    for (::Window window : OurWindows()) {
        DestroyOurWindow(window, false);
    }
    Sync();
}

}  // namespace fw::x11
