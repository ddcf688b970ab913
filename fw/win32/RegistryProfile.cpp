// The application's profile in the current user's registry:
// HKEY_CURRENT_USER\Software\<key>\<application name>\<section>.
#include <string>

#include "fw/win32/WindowsApi.h"

namespace fw {

namespace {

// The section's key path, or empty when no registry key has been set.
std::string SectionPath(CWinApp& app, const char* pszSection) {
    if (app.m_strRegistryKey.empty() || pszSection == nullptr) return std::string();
    win32::EnsureAppName(app);
    return app.ProfileKeyPath() + "\\" + pszSection;
}

}  // namespace

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    const std::string path = SectionPath(*this, pszSection);
    if (path.empty() || pszEntry == nullptr) return nDefault;
    ::HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nDefault;
    ::DWORD type = 0;
    ::DWORD value = 0;
    ::DWORD size = sizeof(value);
    const ::LONG status = ::RegQueryValueExA(key, pszEntry, nullptr, &type, reinterpret_cast<::BYTE*>(&value), &size);
    ::RegCloseKey(key);
    // Only a 32-bit integer of exactly four bytes counts; text, binary,
    // 64-bit or odd-sized data read as the default.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return nDefault;
    return static_cast<int>(value);
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    const std::string path = SectionPath(*this, pszSection);
    if (path.empty() || pszEntry == nullptr) return FALSE;
    ::HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return FALSE;
    const ::DWORD value = static_cast<::DWORD>(nValue);
    const ::LONG status =
        ::RegSetValueExA(key, pszEntry, 0, REG_DWORD, reinterpret_cast<const ::BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? TRUE : FALSE;
}

}  // namespace fw
