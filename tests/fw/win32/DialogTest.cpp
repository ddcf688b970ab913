// Modal dialogs from the program's resources, run by the system's dialog
// manager, with the framework's data exchange and handlers.
#include <gtest/gtest.h>

#include <functional>

#include "fw/win32/WindowsApi.h"
#include "tests/fw/win32/ProbeDialogIds.h"
#include "tests/fw/win32/CallbackWnd.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

// Scroll bar, check box and a ticking child window, like the settings dialog.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_PROBE) {}

    int m_nPos = 0;
    BOOL m_bCheck = FALSE;
    int m_nFocusId = 0;
    int m_nTicks = 0;
    ::RECT m_placed{};
    // Runs at every tick of the child's period-0 timer.
    std::function<void(ProbeDialog&)> m_onTick;
    CScrollBar m_bar;

    ::HWND Handle() const { return win32::ToWin(m_hWnd); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PROBE_BAR, m_bar);
        DDX_Scroll(pDX, IDC_PROBE_BAR, m_nPos);
        DDX_Check(pDX, IDC_PROBE_CHECK, m_bCheck);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bar.SetScrollRange(15, 100);
        m_bar.SetScrollPos(m_nPos);
        RECT area;
        GetDlgItem(IDC_PROBE_AREA)->GetWindowRect(&area);
        ScreenToClient(&area);
        m_ticker.m_onTimer = [this](CallbackWnd&, UINT_PTR) {
            if (m_nTicks++ == 0) {
                m_nFocusId = ::GetDlgCtrlID(::GetFocus());
                ::GetWindowRect(Handle(), &m_placed);
            }
            m_onTick(*this);
        };
        m_ticker.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, area.left, area.top, area.Width(), area.Height(),
                          m_hWnd, 0);
        m_ticker.SetTimer(1, 0, nullptr);
        CenterWindow();
        return TRUE;
    }

private:
    CallbackWnd m_ticker;
};

using DialogTest = PlatformTest;

struct KeyCase {
    ::WPARAM key;
    INT_PTR result;
    int savedPos;     // loaded 50, moved to 70 while open
    BOOL savedCheck;  // loaded unchecked, checked while open
};

// The key goes to the focused control, as a user's would, once the child's
// timer has ticked a few times inside the dialog's modal loop.
TEST_F(DialogTest, EnterSavesTheControlsEscapeSavesNothingAndTheDialogIsCentred) {
    for (const KeyCase& c : {KeyCase{VK_RETURN, IDOK, 70, TRUE}, KeyCase{VK_ESCAPE, IDCANCEL, 50, FALSE}}) {
        ProbeDialog dialog;
        dialog.m_nPos = 50;
        dialog.m_onTick = [&](ProbeDialog& d) {
            if (d.m_nTicks == 2) {
                d.m_bar.SetScrollPos(70);
                ::CheckDlgButton(d.Handle(), IDC_PROBE_CHECK, BST_CHECKED);
            } else if (d.m_nTicks == 5) {
                ::HWND focus = ::GetFocus();
                ::PostMessageA(focus != nullptr ? focus : d.Handle(), WM_KEYDOWN, c.key, 1);
            }
        };
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.m_nFocusId, IDOK);  // TRUE from OnInitDialog: the first tab stop
        EXPECT_EQ(dialog.m_nPos, c.savedPos);
        EXPECT_EQ(dialog.m_bCheck, c.savedCheck);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
        // Without an owner, centred on the work area.
        ::RECT area{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        EXPECT_LE(std::abs((dialog.m_placed.left + dialog.m_placed.right) - (area.left + area.right)), 2);
        EXPECT_LE(std::abs((dialog.m_placed.top + dialog.m_placed.bottom) - (area.top + area.bottom)), 2);
    }
}

TEST_F(DialogTest, AMissingTemplateIsNeitherOkNorCancel) {
    const INT_PTR result = CDialog(4321).DoModal();
    EXPECT_TRUE(result != IDOK && result != IDCANCEL) << result;
}

// Answers the colour chooser with each button once it shows, from a timer of
// a framework window (which keeps ticking inside the chooser's modal loop).
TEST_F(DialogTest, TheColourChooserStartsAtTheInitialColourAndReportsItsButton) {
    for (const int button : {IDOK, IDCANCEL}) {
        CColorDialog chooser(RGB(22, 93, 165), 0, nullptr);
        CallbackWnd ticker;
        ticker.CreatePopup(0, 0, 10, 10);
        ticker.m_onTimer = [&](CallbackWnd&, UINT_PTR) {
            ::HWND shown = ::FindWindowA("#32770", nullptr);
            if (shown != nullptr && ::IsWindowVisible(shown)) {
                ::PostMessageA(shown, WM_COMMAND, button, 0);
            }
        };
        ticker.SetTimer(1, 0, nullptr);
        EXPECT_EQ(chooser.DoModal(), button);
        EXPECT_EQ(chooser.GetColor(), RGB(22, 93, 165));
    }
}

}  // namespace
}  // namespace fw::test
