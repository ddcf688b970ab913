#include "app/AboutDlg.h"

#include "res/resource.h"

namespace tidewell {

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUTBOX, nullptr) {}

CAboutDlg::~CAboutDlg() = default;

fw::BOOL CAboutDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    CenterWindow();
    return fw::TRUE;
}

}  // namespace tidewell
