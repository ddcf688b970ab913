#include "fw/headless/MemoryProfile.h"

#include <algorithm>
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

void MemoryProfile::DeleteTree(const std::string& key) {
    const std::string folded = FoldName(key);
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        const bool below = it->first.size() > folded.size() && it->first.compare(0, folded.size(), folded) == 0 &&
                           it->first[folded.size()] == '\\';
        it = (it->first == folded || below) ? m_keys.erase(it) : std::next(it);
    }
}

bool MemoryProfile::KeyExists(const std::string& key) const {
    const std::string folded = FoldName(key);
    for (const auto& k : m_keys) {
        // A key exists when made, and so do the keys above it.
        if (k.first == folded || (k.first.size() > folded.size() && k.first.compare(0, folded.size(), folded) == 0 &&
                                  k.first[folded.size()] == '\\')) {
            return true;
        }
    }
    return false;
}

std::size_t MemoryProfile::ValueCount() const {
    std::size_t count = 0;
    for (const auto& k : m_keys) {
        count += k.second.size();
    }
    return count;
}

std::optional<std::int32_t> MemoryProfile::ReadInt(const std::string& key, const std::string& entry) {
    m_reads.push_back(entry);
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

bool MemoryProfile::WriteInt(const std::string& key, const std::string& entry, std::int32_t value) {
    const bool fails = WriteFails(entry);
    m_writes.push_back(ProfileWrite{key, entry, value, !fails});
    if (fails) {
        return false;
    }
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Set(key, entry, DwordValue(bits));
    return true;
}

void MemoryProfile::FailWrites(const std::string& entry) {
    if (entry.empty()) {
        m_failAll = true;
    } else {
        m_failingEntries.push_back(FoldName(entry));
    }
}

void MemoryProfile::StopFailingWrites() {
    m_failAll = false;
    m_failingEntries.clear();
}

bool MemoryProfile::WriteFails(const std::string& entry) const {
    return m_failAll ||
           std::find(m_failingEntries.begin(), m_failingEntries.end(), FoldName(entry)) != m_failingEntries.end();
}

}  // namespace fw::headless
