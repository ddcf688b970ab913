#include "app/x11/SaverApp.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "fw/Fw.h"
#include "fw/x11/X11Program.h"
#include "settings/Settings.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell {

namespace {

constexpr const char* kRegistryKey = "Orvalle";
constexpr int kTryOutWidth = 800;
constexpr int kTryOutHeight = 600;

bool Contains(const fw::RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

CSaverApp::CSaverApp(const SaverOptions& options, fw::HWND host)
    : fw::CWinApp("tidewell"), m_options(options), m_hHost(host) {}

CSaverApp::~CSaverApp() = default;

fw::BOOL CSaverApp::InitInstance() {
    SetRegistryKey(kRegistryKey);
    switch (m_options.target) {
        case SaverOptions::Target::kRoot:
        case SaverOptions::Target::kWindowId:
            return StartInHost();
        case SaverOptions::Target::kFullScreen:
            return StartFullScreen();
        case SaverOptions::Target::kWindow:
            break;
    }
    return StartWindow();
}

void CSaverApp::LoadSettings(bool hostHasNoPicture) {
    StoredSettings settings = ReadSettingsFile(SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    ApplySettingOptions(m_options, settings);
    // A host that saved no picture of the desktop leaves nothing to show but
    // the colour, as Blank screen would.
    if (hostHasNoPicture) settings[SettingNames::kBlank] = 1;
    fw::x11::SetProfileSection(SettingNames::kSection, settings);
}

fw::BOOL CSaverApp::StartInHost() {
    fw::CWnd* pHost = fw::CWnd::FromHandle(m_hHost);
    if (pHost == nullptr || !pHost->IsWindow()) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(reinterpret_cast<fw::UINT_PTR>(m_hHost)));
        m_strError = std::string("window ") + id + " does not exist";
        return fw::FALSE;
    }
    LoadSettings(!fw::x11::HasScreenshot(m_hHost));

    // The screen is the monitor the host's window is on: a window narrower
    // than it (a preview) is filled with the colour.
    fw::RECT host;
    pHost->GetWindowRect(&host);
    const std::vector<fw::RECT> monitors = fw::x11::Monitors();
    fw::RECT screen = monitors.front();
    for (const fw::RECT& monitor : monitors) {
        if (Contains(monitor, (host.left + host.right) / 2, (host.top + host.bottom) / 2)) {
            screen = monitor;
            break;
        }
    }
    fw::x11::SetScreenSize(screen.Width(), screen.Height());

    auto* pWnd = new CParticleWnd(fw::TRUE);
    fw::RECT client;
    pHost->GetClientRect(&client);
    // On failure the auto-delete window has already deleted itself.
    if (!pWnd->CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, client, pHost)) {
        m_strError = "cannot make a window in the host's window";
        return fw::FALSE;
    }
    m_pMainWnd = pWnd;
    return fw::TRUE;
}

fw::BOOL CSaverApp::StartWindow() {
    LoadSettings(false);
    const fw::RECT primary = fw::x11::Monitors().front();
    const int width = std::min<int>(kTryOutWidth, primary.Width());
    const int height = std::min<int>(kTryOutHeight, primary.Height());
    fw::RECT rect;
    rect.left = primary.left + (primary.Width() - width) / 2;
    rect.top = primary.top + (primary.Height() - height) / 2;
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    auto* pWnd = new CParticleWnd(fw::TRUE);
    if (!pWnd->CreateParticleWindow(0, fw::WS_OVERLAPPED | fw::WS_CAPTION | fw::WS_SYSMENU | fw::WS_VISIBLE, rect,
                                    nullptr)) {
        m_strError = "cannot make a window";
        return fw::FALSE;
    }
    m_pMainWnd = pWnd;
    return fw::TRUE;
}

fw::BOOL CSaverApp::StartFullScreen() {
    LoadSettings(false);
    // Each monitor gets a full-screen window. The screen they are measured
    // against is the smallest monitor, so each one shows the desktop.
    const std::vector<fw::RECT> monitors = fw::x11::Monitors();
    int width = monitors.front().Width();
    int height = monitors.front().Height();
    for (const fw::RECT& monitor : monitors) {
        width = std::min<int>(width, monitor.Width());
        height = std::min<int>(height, monitor.Height());
    }
    fw::x11::SetScreenSize(width, height);
    for (const fw::RECT& monitor : monitors) {
        auto* pWnd = new CFullScreenWnd;
        if (!pWnd->CreateParticleWindow(fw::WS_EX_TOPMOST, fw::WS_POPUP | fw::WS_VISIBLE, monitor, nullptr)) {
            m_strError = "cannot make a full-screen window";
            return fw::FALSE;
        }
        if (m_pMainWnd == nullptr) m_pMainWnd = pWnd;
    }
    return fw::TRUE;
}

}  // namespace tidewell
