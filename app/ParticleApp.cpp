#include "app/ParticleApp.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "app/SettingsDlg.h"
#include "app/WindowHandleArgument.h"
#include "settings/Settings.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell {

namespace {
constexpr const char* kRegistryKey = "Orvalle";
}

// No name of its own: the profile then lives under the program file's name.
CParticleApp::CParticleApp() : fw::CWinApp(nullptr) {}

CParticleApp::~CParticleApp() = default;

int CParticleApp::ParseMode(const char* argument) {
    if (argument == nullptr) {
        return kNone;
    }
    if (*argument == '-' || *argument == '/') {
        ++argument;
    }
    switch (*argument) {
        case 'C':
        case 'c':
            return kSettings;
        case 'P':
        case 'p':
            return kPreview;
        case 'S':
        case 's':
            return kRun;
        default:
            return kNone;
    }
}

fw::BOOL CParticleApp::InitInstance() {
    // Before anything reads a setting, whatever the mode.
    SetRegistryKey(kRegistryKey);

    const bool hasArguments = m_argc > 1 && m_argv != nullptr;
    const int mode = ParseMode(hasArguments ? m_argv[1] : nullptr);

    if (!hasArguments || mode == kSettings) {
        RunSettings();
        return fw::FALSE;
    }
    if (mode == kPreview) {
        return StartPreview(m_argc > 2 ? m_argv[2] : nullptr);
    }
    if (mode == kRun) {
        return StartFullScreen();
    }
    return fw::FALSE;
}

fw::BOOL CParticleApp::StartPreview(const char* hostArgument) {
    // A host window that is not there would leave the message loop waiting
    // with no window of ours, so such a start ends at once.
    fw::CWnd* pHost = fw::CWnd::FromHandle(ParseWindowHandle(hostArgument));
    if (pHost == nullptr || !pHost->IsWindow()) {
        return fw::FALSE;
    }
    auto* pPreview = new CParticleWnd(fw::TRUE);
    fw::RECT rect;
    pHost->GetClientRect(&rect);
    // On failure the auto-delete window has already deleted itself.
    if (!pPreview->CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, rect, pHost)) {
        return fw::FALSE;
    }
    m_pMainWnd = pPreview;
    return fw::TRUE;
}

fw::BOOL CParticleApp::StartFullScreen() {
    m_pMainWnd = CFullScreenWnd::CoverMonitors(fw::EnumMonitors(), ReadSetting(*this, kAllMonitorsSetting) != 0);
    return m_pMainWnd != nullptr ? fw::TRUE : fw::FALSE;
}

void CParticleApp::RunSettings() {
    // The preview inside reads its own settings here, at construction.
    CSettingsDlg dlg(nullptr);
    dlg.m_nNumberPos = ReadSetting(*this, kNumberSetting);
    dlg.m_nSpeedPos = ReadSetting(*this, kSpeedSetting);
    dlg.m_crColor = ReadColor(*this);
    dlg.m_bBlankCheck = ReadSetting(*this, kBlankSetting);

    // Makes the dialog the owner of the colour dialog and the About box.
    m_pMainWnd = &dlg;
    const fw::INT_PTR result = dlg.DoModal();
    if (m_pMainWnd == &dlg) {
        m_pMainWnd = nullptr;  // the dialog object is about to go
    }
    if (result == fw::IDOK) {
        StoredSettings chosen;
        PutColor(chosen, dlg.m_crColor);
        Put(chosen, kNumberSetting, dlg.m_nNumberPos);
        Put(chosen, kSpeedSetting, dlg.m_nSpeedPos);
        Put(chosen, kBlankSetting, dlg.m_bBlankCheck);
        WriteSettings(*this, chosen);
    }
}

}  // namespace tidewell
