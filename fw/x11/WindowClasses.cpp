// Window classes, cursors and resources: on X a class is only the cursor
// its windows show, and the program file carries no resources.
#include "fw/x11/WindowClasses.h"

#include <map>
#include <optional>
#include <string>

#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"

namespace fw {

namespace {

std::map<std::string, ::Cursor>& Classes() {
    static auto& classes = *new std::map<std::string, ::Cursor>;
    return classes;
}

HCURSOR g_current = nullptr;
std::optional<UINT> g_blankCursorId;

::Cursor ToXCursor(HCURSOR cursor) { return static_cast<::Cursor>(reinterpret_cast<std::uintptr_t>(cursor)); }

}  // namespace

::Cursor x11::ClassCursor(const char* className) {
    if (className == nullptr) {
        return 0;
    }
    const auto found = Classes().find(className);
    return found == Classes().end() ? 0 : found->second;
}

void x11::SetBlankCursorResource(UINT id) { g_blankCursorId = id; }

namespace backend {

BOOL RegisterWindowClass(const char* name, UINT /*style*/, HCURSOR cursor, HBRUSH /*background*/, HICON /*icon*/) {
    Classes()[name] = ToXCursor(cursor);
    return TRUE;
}

// The server's own arrow: no cursor of the window's own.
HCURSOR ArrowCursor() { return nullptr; }

HCURSOR LoadCursorResource(UINT id) {
    if (!g_blankCursorId || id != *g_blankCursorId || !x11::Connected()) {
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(x11::X().invisible));
}

HICON LoadIconResource(UINT /*id*/) { return nullptr; }

// The program's name comes from its argument vector.
std::string ProgramPath() { return std::string(); }

HCURSOR SetCursor(HCURSOR cursor) {
    // No cursor is the transparent one; it shows over the window the
    // pointer is in.
    const HCURSOR previous = g_current;
    g_current = cursor;
    const ::Window window = x11::WindowUnderPointer();
    if (window != 0 && x11::Connected()) {
        x11::ErrorTrap trap;
        ::XDefineCursor(x11::X().display, window, cursor != nullptr ? ToXCursor(cursor) : x11::X().invisible);
    }
    return previous;
}

}  // namespace backend
}  // namespace fw
