// Window classes whose windows run the framework's window procedure.
#include "fw/win32/Classes.h"

#include <set>
#include <string>

#include "fw/win32/WindowProcedure.h"

namespace fw {

namespace {
std::set<std::string>& FrameworkClasses() {
    static auto& names = *new std::set<std::string>;
    return names;
}
}  // namespace

bool win32::IsFrameworkClass(const char* className) {
    return className != nullptr && FrameworkClasses().count(className) != 0;
}

BOOL backend::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = &win32::FrameworkWindowProc;
    wc.hInstance = win32::ProgramModule();
    wc.hCursor = reinterpret_cast<::HCURSOR>(cursor);
    wc.hbrBackground = win32::ToWin(background);
    wc.hIcon = win32::ToWin(icon);
    wc.lpszClassName = name;
    if (::RegisterClassA(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return FALSE;
    }
    FrameworkClasses().insert(name);
    return TRUE;
}

HCURSOR backend::ArrowCursor() { return reinterpret_cast<HCURSOR>(::LoadCursorA(nullptr, IDC_ARROW)); }

}  // namespace fw
