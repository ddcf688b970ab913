// Window classes on the headless backend, kept for the process.
#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw::backend {

BOOL RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    headless::ClassInfo info;
    info.style = style;
    info.cursor = cursor;
    info.brush = background;
    info.icon = icon;
    headless::RegisterClass(name, info);
    return TRUE;
}

HCURSOR ArrowCursor() { return reinterpret_cast<HCURSOR>(std::uintptr_t{0x7A7F00}); }

}  // namespace fw::backend
