#include "window/ParticleWnd.h"

#include <algorithm>
#include <cstdint>

#include "res/resource.h"
#include "settings/Settings.h"
#include "window/DcSurface.h"
#include "window/WhiteProbe.h"

namespace tidewell {

namespace {

// The platform's millisecond counter, read afresh at every call.
class PlatformTickSource : public CTickSource {
public:
    std::uint32_t GetTickCount() override { return fw::GetTickCount(); }
};

PlatformTickSource g_ticks;

// Whether windows make their field anew when their size changes.
bool g_followSizeChanges = false;

// Empty until the first window as wide as the screen registers the class;
// every later window of the process uses it, whatever its width.
const char* g_registeredClass = nullptr;

}  // namespace

const char* CParticleWnd::RegisteredClassName() { return g_registeredClass; }

CParticleWnd::CParticleWnd(fw::BOOL bAutoDelete) : CParticleWnd(bAutoDelete, std::nullopt, 0) {}

CParticleWnd::CParticleWnd(fw::BOOL bAutoDelete, const fw::RECT& rcMonitor, unsigned seedOffset)
    : CParticleWnd(bAutoDelete, std::optional<fw::RECT>(rcMonitor), seedOffset) {}

CParticleWnd::CParticleWnd(fw::BOOL bAutoDelete, std::optional<fw::RECT> rcMonitor, unsigned seedOffset)
    : m_bAutoDelete(fw::FALSE), m_bBlank(fw::FALSE), m_bCaptured(fw::FALSE), m_rcMonitor(rcMonitor) {
    // The seed comes first: constructing the particles draws their sizes.
    m_field.m_random.Seed(static_cast<std::uint32_t>(fw::GetCurrentTime()) + seedOffset);
    fw::CWinApp& app = *fw::AfxGetApp();
    m_bBlank = ReadSetting(app, kBlankSetting);
    m_bAutoDelete = bAutoDelete;
    const int number = ReadSetting(app, kNumberSetting);
    const COLORREF colour = ReadColor(app);
    m_field.Init(this, number, colour);
}

CParticleWnd::~CParticleWnd() = default;

fw::BOOL CParticleWnd::CreateParticleWindow(fw::DWORD dwExStyle, fw::DWORD dwStyle, const fw::RECT& rect,
                                            fw::CWnd* pParentWnd, fw::UINT /*nID*/, void* /*pContext*/) {
    if (rect.right - rect.left == ScreenRect().Width() && g_registeredClass == nullptr) {
        g_registeredClass = fw::AfxRegisterWndClass(fw::CS_VREDRAW | fw::CS_HREDRAW,
                                                    fw::AfxGetApp()->LoadCursor(IDC_NULLCURSOR), nullptr, nullptr);
    }
    m_bCaptured = fw::FALSE;

    // A failed creation may already have run PostNcDestroy (and so deleted
    // this object); the watch tells whether it did.
    bool deleted = false;
    m_pDeletionWatch = &deleted;
    const fw::BOOL created =
        CreateEx(dwExStyle, g_registeredClass, "", dwStyle, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, 0, nullptr);
    if (deleted) {
        return fw::FALSE;
    }
    m_pDeletionWatch = nullptr;
    if (!created && m_bAutoDelete) {
        // Nobody else would ever delete a window object that has no window.
        delete this;
    }
    return created;
}

int CParticleWnd::OnCreate(fw::CREATESTRUCT* lpCreateStruct) {
    if (fw::CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    // The speed bar's lowest position is the slowest a window runs.
    static_assert(kSpeedSetting.raisedToLow);
    SetParticleSpeed(std::max(ReadSetting(*fw::AfxGetApp(), kSpeedSetting), kSpeedSetting.low));
    return 0;
}

void CParticleWnd::OnTimer(fw::UINT_PTR nIDEvent) {
    if (nIDEvent != kFrameTimer) {
        fw::CWnd::OnTimer(nIDEvent);
        return;
    }
    // Frames need the grids, which the first paint makes.
    if (!m_bCaptured || !m_field.HasGrids()) {
        return;
    }
    fw::CClientDC dc(this);
    DcSurface surface(dc);
    m_field.RunFrame(surface);
}

void CParticleWnd::OnPaint() {
    fw::CPaintDC dc(this);
    fw::CBrush brush(m_field.m_crBack);
    fw::RECT client;
    GetClientRect(&client);

    if (client.right < ScreenRect().Width() || m_bBlank) {
        dc.FillRect(&client, &brush);
    }
    // The grids keep the size of the first paint: a later resize must never
    // make the grid size disagree with the grids.
    if (!m_bCaptured) {
        m_field.m_nWidth = client.right;
        m_field.m_nHeight = client.bottom;
    }
    if (ProbeFindsWhite(dc, m_field.m_nWidth, m_field.m_nHeight)) {
        dc.FillRect(&client, &brush);
    }
    if (!m_bCaptured) {
        m_field.CaptureBackground(dc.Pixels());
        m_bCaptured = fw::TRUE;
    }
    DcSurface surface(dc);
    m_field.DrawFrame(surface);
}

void CParticleWnd::FollowSizeChanges(bool bFollow) { g_followSizeChanges = bFollow; }

void CParticleWnd::OnSize(fw::UINT nType, int cx, int cy) {
    fw::CWnd::OnSize(nType, cx, cy);
    if (!g_followSizeChanges || !m_bCaptured || (cx == m_field.m_nWidth && cy == m_field.m_nHeight)) {
        return;
    }
    // The next paint captures what the window shows: the picture without
    // particles where it was, and what the platform put in the new part.
    EraseParticles();
    m_bCaptured = fw::FALSE;
    RebirthParticles();
    Invalidate(fw::FALSE);
}

void CParticleWnd::RestartField() {
    EraseParticles();
    RebirthParticles();
}

void CParticleWnd::EraseParticles() {
    if (!m_bCaptured || !m_field.HasGrids()) {
        return;
    }
    fw::CClientDC dc(this);
    const PixelView& pixels = dc.Pixels();
    OccupancyGrid& occupancy = *m_field.m_pOccupancy;
    const BackgroundGrid& background = *m_field.m_pBackground;
    for (int y = 0; y < occupancy.Height(); ++y) {
        for (int x = 0; x < occupancy.Width(); ++x) {
            if (occupancy.At(x, y) != 0) {
                pixels.Set(x, y, background.At(x, y));
                occupancy.At(x, y) = 0;
            }
        }
    }
    dc.MarkChanged(fw::RECT{0, 0, occupancy.Width(), occupancy.Height()});
}

void CParticleWnd::RebirthParticles() {
    const int speed = m_field.m_nLatestSpeed;
    m_field.Init(this, m_field.m_nNumber, m_field.m_crBack);
    SetParticleSpeed(speed);
}

void CParticleWnd::PostNcDestroy() {
    if (!m_bAutoDelete) {
        return;
    }
    if (m_pDeletionWatch != nullptr) {
        *m_pDeletionWatch = true;
    }
    delete this;
}

fw::RECT CParticleWnd::ScreenRect() const {
    if (m_rcMonitor) {
        return *m_rcMonitor;
    }
    return fw::RECT{0, 0, fw::GetSystemMetrics(fw::SM_CXSCREEN), fw::GetSystemMetrics(fw::SM_CYSCREEN)};
}

void CParticleWnd::GetScreenSize(int& width, int& height) {
    const fw::RECT screen = ScreenRect();
    width = screen.Width();
    height = screen.Height();
}

void CParticleWnd::GetClientSize(int& width, int& height) {
    fw::RECT client;
    GetClientRect(&client);
    width = client.right - client.left;
    height = client.bottom - client.top;
}

void CParticleWnd::RestartFrameTimer() {
    KillTimer(kFrameTimer);
    SetTimer(kFrameTimer, 0, nullptr);
}

CTickSource& CParticleWnd::GetTickSource() { return g_ticks; }

}  // namespace tidewell
