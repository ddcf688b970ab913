// Window classes: on X a class is only the cursor its windows show.
#include "fw/x11/Classes.h"

#include <map>
#include <string>

#include "fw/x11/Connection.h"

namespace fw {

namespace {

std::map<std::string, ::Cursor>& Classes() {
    static auto& classes = *new std::map<std::string, ::Cursor>;
    return classes;
}

}  // namespace

::Cursor x11::ToXCursor(HCURSOR cursor) { return static_cast<::Cursor>(reinterpret_cast<std::uintptr_t>(cursor)); }

::Cursor x11::ClassCursor(const char* className) {
    if (className == nullptr) {
        return 0;
    }
    const auto found = Classes().find(className);
    return found == Classes().end() ? 0 : found->second;
}

namespace x11 {

BOOL RegisterWindowClass(const char* name, UINT /*style*/, HCURSOR cursor, HBRUSH /*background*/, HICON /*icon*/) {
    Classes()[name] = x11::ToXCursor(cursor);
    return TRUE;
}

// The server's own arrow: no cursor of the window's own.
HCURSOR ArrowCursor() { return nullptr; }

}  // namespace x11
}  // namespace fw
