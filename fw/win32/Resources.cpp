// The program's own resources, from its module.
#include "fw/win32/WindowsApi.h"

namespace fw::backend {

using win32::ToFw;

HICON LoadIconResource(UINT id) { return ToFw(::LoadIconA(win32::ProgramModule(), MAKEINTRESOURCEA(id))); }

HCURSOR LoadCursorResource(UINT id) {
    return reinterpret_cast<HCURSOR>(::LoadCursorA(win32::ProgramModule(), MAKEINTRESOURCEA(id)));
}

std::string ProgramPath() {
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace fw::backend
