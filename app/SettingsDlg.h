#pragma once
#include "fw/Fw.h"
#include "window/ParticleWnd.h"

namespace tidewell {

// The modal settings dialog: speed and number on two scroll bars, the
// background colour through the colour chooser, the blank-screen switch, and
// a live preview that follows every change. It changes nothing but its
// preview; the caller reads and writes the stored settings.
class CSettingsDlg : public fw::CDialog {
public:
    explicit CSettingsDlg(fw::CWnd* pParent = nullptr);
    ~CSettingsDlg() override;

    fw::CScrollBar m_wndSpeedBar;
    fw::CScrollBar m_wndNumberBar;
    // These three take the controls' state only when OK is pressed.
    int m_nNumberPos;
    int m_nSpeedPos;
    fw::BOOL m_bBlankCheck;
    // Changed by the colour button only.
    COLORREF m_crColor;
    fw::HICON m_hIcon;
    CParticleWnd m_wndPreview;

    fw::BOOL OnInitDialog() override;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    fw::BOOL OnCommand(fw::WPARAM wParam, fw::LPARAM lParam) override;

    void OnSysCommand(fw::UINT nID, fw::LPARAM lParam) override;
    void OnPaint() override;
    fw::HCURSOR OnQueryDragIcon() override;
    void OnHScroll(fw::UINT nSBCode, fw::UINT nPos, fw::CScrollBar* pScrollBar) override;
    void OnColor();
};

}  // namespace tidewell
