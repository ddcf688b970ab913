// The profile primitives of fw/Backend.h over the in-memory profile.
#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw::backend {

std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry) {
    return headless::TheWorld().profile.ReadInt(keyPath, entry);
}

BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value) {
    return headless::TheWorld().profile.WriteInt(keyPath, entry, value) ? TRUE : FALSE;
}

}  // namespace fw::backend
