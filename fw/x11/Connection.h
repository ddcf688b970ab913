#pragma once
#include <string>

#include "fw/x11/X11Program.h"
#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// The program's one connection to the X server and what it learnt there.
struct Connection {
    ::Display* display = nullptr;
    int screen = 0;
    ::Window root = 0;
    int rootWidth = 0;
    int rootHeight = 0;
    bool shm = false;  // MIT-SHM images are possible
    ::Atom wmProtocols = 0;
    ::Atom wmDeleteWindow = 0;
    ::Atom screenshot = 0;  // the host's picture of the desktop
    ::Cursor invisible = 0;
    int signalFd = -1;  // one byte, the signal's number, for each SIGTERM, SIGINT, SIGHUP or SIGUSR1
};

// Opens the display (see Connect in X11Program.h).
bool OpenConnection(const char* displayName, std::string& error);

// Valid after Connect (X11Program.h).
Connection& X();
bool Connected();

// X errors are expected where another client's window may be gone; while a
// trap lives, errors are counted instead of ending the program.
class ErrorTrap {
public:
    ErrorTrap();
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Waits for the server to answer everything sent so far.
    bool Failed();

private:
    unsigned m_nBefore;
};

}  // namespace fw::x11
