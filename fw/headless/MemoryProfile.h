#pragma once
#include <map>
#include <optional>
#include <string>

#include "fw/headless/Headless.h"

namespace fw::headless {

// A registry-like store: keys of typed values, names compared without
// regard to case. Holds the write hooks and the logs tests look at.
class MemoryProfile {
public:
    void Set(const std::string& key, const std::string& entry, const ProfileValue& value);
    std::optional<ProfileValue> Get(const std::string& key, const std::string& entry) const;
    // Removes the key and every key below it.
    void DeleteTree(const std::string& key);
    bool KeyExists(const std::string& key) const;
    std::size_t ValueCount() const;

    // The stored 32-bit integer; nothing for a missing value or any value
    // that is not a 4-byte REG_DWORD. Logged.
    std::optional<std::int32_t> ReadInt(const std::string& key, const std::string& entry);
    // Stores a REG_DWORD, making the key; false (nothing changed) when the
    // write is made to fail. Logged.
    bool WriteInt(const std::string& key, const std::string& entry, std::int32_t value);

    void FailWrites(const std::string& entry);  // empty: every entry
    void StopFailingWrites();

    const std::vector<ProfileWrite>& Writes() const { return m_writes; }
    const std::vector<std::string>& Reads() const { return m_reads; }
    void ClearReads() { m_reads.clear(); }

private:
    bool WriteFails(const std::string& entry) const;

    using Values = std::map<std::string, ProfileValue>;  // by folded entry name
    std::map<std::string, Values> m_keys;                // by folded key path
    bool m_failAll = false;
    std::vector<std::string> m_failingEntries;  // folded
    std::vector<ProfileWrite> m_writes;
    std::vector<std::string> m_reads;
};

// A 4-byte REG_DWORD as the platform stores it (little-endian), and back.
ProfileValue DwordValue(std::uint32_t bits);
std::optional<std::int32_t> DwordOf(const ProfileValue& value);

// Lower case, and "\" runs cut to one, for key comparison.
std::string FoldName(const std::string& name);

}  // namespace fw::headless
