#include "fw/App.h"

namespace fw {

namespace {
CWinApp*& CurrentApp() {
    static CWinApp* pApp = nullptr;
    return pApp;
}
}  // namespace

CWinApp::CWinApp(const char* pszAppName) {
    if (pszAppName != nullptr) {
        m_strAppName = pszAppName;
    }
    CurrentApp() = this;
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) {
        CurrentApp() = nullptr;
    }
}

CWinApp* AfxGetApp() { return CurrentApp(); }

BOOL CWinApp::InitInstance() { return TRUE; }

void CWinApp::SetRegistryKey(const char* pszKey) { m_strRegistryKey = pszKey != nullptr ? pszKey : ""; }

std::string CWinApp::ProfileKeyPath() const {
    if (m_strRegistryKey.empty()) {
        return std::string();
    }
    // Without a name of its own, the program file's name, as the entry point
    // would have set it.
    std::string appName = m_strAppName;
    if (appName.empty() && m_argc > 0 && m_argv != nullptr && m_argv[0] != nullptr) {
        appName = AppNameFromPath(m_argv[0]);
    }
    return "Software\\" + m_strRegistryKey + "\\" + appName;
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
