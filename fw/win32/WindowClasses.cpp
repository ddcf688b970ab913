#include "fw/win32/WindowClasses.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "fw/win32/WindowProcedure.h"

namespace fw {
namespace win32 {

namespace {

std::set<std::string>& FrameworkClasses() {
    static std::set<std::string> names;
    return names;
}

bool Register(const std::string& name, UINT style, ::HCURSOR cursor, ::HBRUSH brush, ::HICON icon) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = &FrameworkWindowProc;
    wc.hInstance = ProgramModule();
    wc.hCursor = cursor;
    wc.hbrBackground = brush;
    wc.hIcon = icon;
    wc.lpszClassName = name.c_str();
    if (::RegisterClassA(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    FrameworkClasses().insert(name);
    return true;
}

}  // namespace

const char* DefaultWindowClass() {
    static const std::string name = [] {
        std::string n = "TidewellFwWnd";
        Register(n, 0, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)), nullptr, nullptr);
        return n;
    }();
    return name.c_str();
}

bool IsFrameworkClass(const char* className) {
    return className != nullptr && FrameworkClasses().count(className) != 0;
}

}  // namespace win32

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Key, std::string> registered;
    const Key key{nClassStyle, hCursor, hbrBackground, hIcon};
    auto it = registered.find(key);
    if (it != registered.end()) return it->second.c_str();

    char name[96];
    std::snprintf(name, sizeof name, "TidewellFw:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                  static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    win32::Register(name, nClassStyle, reinterpret_cast<::HCURSOR>(hCursor), win32::ToWin(hbrBackground),
                    win32::ToWin(hIcon));
    // The name is returned even if registering failed: creating with it then
    // fails, which the caller sees.
    return registered.emplace(key, name).first->second.c_str();
}

}  // namespace fw
