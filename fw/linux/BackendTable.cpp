// The primitives of fw/Backend.h for a program that picks its backend at
// start: each goes to the table UseBackend chose. Before the choice there is
// no platform: a call does nothing and gives an empty result.
#include "fw/BackendTable.h"

namespace fw {

namespace {
BackendTable g_active;
}  // namespace

void UseBackend(const BackendTable& table) { g_active = table; }

namespace backend {
#define TIDEWELL_FORWARD_PRIMITIVE(result, name, parameters, arguments) \
    result name parameters { return g_active.name != nullptr ? g_active.name arguments : result(); }
TIDEWELL_BACKEND_PRIMITIVES(TIDEWELL_FORWARD_PRIMITIVE)
#undef TIDEWELL_FORWARD_PRIMITIVE
}  // namespace backend

}  // namespace fw
