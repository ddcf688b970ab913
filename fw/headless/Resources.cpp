// The program's resources on the headless backend: handles without pictures.
#include "fw/Backend.h"

namespace fw::backend {

// Every resource id has its own handle, distinct from the arrow's; nothing
// else in this backend needs to know what the ids are.
HICON LoadIconResource(UINT id) { return reinterpret_cast<HICON>(0x7A000000u + std::uintptr_t{id} * 2); }
HCURSOR LoadCursorResource(UINT id) { return reinterpret_cast<HCURSOR>(0x7A000001u + std::uintptr_t{id} * 2); }

// The program's own name comes from its argument vector.
std::string ProgramPath() { return std::string(); }

}  // namespace fw::backend
