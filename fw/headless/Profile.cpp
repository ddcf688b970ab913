// The profile primitives of fw/Backend.h over the in-memory profile.
#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw::backend {

std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry) {
    headless::World& world = headless::TheWorld();
    world.outside->ProfileRead(entry);
    return world.profile.ReadInt(keyPath, entry);
}

BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value) {
    headless::World& world = headless::TheWorld();
    if (!world.outside->ProfileWriteTaken(keyPath, entry, value)) {
        return FALSE;
    }
    world.profile.WriteInt(keyPath, entry, value);
    return TRUE;
}

}  // namespace fw::backend
