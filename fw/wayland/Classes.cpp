// Window classes: on Wayland a class is only whether its windows hide the
// pointer; there are no cursor images of our own.
#include "fw/wayland/Classes.h"

#include <set>
#include <string>

namespace fw::wayland {

namespace {
std::set<std::string>& HidingClasses() {
    static auto& classes = *new std::set<std::string>;
    return classes;
}
}  // namespace

HCURSOR BlankCursor() { return reinterpret_cast<HCURSOR>(std::uintptr_t{1}); }

bool ClassHidesCursor(const char* className) { return className != nullptr && HidingClasses().count(className) != 0; }

BOOL RegisterWindowClass(const char* name, UINT /*style*/, HCURSOR cursor, HBRUSH /*background*/, HICON /*icon*/) {
    if (cursor == BlankCursor()) {
        HidingClasses().insert(name);
    } else {
        HidingClasses().erase(name);
    }
    return TRUE;
}

// The compositor's own pointer: no cursor of the window's own.
HCURSOR ArrowCursor() { return nullptr; }

}  // namespace fw::wayland
