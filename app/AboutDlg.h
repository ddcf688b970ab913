#pragma once
#include "fw/Dialog.h"

namespace tidewell {

// The small About box of the settings dialog.
class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    // Centred over its owner, the settings dialog.
    fw::BOOL OnInitDialog() override;
};

}  // namespace tidewell
