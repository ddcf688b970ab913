#include "fw/x11/DesktopPicture.h"

#include <X11/Xatom.h>

#include <algorithm>

#include "fw/x11/Connection.h"

namespace fw::x11 {

namespace {

bool g_hostScreenshotAllowed = false;

// The pixmap id on the host window, or 0.
::Pixmap ScreenshotOf(::Window host) {
    ::Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap;
    const int status = ::XGetWindowProperty(X().display, host, X().screenshot, 0, 1, False, XA_PIXMAP, &type, &format,
                                            &count, &after, &data);
    ::Pixmap pixmap = 0;
    if (status == Success && type == XA_PIXMAP && format == 32 && count == 1 && data != nullptr) {
        pixmap = static_cast<::Pixmap>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        ::XFree(data);
    }
    return trap.Failed() ? 0 : pixmap;
}

bool SizeOf(::Drawable drawable, int& width, int& height, unsigned& depth) {
    ::Window root = 0;
    int x = 0;
    int y = 0;
    unsigned w = 0;
    unsigned h = 0;
    unsigned border = 0;
    ErrorTrap trap;
    const bool ok = ::XGetGeometry(X().display, drawable, &root, &x, &y, &w, &h, &border, &depth) != 0;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return ok && !trap.Failed();
}

// Copies the source's (x, y, image size) area, clipped to the source, into
// the image at the matching place.
bool LoadClipped(::Drawable source, int sourceWidth, int sourceHeight, int x, int y, WindowImage& image) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + image.Width(), sourceWidth);
    const int bottom = std::min(y + image.Height(), sourceHeight);
    if (right <= left || bottom <= top) {
        return false;
    }
    return image.Load(source, left, top, right - left, bottom - top, left - x, top - y);
}

}  // namespace

bool HasScreenshot(::Window host) { return ScreenshotOf(host) != 0; }

void SetHostScreenshotAllowed(bool allowed) { g_hostScreenshotAllowed = allowed; }

bool LoadDesktopPicture(::Window parent, bool topLevel, int x, int y, WindowImage& image) {
    if (!image.Valid()) {
        return false;
    }
    Connection& c = X();
    if (topLevel) {
        return LoadClipped(c.root, c.rootWidth, c.rootHeight, x, y, image);
    }

    if (!g_hostScreenshotAllowed) {
        return false;
    }
    const ::Pixmap screenshot = ScreenshotOf(parent);
    int width = 0;
    int height = 0;
    unsigned depth = 0;
    int hostWidth = 0;
    int hostHeight = 0;
    unsigned hostDepth = 0;
    if (screenshot == 0 || !SizeOf(screenshot, width, height, depth) ||
        depth != static_cast<unsigned>(DefaultDepth(c.display, c.screen)) ||
        !SizeOf(parent, hostWidth, hostHeight, hostDepth)) {
        return false;
    }
    // The host saves either its own extent or the whole screen.
    if (width != hostWidth || height != hostHeight) {
        ::Window ignored = 0;
        ::XTranslateCoordinates(c.display, parent, c.root, x, y, &x, &y, &ignored);
    }
    return LoadClipped(screenshot, width, height, x, y, image);
}

}  // namespace fw::x11
