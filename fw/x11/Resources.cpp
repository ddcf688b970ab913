// X programs carry no resources: one cursor id stands for the blank cursor
// (see X11Program.h), and nothing else is there.
#include <optional>

#include "fw/x11/Connection.h"

namespace fw {

namespace {
std::optional<UINT> g_blankCursorId;
}  // namespace

void x11::SetBlankCursorResource(UINT id) { g_blankCursorId = id; }

namespace x11 {

HCURSOR LoadCursorResource(UINT id) {
    if (!g_blankCursorId || id != *g_blankCursorId || !x11::Connected()) {
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(x11::X().invisible));
}

HICON LoadIconResource(UINT /*id*/) { return nullptr; }

// The program's name comes from its argument vector.
std::string ProgramPath() { return std::string(); }

}  // namespace x11
}  // namespace fw
