// Wayland programs carry no resources: one cursor id stands for the blank
// cursor (see WaylandProgram.h), and nothing else is there.
#include <optional>

#include "fw/wayland/Classes.h"
#include "fw/wayland/WaylandProgram.h"

namespace fw::wayland {

namespace {
std::optional<UINT> g_blankCursorId;
}  // namespace

void SetBlankCursorResource(UINT id) { g_blankCursorId = id; }

HCURSOR LoadCursorResource(UINT id) { return g_blankCursorId && id == *g_blankCursorId ? BlankCursor() : nullptr; }

HICON LoadIconResource(UINT /*id*/) { return nullptr; }

// The program's name comes from its argument vector.
std::string ProgramPath() { return std::string(); }

}  // namespace fw::wayland
