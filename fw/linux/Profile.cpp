// The profile lives in memory for the life of the process: the program
// writes the settings file's values into it at start-up (see app/x11), and
// nothing goes back to a file.
#include <map>
#include <string>

#include "fw/BackendTable.h"

namespace fw::shared {

namespace {
std::map<std::string, std::map<std::string, std::int32_t>>& Keys() {
    static auto& keys = *new std::map<std::string, std::map<std::string, std::int32_t>>;
    return keys;
}
}  // namespace

std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry) {
    const auto key = Keys().find(keyPath);
    if (key == Keys().end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(entry);
    return value == key->second.end() ? std::nullopt : std::optional<std::int32_t>(value->second);
}

BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value) {
    Keys()[keyPath][entry] = value;
    return TRUE;
}

}  // namespace fw::shared
