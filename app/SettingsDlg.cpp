#include "app/SettingsDlg.h"

#include "app/AboutDlg.h"
#include "res/resource.h"
#include "settings/Settings.h"

namespace tidewell {

namespace {
// Both bars' notifications are limited to this, not to the bar's own range;
// the bar then keeps the position inside its range.
constexpr int kScrollLimitMin = 0;
constexpr int kScrollLimitMax = 100;
constexpr int kLineStep = 1;
constexpr int kPageStep = 10;
constexpr fw::UINT kSysCommandMask = 0xFFF0;

int ScrolledPosition(fw::UINT nSBCode, int pos, fw::UINT nThumbPos) {
    switch (nSBCode) {
        case fw::SB_LINELEFT:
            return pos - kLineStep;
        case fw::SB_LINERIGHT:
            return pos + kLineStep;
        case fw::SB_PAGELEFT:
            return pos - kPageStep;
        case fw::SB_PAGERIGHT:
            return pos + kPageStep;
        case fw::SB_THUMBPOSITION:
        case fw::SB_THUMBTRACK:
            return static_cast<int>(nThumbPos);
        default:
            return pos;
    }
}
}  // namespace

CSettingsDlg::CSettingsDlg(fw::CWnd* pParent)
    : fw::CDialog(IDD_SETTINGS, pParent),
      m_nNumberPos(0),
      m_nSpeedPos(0),
      m_bBlankCheck(fw::FALSE),
      // The caller sets the colour before DoModal; the default keeps a
      // dialog made without it well defined.
      m_crColor(MakeColor(kColourSetting.stored[0].fallback, kColourSetting.stored[1].fallback,
                          kColourSetting.stored[2].fallback)),
      m_hIcon(fw::AfxGetApp()->LoadIcon(IDR_MAINFRAME)),
      // Held by value, so the dialog, not the window, deletes it.
      m_wndPreview(fw::FALSE) {}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::DDX_Control(pDX, IDC_SPEED, m_wndSpeedBar);
    fw::DDX_Control(pDX, IDC_NUMBER, m_wndNumberBar);
    fw::DDX_Scroll(pDX, IDC_NUMBER, m_nNumberPos);
    fw::DDX_Scroll(pDX, IDC_SPEED, m_nSpeedPos);
    fw::DDX_Check(pDX, IDC_BLANK, m_bBlankCheck);
}

fw::BOOL CSettingsDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    SendMessage(fw::WM_SETICON, fw::ICON_BIG, reinterpret_cast<fw::LPARAM>(m_hIcon));

    // The preview covers the hidden marker control exactly.
    fw::RECT rect;
    if (fw::CWnd* pMarker = GetDlgItem(IDC_PREVIEW)) {
        pMarker->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    m_wndPreview.CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, rect, this);
    m_wndPreview.SetBackColor(m_crColor);
    m_wndPreview.SetParticleNumber(m_nNumberPos);
    // As read: the bar's floor applies only from the first notification on.
    m_wndPreview.SetParticleSpeed(m_nSpeedPos);

    // The data exchange above could not place the positions: a new bar's
    // range is empty. A stored value outside a range shows at its nearer end.
    m_wndNumberBar.SetScrollRange(kNumberSetting.low, kNumberSetting.high, fw::TRUE);
    m_wndSpeedBar.SetScrollRange(kSpeedSetting.low, kSpeedSetting.high, fw::TRUE);
    m_wndNumberBar.SetScrollPos(m_nNumberPos, fw::TRUE);
    m_wndSpeedBar.SetScrollPos(m_nSpeedPos, fw::TRUE);

    CenterWindow();
    return fw::TRUE;  // focus to the first tab stop, OK
}

void CSettingsDlg::OnHScroll(fw::UINT nSBCode, fw::UINT nPos, fw::CScrollBar* pScrollBar) {
    if (pScrollBar == nullptr) {
        // Not from one of the bar controls.
        fw::CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    int pos = pScrollBar->GetScrollPos();
    if (nSBCode == fw::SB_LEFT) {
        pos = kScrollLimitMin;
    } else if (nSBCode == fw::SB_RIGHT) {
        pos = kScrollLimitMax;
    } else {
        pos = ScrolledPosition(nSBCode, pos, nPos);
        if (pos < kScrollLimitMin) {
            pos = kScrollLimitMin;
        } else if (pos > kScrollLimitMax) {
            pos = kScrollLimitMax;
        }
    }
    pScrollBar->SetScrollPos(pos, fw::TRUE);

    // Every notification, moved or not, hands both bars to the preview.
    m_wndPreview.SetParticleSpeed(m_wndSpeedBar.GetScrollPos());
    m_wndPreview.SetParticleNumber(m_wndNumberBar.GetScrollPos());

    fw::CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

fw::BOOL CSettingsDlg::OnCommand(fw::WPARAM wParam, fw::LPARAM lParam) {
    if (fw::LOWORD(wParam) == IDC_COLOR && fw::HIWORD(wParam) == fw::BN_CLICKED) {
        OnColor();
        return fw::TRUE;
    }
    return fw::CDialog::OnCommand(wParam, lParam);
}

void CSettingsDlg::OnColor() {
    fw::CColorDialog dlg(m_crColor, 0, nullptr);
    if (dlg.DoModal() == fw::IDOK) {
        m_crColor = dlg.GetColor();
        // Clears the preview even when the colour is the one in use.
        m_wndPreview.SetBackColor(m_crColor);
    }
}

void CSettingsDlg::OnSysCommand(fw::UINT nID, fw::LPARAM lParam) {
    if ((nID & kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    static_cast<void>(lParam);
    Default();  // moving, closing and the rest of the system menu
}

void CSettingsDlg::OnPaint() {
    if (!IsIconic()) {
        fw::CDialog::OnPaint();
        return;
    }
    fw::CPaintDC dc(this);
    SendMessage(fw::WM_ICONERASEBKGND, reinterpret_cast<fw::WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = fw::GetSystemMetrics(fw::SM_CXICON);
    const int cyIcon = fw::GetSystemMetrics(fw::SM_CYICON);
    fw::RECT rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

fw::HCURSOR CSettingsDlg::OnQueryDragIcon() { return m_hIcon; }

}  // namespace tidewell
