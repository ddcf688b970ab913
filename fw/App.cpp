#include "fw/App.h"

#include "fw/Backend.h"

namespace fw {

namespace {
CWinApp*& CurrentApp() {
    static CWinApp* pApp = nullptr;
    return pApp;
}
}  // namespace

CWinApp::CWinApp(const char* pszAppName)
    : m_strAppName(pszAppName != nullptr ? pszAppName : AppNameFromPath(backend::ProgramPath())) {
    CurrentApp() = this;
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) {
        CurrentApp() = nullptr;
    }
}

CWinApp* AfxGetApp() { return CurrentApp(); }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() { return backend::RunMessageLoop(); }

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    const std::string path = SectionPath(pszSection);
    if (path.empty() || pszEntry == nullptr) {
        return nDefault;  // no profile without a key
    }
    return backend::ReadProfileInt(path, pszEntry).value_or(nDefault);
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    const std::string path = SectionPath(pszSection);
    if (path.empty() || pszEntry == nullptr) {
        return FALSE;
    }
    return backend::WriteProfileInt(path, pszEntry, nValue);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return backend::LoadIconResource(nIDResource); }

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return backend::LoadCursorResource(nIDResource); }

void CWinApp::SetRegistryKey(const char* pszKey) { m_strRegistryKey = pszKey != nullptr ? pszKey : ""; }

std::string CWinApp::ProfileKeyPath() const {
    if (m_strRegistryKey.empty()) {
        return std::string();
    }
    // Without a name of its own, the program file's name, as the entry point
    // would have set it.
    std::string appName = m_strAppName;
    if (appName.empty()) {
        const bool given = m_argc > 0 && m_argv != nullptr && m_argv[0] != nullptr;
        appName = AppNameFromPath(given ? std::string(m_argv[0]) : backend::ProgramPath());
    }
    return "Software\\" + m_strRegistryKey + "\\" + appName;
}

std::string CWinApp::SectionPath(const char* pszSection) const {
    if (m_strRegistryKey.empty() || pszSection == nullptr) {
        return std::string();
    }
    return ProfileKeyPath() + "\\" + pszSection;
}

std::string CWinApp::AppNameFromPath(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

}  // namespace fw
