// A host's window for the X11 tests: x11-test-host W H maps a W x H window
// at (0, 0), prints its id, then waits until it is killed.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || argc != 3) {
        std::fprintf(stderr, "usage: x11-test-host W H (with DISPLAY set)\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, std::atoi(argv[1]),
                                              std::atoi(argv[2]), 0, 0, BlackPixel(display, screen));
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
