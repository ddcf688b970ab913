#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fw/Types.h"

namespace fw::headless {

// Registry-like value types with the platform's numbers.
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_QWORD = 11;

struct ProfileValue {
    DWORD type = REG_DWORD;
    std::vector<std::uint8_t> bytes;
};

// A registry-like store: keys of typed values below the user's root, by
// full path ("Software\Orvalle\Tidewell\Config"), names compared without
// regard to case.
class MemoryProfile {
public:
    using Values = std::map<std::string, ProfileValue>;  // by folded entry name
    using Keys = std::map<std::string, Values>;          // by folded key path

    void Set(const std::string& key, const std::string& entry, const ProfileValue& value);
    std::optional<ProfileValue> Get(const std::string& key, const std::string& entry) const;
    // The stored 32-bit integer; nothing for a missing value or any value
    // that is not a 4-byte REG_DWORD.
    std::optional<std::int32_t> ReadInt(const std::string& key, const std::string& entry) const;
    // Stores a REG_DWORD, making the key.
    void WriteInt(const std::string& key, const std::string& entry, std::int32_t value);

    Keys& AllKeys() { return m_keys; }

private:
    Keys m_keys;
};

// A 4-byte REG_DWORD as the platform stores it (little-endian), and back.
ProfileValue DwordValue(std::uint32_t bits);
std::optional<std::int32_t> DwordOf(const ProfileValue& value);

// Lower case, and "\" runs cut to one, for key comparison.
std::string FoldName(const std::string& name);

}  // namespace fw::headless
