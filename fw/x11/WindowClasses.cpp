// Window classes, cursors and resources: on X a class is only the cursor
// its windows show.
#include "fw/x11/WindowClasses.h"

#include <map>
#include <string>

#include "fw/x11/Connection.h"
#include "fw/x11/EventLoop.h"
#include "res/resource.h"

namespace fw {

namespace {

std::map<std::string, ::Cursor>& Classes() {
    static auto& classes = *new std::map<std::string, ::Cursor>;
    return classes;
}

HCURSOR g_current = nullptr;

}  // namespace

::Cursor x11::ClassCursor(const char* className) {
    if (className == nullptr) return 0;
    const auto found = Classes().find(className);
    return found == Classes().end() ? 0 : found->second;
}

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH /*hbrBackground*/, HICON /*hIcon*/) {
    const std::string name = "TidewellX11:" + std::to_string(nClassStyle) + ":" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(hCursor));
    const auto inserted = Classes().emplace(name, static_cast<::Cursor>(reinterpret_cast<std::uintptr_t>(hCursor)));
    return inserted.first->first.c_str();
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    // The one cursor resource is the transparent one.
    if (nIDResource != IDC_NULLCURSOR || !x11::Connected()) return nullptr;
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(x11::X().invisible));
}

HICON CWinApp::LoadIcon(UINT /*nIDResource*/) const { return nullptr; }

HCURSOR SetCursor(HCURSOR cursor) {
    // No cursor is the transparent one; it shows over the window the
    // pointer is in.
    const HCURSOR previous = g_current;
    g_current = cursor;
    const ::Window window = x11::WindowUnderPointer();
    if (window != 0 && x11::Connected()) {
        const auto xCursor = cursor != nullptr ? static_cast<::Cursor>(reinterpret_cast<std::uintptr_t>(cursor))
                                               : x11::X().invisible;
        x11::ErrorTrap trap;
        ::XDefineCursor(x11::X().display, window, xCursor);
    }
    return previous;
}

}  // namespace fw
