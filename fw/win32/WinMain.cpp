// The program's entry point: the one application object (constructed during
// static initialisation) gets the argument vector and runs.
#include <cfloat>
#include <cstdlib>

#include "fw/win32/WindowsApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
#if defined(__i386__)
    // Doubles stay doubles even where the x87 unit is used.
    _controlfp(_PC_53, _MCW_PC);
#endif
    fw::CWinApp* app = fw::AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->m_argc = __argc;
    app->m_argv = __argv;
    if (!app->InitInstance()) {
        return 0;
    }
    return app->Run();
}
