// Modal dialogs from the program's resources, run by the system's dialog
// manager, with the framework's data exchange and handlers.
#include <gtest/gtest.h>

#include <functional>

#include "fw/win32/WindowsApi.h"
#include "tests/fw/win32/ProbeDialogIds.h"
#include "tests/fw/win32/CallbackWnd.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {
namespace {

// Scroll bar, check box and a ticking child window, like the settings dialog.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_PROBE) {}

    int m_nPos = 0;
    BOOL m_bCheck = FALSE;
    // What the controls held when the dialog opened.
    int m_nLoadedMin = -1, m_nLoadedMax = -1, m_nLoadedPos = -1;
    int m_nShownPos = -1;
    int m_nFocusId = 0;
    int m_nTicks = 0;
    // Runs at every tick of the child's period-0 timer.
    std::function<void(ProbeDialog&)> m_onTick;
    CScrollBar m_bar;

    ::HWND Handle() const { return win32::ToWin(m_hWnd); }
    void PressKey(::WPARAM key) {
        ::HWND focus = ::GetFocus();
        ::HWND target = focus != nullptr && ::IsChild(Handle(), focus) ? focus : Handle();
        ::PostMessageA(target, WM_KEYDOWN, key, 1);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PROBE_BAR, m_bar);
        DDX_Scroll(pDX, IDC_PROBE_BAR, m_nPos);
        DDX_Check(pDX, IDC_PROBE_CHECK, m_bCheck);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bar.GetScrollRange(&m_nLoadedMin, &m_nLoadedMax);
        m_nLoadedPos = m_bar.GetScrollPos();
        m_bar.SetScrollRange(15, 100);
        m_bar.SetScrollPos(m_nPos);
        m_nShownPos = m_bar.GetScrollPos();
        RECT area;
        GetDlgItem(IDC_PROBE_AREA)->GetWindowRect(&area);
        ScreenToClient(&area);
        m_ticker.m_onTimer = [this](CallbackWnd&, UINT_PTR) {
            if (m_nTicks++ == 0) {
                m_nFocusId = ::GetDlgCtrlID(::GetFocus());
            }
            if (m_onTick) {
                m_onTick(*this);
            }
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

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { ResetPlatform(); }
    void TearDown() override { ResetPlatform(); }
};

TEST_F(DialogTest, EnterPressesOkWhichSavesTheControlsWhileChildTimersKeepTicking) {
    ProbeDialog dialog;
    dialog.m_nPos = 5;  // below the range: shown at its lower end
    dialog.m_bCheck = TRUE;
    dialog.m_onTick = [](ProbeDialog& d) {
        if (d.m_nTicks == 5) {
            d.PressKey(VK_RETURN);
        }
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_GE(dialog.m_nTicks, 5);
    // A new scroll-bar control has the empty range, so the loaded position
    // does not stick until the range is set.
    EXPECT_EQ(dialog.m_nLoadedMin, 0);
    EXPECT_EQ(dialog.m_nLoadedMax, 0);
    EXPECT_EQ(dialog.m_nLoadedPos, 0);
    EXPECT_EQ(dialog.m_nShownPos, 15);
    EXPECT_EQ(dialog.m_nFocusId, IDOK);  // TRUE from OnInitDialog: the first tab stop
    EXPECT_EQ(dialog.m_nPos, 15);
    EXPECT_EQ(dialog.m_bCheck, TRUE);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, EscapeCancelsAndSavesNothing) {
    ProbeDialog dialog;
    dialog.m_nPos = 50;
    dialog.m_onTick = [](ProbeDialog& d) {
        if (d.m_nTicks == 2) {
            d.m_bar.SetScrollPos(70);
            ::CheckDlgButton(d.Handle(), IDC_PROBE_CHECK, BST_CHECKED);
        }
        if (d.m_nTicks == 3) {
            d.PressKey(VK_ESCAPE);
        }
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nPos, 50);
    EXPECT_EQ(dialog.m_bCheck, FALSE);
}

TEST_F(DialogTest, WithoutAnOwnerCenterWindowCentresOnTheWorkArea) {
    ProbeDialog dialog;
    ::RECT placed{};
    dialog.m_onTick = [&](ProbeDialog& d) {
        ::GetWindowRect(d.Handle(), &placed);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    ::RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_LE(std::abs((placed.left + placed.right) - (area.left + area.right)), 2);
    EXPECT_LE(std::abs((placed.top + placed.bottom) - (area.top + area.bottom)), 2);
}

TEST_F(DialogTest, AMissingTemplateIsNeitherOkNorCancel) {
    CDialog dialog(4321);
    const INT_PTR result = dialog.DoModal();
    EXPECT_NE(result, IDOK);
    EXPECT_NE(result, IDCANCEL);
}

// The colour chooser's window, once it is up.
::BOOL CALLBACK FindVisibleDialog(::HWND hWnd, ::LPARAM out) {
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    if (std::string(name) == "#32770" && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<::HWND*>(out) = hWnd;
        return FALSE;
    }
    return TRUE;
}

::HWND FindColourDialog() {
    ::HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindVisibleDialog, reinterpret_cast<::LPARAM>(&found));
    return found;
}

// Answers the colour chooser with a button once it shows, from a timer of a
// framework window (which keeps ticking inside the chooser's modal loop).
INT_PTR RunColourDialog(CColorDialog& chooser, int button, int* ticks) {
    CallbackWnd ticker;
    ticker.CreatePopup(0, 0, 10, 10);
    ticker.m_onTimer = [&](CallbackWnd&, UINT_PTR) {
        ++*ticks;
        if (::HWND dialog = FindColourDialog()) {
            ::PostMessageA(dialog, WM_COMMAND, button, 0);
        }
    };
    ticker.SetTimer(1, 0, nullptr);
    return chooser.DoModal();
}

TEST_F(DialogTest, TheColourChooserStartsAtTheInitialColourAndReportsItsButton) {
    for (const int button : {IDOK, IDCANCEL}) {
        CColorDialog chooser(RGB(22, 93, 165), 0, nullptr);
        int ticks = 0;
        EXPECT_EQ(RunColourDialog(chooser, button, &ticks), button);
        EXPECT_GT(ticks, 0);
        EXPECT_EQ(chooser.GetColor(), RGB(22, 93, 165));
    }
}

}  // namespace
}  // namespace fw::test
