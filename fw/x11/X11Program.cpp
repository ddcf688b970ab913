#include "fw/x11/X11Program.h"

#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

const BackendTable& Primitives() {
    static const BackendTable table = TIDEWELL_BACKEND_TABLE();
    return table;
}

bool Connect(const char* displayName, std::string& error) {
    if (!OpenConnection(displayName, error)) {
        return false;
    }
    UseBackend(Primitives());
    return true;
}

HWND RootHandle() { return Connected() ? ToFw(X().root) : nullptr; }

bool HasScreenshot(HWND host) { return Connected() && host != nullptr && HasScreenshot(ToX(host)); }

void DestroyAllWindows() {
    if (!Connected()) {
        return;
    }
    for (::Window window : OurWindows()) {
        DestroyOurWindow(window, false);
    }
    ::XSync(X().display, False);
}

}  // namespace fw::x11
