// The application's profile: values the program hands over at start-up (the
// settings file under the options). Nothing is written back to a file.
#include <map>
#include <string>

#include "fw/App.h"
#include "fw/x11/X11Program.h"

namespace fw {

namespace {
std::map<std::string, std::map<std::string, std::int32_t>>& Sections() {
    static auto& sections = *new std::map<std::string, std::map<std::string, std::int32_t>>;
    return sections;
}
}  // namespace

void x11::SetProfileSection(const std::string& section, const std::map<std::string, std::int32_t>& values) {
    Sections()[section] = values;
}

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    // As with the registry, nothing is read before a key is set.
    if (m_strRegistryKey.empty() || pszSection == nullptr || pszEntry == nullptr) return nDefault;
    const auto section = Sections().find(pszSection);
    if (section == Sections().end()) return nDefault;
    const auto value = section->second.find(pszEntry);
    return value == section->second.end() ? nDefault : value->second;
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    if (m_strRegistryKey.empty() || pszSection == nullptr || pszEntry == nullptr) return FALSE;
    Sections()[pszSection][pszEntry] = nValue;
    return TRUE;
}

}  // namespace fw
