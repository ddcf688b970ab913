#include "fw/x11/Connection.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace fw::x11 {

namespace {

Connection g_connection;
unsigned g_nErrors = 0;
int g_signalPipe[2] = {-1, -1};

int CountError(::Display*, ::XErrorEvent*) {
    ++g_nErrors;
    return 0;
}

// Xlib's own handler prints several lines; ours says it in one, and the
// process ends at once, as nothing more can be drawn.
int OnLostConnection(::Display*) {
    static const char kLine[] = "tidewell: lost the connection to the X server\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
    std::_Exit(1);
}

void OnSignal(int signal) {
    const auto byte = static_cast<char>(signal);
    // Nothing to do if the pipe is full: one byte already says it.
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

bool MakeSignalPipe() {
    if (::pipe(g_signalPipe) != 0) {
        return false;
    }
    for (int fd : g_signalPipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action = {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) {
        ::sigaction(signal, &action, nullptr);
    }
    return true;
}

::Cursor MakeInvisibleCursor(::Display* display, ::Window root) {
    static const char kBits[1] = {0};
    ::Pixmap blank = ::XCreateBitmapFromData(display, root, kBits, 1, 1);
    ::XColor black = {};
    const ::Cursor cursor = ::XCreatePixmapCursor(display, blank, blank, &black, &black, 0, 0);
    ::XFreePixmap(display, blank);
    return cursor;
}

}  // namespace

ErrorTrap::ErrorTrap() : m_nBefore(g_nErrors) {}
ErrorTrap::~ErrorTrap() = default;

bool ErrorTrap::Failed() {
    ::XSync(g_connection.display, False);
    return g_nErrors != m_nBefore;
}

bool OpenConnection(const char* displayName, std::string& error) {
    Connection& c = g_connection;
    c.display = ::XOpenDisplay(displayName);
    if (c.display == nullptr) {
        const char* name = displayName != nullptr ? displayName : ::XDisplayName(nullptr);
        error = std::string("cannot open display \"") + (name != nullptr ? name : "") + "\"";
        return false;
    }
    ::XSetErrorHandler(&CountError);
    ::XSetIOErrorHandler(&OnLostConnection);
    c.screen = DefaultScreen(c.display);
    c.root = RootWindow(c.display, c.screen);
    c.rootWidth = DisplayWidth(c.display, c.screen);
    c.rootHeight = DisplayHeight(c.display, c.screen);
    ::Visual* visual = DefaultVisual(c.display, c.screen);
    if (visual->c_class != TrueColor || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
        visual->blue_mask != 0xFF || DefaultDepth(c.display, c.screen) < 24) {
        error = "the display has no 24-bit true-colour visual";
        return false;
    }
    // MIT-SHM works only where the server shares our memory: a local one.
    c.shm = ::XShmQueryExtension(c.display) != False;
    c.wmProtocols = ::XInternAtom(c.display, "WM_PROTOCOLS", False);
    c.wmDeleteWindow = ::XInternAtom(c.display, "WM_DELETE_WINDOW", False);
    c.screenshot = ::XInternAtom(c.display, "_SCREENSAVER_SCREENSHOT", False);
    c.invisible = MakeInvisibleCursor(c.display, c.root);
    // The screen's size changes reach us as the root window's.
    ::XSelectInput(c.display, c.root, StructureNotifyMask);
    if (!MakeSignalPipe()) {
        error = "cannot make a pipe for signals";
        return false;
    }
    c.signalFd = g_signalPipe[0];
    return true;
}

Connection& X() { return g_connection; }
bool Connected() { return g_connection.display != nullptr; }

}  // namespace fw::x11
