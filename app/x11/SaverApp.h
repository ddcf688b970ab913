#pragma once
#include <functional>
#include <string>

#include "app/x11/SaverOptions.h"
#include "fw/App.h"

namespace tidewell {

// The Linux program's application object: the options' settings over the
// settings file's, then the particle windows where the options say.
class CSaverApp : public fw::CWinApp {
public:
    // host: the window to draw in for -root and -window-id. byXScreenSaver:
    // its settings page is then the one source of settings, so the settings
    // file is not read.
    CSaverApp(const SaverOptions& options, fw::HWND host, bool byXScreenSaver);
    ~CSaverApp() override;

    // TRUE when a particle window runs as the main window. FALSE with a
    // one-line reason in m_strError.
    fw::BOOL InitInstance() override;

    std::string m_strError;

private:
    // hasPicture: whether the desktop can be shown; asked only when the
    // settings would show it.
    void LoadSettings(const std::function<bool()>& hasPicture);
    fw::BOOL StartInHost();
    fw::BOOL StartWindow();
    fw::BOOL StartFullScreen();

    SaverOptions m_options;
    fw::HWND m_hHost;
    bool m_bByXScreenSaver;
};

}  // namespace tidewell
