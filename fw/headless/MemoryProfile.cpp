#include "fw/headless/MemoryProfile.h"

#include <cctype>
#include <cstring>

namespace fw::headless {

std::string FoldName(const std::string& name) {
    std::string folded;
    folded.reserve(name.size());
    for (const char c : name) {
        if (c == '\\' && !folded.empty() && folded.back() == '\\') {
            continue;
        }
        folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    while (!folded.empty() && folded.back() == '\\') {
        folded.pop_back();
    }
    return folded;
}

void MemoryProfile::Set(const std::string& key, const std::string& entry, const ProfileValue& value) {
    m_keys[FoldName(key)][FoldName(entry)] = value;
}

std::optional<ProfileValue> MemoryProfile::Get(const std::string& key, const std::string& entry) const {
    const auto k = m_keys.find(FoldName(key));
    if (k == m_keys.end()) {
        return std::nullopt;
    }
    const auto v = k->second.find(FoldName(entry));
    if (v == k->second.end()) {
        return std::nullopt;
    }
    return v->second;
}

std::optional<std::int32_t> MemoryProfile::ReadInt(const std::string& key, const std::string& entry) const {
    const std::optional<ProfileValue> value = Get(key, entry);
    return value ? DwordOf(*value) : std::nullopt;
}

ProfileValue DwordValue(std::uint32_t bits) {
    ProfileValue value;
    value.type = REG_DWORD;
    value.bytes = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                   static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    return value;
}

std::optional<std::int32_t> DwordOf(const ProfileValue& value) {
    if (value.type != REG_DWORD || value.bytes.size() != sizeof(std::int32_t)) {
        return std::nullopt;
    }
    const std::uint32_t bits =
        static_cast<std::uint32_t>(value.bytes[0]) | (static_cast<std::uint32_t>(value.bytes[1]) << 8) |
        (static_cast<std::uint32_t>(value.bytes[2]) << 16) | (static_cast<std::uint32_t>(value.bytes[3]) << 24);
    std::int32_t result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

void MemoryProfile::WriteInt(const std::string& key, const std::string& entry, std::int32_t value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Set(key, entry, DwordValue(bits));
}

}  // namespace fw::headless
