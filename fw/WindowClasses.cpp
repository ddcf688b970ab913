// Window classes: named once per distinct set of attributes, registered
// through the backend, the names kept for the life of the process.
#include <cstdio>
#include <map>
#include <string>
#include <tuple>

#include "fw/Backend.h"
#include "fw/Platform.h"

namespace fw {

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static auto& registered = *new std::map<Key, std::string>;
    const Key key{nClassStyle, hCursor, hbrBackground, hIcon};
    const auto found = registered.find(key);
    if (found != registered.end()) {
        return found->second.c_str();
    }
    char name[96];
    std::snprintf(name, sizeof name, "TidewellFw:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                  static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    // The name is returned even if registering failed: creating with it then
    // fails, which the caller sees.
    backend::RegisterWindowClass(name, nClassStyle, hCursor, hbrBackground, hIcon);
    return registered.emplace(key, name).first->second.c_str();
}

const char* detail::DefaultWindowClass() {
    static const char* const name = [] {
        const char* n = "TidewellFwWnd";
        backend::RegisterWindowClass(n, 0, backend::ArrowCursor(), nullptr, nullptr);
        return n;
    }();
    return name;
}

}  // namespace fw
