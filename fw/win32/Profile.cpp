// The profile primitives of fw/Backend.h in the current user's registry.
#include <string>

#include "fw/win32/WindowsApi.h"

namespace fw::backend {

std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry) {
    ::HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ::DWORD type = 0;
    ::DWORD value = 0;
    ::DWORD size = sizeof(value);
    const ::LONG status =
        ::RegQueryValueExA(key, entry.c_str(), nullptr, &type, reinterpret_cast<::BYTE*>(&value), &size);
    ::RegCloseKey(key);
    // Only a 32-bit integer of exactly four bytes counts; text, binary,
    // 64-bit or odd-sized data read as nothing.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value) {
    ::HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return FALSE;
    }
    const ::DWORD bits = static_cast<::DWORD>(value);
    const ::LONG status =
        ::RegSetValueExA(key, entry.c_str(), 0, REG_DWORD, reinterpret_cast<const ::BYTE*>(&bits), sizeof(bits));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? TRUE : FALSE;
}

}  // namespace fw::backend
