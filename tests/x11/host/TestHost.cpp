// What the X11 tests need from a host: a window for tidewell to draw in, and
// a known desktop picture on the root window.
//   x11-test-host window W H   a mapped W x H window at (0, 0); prints its id,
//                              then waits until it is killed
//   x11-test-host desktop P6   the root window shows the PPM picture (kept
//                              after this program ends)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

int ShowWindow(Display* display, int width, int height) {
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0, 0,
                                              BlackPixel(display, screen));
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;  // exactly where it is asked to be
    XChangeWindowAttributes(display, window, CWOverrideRedirect, &attributes);
    XMapRaised(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}

int ShowDesktop(Display* display, const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxval = 0;
    file >> magic >> width >> height >> maxval;
    file.get();
    if (magic != "P6" || width <= 0 || height <= 0 || maxval != 255) {
        return 1;
    }
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    file.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen), ZPixmap, 0,
                                 static_cast<char*>(std::malloc(static_cast<std::size_t>(width) * height * 4)), width,
                                 height, 32, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            XPutPixel(image, x, y, (static_cast<unsigned long>(p[0]) << 16) | (p[1] << 8) | p[2]);
        }
    }
    const Pixmap pixmap = XCreatePixmap(display, root, width, height, DefaultDepth(display, screen));
    XPutImage(display, pixmap, DefaultGC(display, screen), image, 0, 0, 0, 0, width, height);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);  // the picture outlives us
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 1;
    }
    if (argc == 4 && std::strcmp(argv[1], "window") == 0) {
        return ShowWindow(display, std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "desktop") == 0) {
        return ShowDesktop(display, argv[2]);
    }
    std::fprintf(stderr, "usage: x11-test-host window W H | desktop FILE.ppm\n");
    return 2;
}
