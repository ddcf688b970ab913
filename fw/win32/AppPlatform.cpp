// The application's message loop, resources and the system services of
// fw/Platform.h.
#include <ctime>

#include "fw/win32/WindowsApi.h"

namespace fw {

using win32::ToFw;

void win32::EnsureAppName(CWinApp& app) {
    if (!app.m_strAppName.empty()) return;
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    app.m_strAppName = CWinApp::AppNameFromPath(path);
}

int CWinApp::Run() {
    ::MSG msg{};
    for (;;) {
        const ::BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);  // WM_QUIT
        if (got == -1) return -1;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ToFw(::LoadIconA(win32::ProgramModule(), MAKEINTRESOURCEA(nIDResource)));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return reinterpret_cast<HCURSOR>(::LoadCursorA(win32::ProgramModule(), MAKEINTRESOURCEA(nIDResource)));
}

int GetSystemMetrics(int nIndex) { return ::GetSystemMetrics(nIndex); }

DWORD GetTickCount() { return ::GetTickCount(); }

std::int64_t GetCurrentTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

void PostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

HCURSOR SetCursor(HCURSOR cursor) {
    return reinterpret_cast<HCURSOR>(::SetCursor(reinterpret_cast<::HCURSOR>(cursor)));
}

}  // namespace fw
