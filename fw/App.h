#pragma once
#include <string>

#include "fw/Types.h"

namespace fw {

class CWnd;

// The application object: start-up, message loop, profile and resources.
// Exactly one exists; its constructor makes it the current application.
class CWinApp {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE: a main window exists and Run is to be called.
    virtual BOOL InitInstance();
    // Dispatches messages until the quit message; returns its exit code.
    virtual int Run();

    // The profile lives under Software\<key>\<application name> for the
    // current user once a key is set.
    void SetRegistryKey(const char* pszKey);
    // The stored 32-bit integer, or nDefault when missing or of another type.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);

    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(UINT nIDResource) const;

    CWnd* m_pMainWnd = nullptr;
    // The process's argument vector: m_argv[0] is the program, m_argv[m_argc]
    // is null.
    int m_argc = 0;
    char** m_argv = nullptr;
    // The program file's name without folder and extension, unless given
    // (a backend that cannot tell leaves it to the argument vector).
    std::string m_strAppName;
    std::string m_strRegistryKey;

    // "Software\<key>\<application name>", or empty without a key.
    std::string ProfileKeyPath() const;
    // The section's key below it, or empty without a key.
    std::string SectionPath(const char* pszSection) const;
    // "Tidewell" from "C:\dir\Tidewell.scr" or "/dir/Tidewell".
    static std::string AppNameFromPath(const std::string& path);
};

CWinApp* AfxGetApp();

}  // namespace fw
