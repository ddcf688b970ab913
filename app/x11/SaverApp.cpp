#include "app/x11/SaverApp.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/x11/DesktopGrabPreference.h"
#include "fw/Fw.h"
#include "fw/Rect.h"
#include "fw/linux/Session.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell {

namespace {

constexpr const char* kRegistryKey = "Orvalle";
constexpr int kTryOutWidth = 800;
constexpr int kTryOutHeight = 600;

// The monitor holding the point; the primary when none does.
fw::RECT MonitorHolding(int x, int y) {
    for (const fw::MonitorArea& monitor : fw::EnumMonitors()) {
        if (fw::PointInRect(monitor.rect, x, y)) {
            return monitor.rect;
        }
    }
    return fw::PrimaryMonitor();
}

// XScreenSaver's grabDesktopImages, as its own image grabber reads it.
bool UserAllowsDesktopPicture() {
    const fw::session::ServerResources server = fw::session::ServerResourceStrings();
    const auto sources = LoadGrabPreferenceSources(server.resourceManager, server.screenResources);
    return sources && GrabsDesktopImages(*sources);
}

}  // namespace

CSaverApp::CSaverApp(const SaverOptions& options, fw::HWND host, bool byXScreenSaver)
    : fw::CWinApp("tidewell"), m_options(options), m_hHost(host), m_bByXScreenSaver(byXScreenSaver) {}

CSaverApp::~CSaverApp() = default;

fw::BOOL CSaverApp::InitInstance() {
    SetRegistryKey(kRegistryKey);
    fw::session::SetBlankCursorResource(IDC_NULLCURSOR);
    // Windows here change size (a host's window, a grown screen, the window
    // to try it in): each change makes the field anew for the new size.
    CParticleWnd::FollowSizeChanges(true);
    CFullScreenWnd::CoverMonitorsPluggedIn(true);
    fw::session::SetRestartHandler([this] {
        if (auto* pWnd = dynamic_cast<CParticleWnd*>(m_pMainWnd)) {
            pWnd->RestartField();
        }
    });
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

void CSaverApp::LoadSettings(const std::function<bool()>& hasPicture) {
    // XScreenSaver leaves out of the command line every value its settings
    // page holds at the default: the file must not fill those in.
    std::string warning;
    StoredSettings settings =
        m_bByXScreenSaver
            ? StoredSettings()
            : ReadSettingsFile(SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")), &warning);
    if (!warning.empty()) {
        std::fprintf(stderr, "tidewell: %s\n", warning.c_str());
    }
    for (const auto& [name, value] : m_options.settings) {
        settings[name] = value;
    }
    // Without a picture of the desktop there is nothing to show but the
    // colour, as Blank screen would; under Blank screen none is taken.
    const auto blank = settings.find(kBlankSetting.stored[0].name);
    const bool blankScreen = (blank != settings.end() ? blank->second : kBlankSetting.stored[0].fallback) != 0;
    if (!blankScreen && !hasPicture()) {
        Put(settings, kBlankSetting, 1);
    }
    // Into the profile, where the windows read them as stored settings.
    WriteSettings(*this, settings);
}

fw::BOOL CSaverApp::StartInHost() {
    fw::CWnd* pHost = fw::CWnd::FromHandle(m_hHost);
    if (pHost == nullptr || !pHost->IsWindow()) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(reinterpret_cast<fw::UINT_PTR>(m_hHost)));
        m_strError = std::string("window ") + id + " does not exist";
        return fw::FALSE;
    }
    // The host's picture of the desktop only where the user lets savers
    // show it; otherwise, and where that is unknown, the colour.
    LoadSettings([this] {
        const bool usePicture = fw::session::HasScreenshot(m_hHost) && UserAllowsDesktopPicture();
        fw::session::AllowHostScreenshot(usePicture);
        return usePicture;
    });

    // The screen is the monitor the host's window is on: a window narrower
    // than it (a preview) is filled with the colour.
    fw::RECT host;
    pHost->GetWindowRect(&host);
    const fw::RECT screen = MonitorHolding((host.left + host.right) / 2, (host.top + host.bottom) / 2);

    auto* pWnd = new CParticleWnd(fw::TRUE, screen, 0);
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
    // A framed window over other windows has no desktop of its own to show:
    // the colour, at every size.
    LoadSettings([] { return false; });
    const fw::RECT primary = fw::PrimaryMonitor();
    const int width = std::min<int>(kTryOutWidth, primary.Width());
    const int height = std::min<int>(kTryOutHeight, primary.Height());
    const int left = primary.left + (primary.Width() - width) / 2;
    const int top = primary.top + (primary.Height() - height) / 2;
    const fw::RECT rect = fw::MakeRect(left, top, left + width, top + height);
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
    LoadSettings([] { return fw::session::DesktopUnderWindows(true); });
    // Every monitor, each its own screen, as one saver.
    m_pMainWnd = CFullScreenWnd::CoverMonitors(fw::EnumMonitors(), true);
    if (m_pMainWnd == nullptr) {
        m_strError = "cannot make a full-screen window";
        return fw::FALSE;
    }
    return fw::TRUE;
}

}  // namespace tidewell
