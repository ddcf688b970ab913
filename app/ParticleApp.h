#pragma once
#include "fw/App.h"

namespace tidewell {

// The application object: reads the mode from the command line and starts
// the settings dialog, the preview inside the host's window, or the
// full-screen run. The program has exactly one (see TidewellMain.cpp); tests
// make their own.
class CParticleApp : public fw::CWinApp {
public:
    // What the first argument asks for.
    enum Mode { kSettings = 0, kPreview = 1, kRun = 2, kNone = 3 };

    CParticleApp();
    ~CParticleApp() override;

    // TRUE when a preview or full-screen window now runs as the main window.
    fw::BOOL InitInstance() override;

    // One leading '-' or '/' is skipped; then C, P or S in either case picks
    // the mode and the rest is ignored. Anything else, null included, is none.
    static int ParseMode(const char* argument);

    // The modal settings dialog; writes the settings back on OK only.
    void RunSettings();

private:
    fw::BOOL StartPreview(const char* hostArgument);
    fw::BOOL StartFullScreen();
};

}  // namespace tidewell
