#include "fw/x11/X11Program.h"

#include "fw/linux/MessageQueue.h"
#include "fw/x11/Connection.h"
#include "fw/x11/DesktopPicture.h"
#include "fw/x11/WindowRecord.h"

namespace fw::x11 {

const BackendTable& Primitives() {
    static const BackendTable table = TIDEWELL_BACKEND_TABLE();
    return table;
}

std::optional<int> TakeQuit() { return shared::TakeQuit(); }

bool Connect(const char* displayName, std::string& error) {
    if (!OpenConnection(displayName, error)) {
        return false;
    }
    UseBackend(Primitives());
    return true;
}

HWND RootHandle() { return Connected() ? ToFw(X().root) : nullptr; }

bool ParseColor(const std::string& text, COLORREF& colour) {
    // Names are short; a longer text is no colour, and is not sent.
    constexpr std::size_t kLongestName = 256;
    ::XColor exact = {};
    if (!Connected() || text.size() > kLongestName ||
        ::XParseColor(X().display, DefaultColormap(X().display, X().screen), text.c_str(), &exact) == 0) {
        return false;
    }
    colour = RGB(exact.red >> 8, exact.green >> 8, exact.blue >> 8);
    return true;
}

bool HasScreenshot(HWND host) { return Connected() && host != nullptr && HasScreenshot(ToX(host)); }

void AllowHostScreenshot(bool allowed) { SetHostScreenshotAllowed(allowed); }

ServerResources ServerResourceStrings() {
    ServerResources resources;
    if (!Connected()) {
        return resources;
    }
    if (const char* manager = ::XResourceManagerString(X().display)) {
        resources.resourceManager = manager;
    }
    if (char* screen = ::XScreenResourceString(ScreenOfDisplay(X().display, X().screen))) {
        resources.screenResources = screen;
        ::XFree(screen);
    }
    return resources;
}

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
