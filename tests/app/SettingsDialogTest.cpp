// The settings dialog while it is open: its preview, icon and place, the
// colour button, the About box and the system menu.
#include <cstdlib>

#include "AppFixture.h"
#include "fw/Backend.h"
#include "res/resource.h"
#include "tests/support/DefaultsSeen.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;

// The preview animating in the stored colour under the dialog's loop is the
// Wine end-to-end cases'; under the colour chooser's and the About box's it is
// the platform's modal loops.
using SettingsDialogTest = AppFixture;

TEST_F(SettingsDialogTest, PreviewCoversTheHiddenMarkerTheIconIsSetAndTheDialogIsCentred) {
    OnDialog([](CSettingsDlg& dlg) {
        fw::CWnd* marker = dlg.GetDlgItem(IDC_PREVIEW);
        ASSERT_NE(marker, nullptr);
        const hl::WindowRecord* markerInfo = hl::FindWindow(marker->m_hWnd);
        const hl::WindowRecord* previewInfo = hl::FindWindow(dlg.m_wndPreview.m_hWnd);
        ASSERT_TRUE(markerInfo != nullptr && previewInfo != nullptr);
        EXPECT_FALSE(markerInfo->visible);
        EXPECT_EQ(previewInfo->hWndParent, dlg.m_hWnd);
        EXPECT_EQ(previewInfo->style, fw::WS_CHILD | fw::WS_VISIBLE);
        const fw::RECT p = previewInfo->rect, m = markerInfo->rect;
        EXPECT_EQ((std::vector<int>{p.left, p.top, p.right, p.bottom}),
                  (std::vector<int>{m.left, m.top, m.right, m.bottom}));
        EXPECT_FALSE(dlg.m_wndPreview.m_bAutoDelete);
        // The big and the drag icon; no small one.
        EXPECT_NE(dlg.m_hIcon, nullptr);
        EXPECT_EQ(dlg.m_hIcon, fw::AfxGetApp()->LoadIcon(IDR_MAINFRAME));
        EXPECT_EQ(hl::FindWindow(dlg.m_hWnd)->iconBig, dlg.m_hIcon);
        EXPECT_EQ(hl::FindWindow(dlg.m_hWnd)->iconSmall, nullptr);
        EXPECT_EQ(dlg.SendMessage(fw::WM_QUERYDRAGICON), reinterpret_cast<fw::LRESULT>(dlg.m_hIcon));
        fw::RECT r;
        dlg.GetWindowRect(&r);
        EXPECT_LE(std::abs((r.left + r.right) / 2 - hl::ScreenWidth() / 2), 1);
        EXPECT_LE(std::abs((r.top + r.bottom) / 2 - hl::ScreenHeight() / 2), 1);
    });
    hl::ScriptEscape();
    RunSettingsStart();
}

TEST_F(SettingsDialogTest, TheColourDialogStartsAtTheColourAndOkClearsThePreviewWithTheChoice) {
    struct Case {
        fw::INT_PTR answer;
        COLORREF chosen;
        COLORREF shown;  // the dialog's and the preview's colour afterwards
        bool cleared;
    };
    const COLORREF stored = fw::RGB(22, 93, 165);
    for (const Case& c : {Case{fw::IDOK, fw::RGB(5, 6, 7), fw::RGB(5, 6, 7), true},
                          Case{fw::IDOK, stored, stored, true},  // the colour in use still clears
                          Case{fw::IDCANCEL, fw::RGB(1, 1, 1), stored, false}}) {
        SetUp();
        hl::AnswerColorDialog(c.answer, c.chosen);
        hl::ScriptWait(100);
        OnDialog([](CSettingsDlg& dlg) { EXPECT_FALSE(dlg.m_wndPreview.m_field.m_bClear); });
        hl::ScriptPressButton(IDC_COLOR);
        OnDialog([&c](CSettingsDlg& dlg) {
            EXPECT_EQ(dlg.m_crColor, c.shown);
            EXPECT_EQ(dlg.m_wndPreview.m_field.m_crBack, c.shown);
            EXPECT_EQ(dlg.m_wndPreview.m_field.m_bClear, c.cleared);
        });
        hl::ScriptEnter();
        RunSettingsStart();
        ASSERT_EQ(hl::ColorDialogsOpened().size(), 1u);
        EXPECT_EQ(hl::ColorDialogsOpened()[0], stored);
        EXPECT_EQ(Writes().at(0), "ColorRed=" + std::to_string(fw::GetRValue(c.shown)));
    }
}

TEST_F(SettingsDialogTest, AboutBoxOpensFromTheAboutSystemCommandWhateverItsLowFourBits) {
    for (const fw::UINT command : {IDM_ABOUTBOX, IDM_ABOUTBOX | 0x000F}) {
        SetUp();
        hl::ScriptSysCommand(command);
        hl::ScriptCall([](fw::HWND hAbout) { EXPECT_EQ(SettingsIn(hAbout), nullptr); });
        hl::ScriptEnter();  // the About box's OK
        hl::ScriptEscape();
        RunSettingsStart();
        const auto& history = hl::DialogHistory();
        ASSERT_EQ(history.size(), 2u);
        EXPECT_EQ(history[0].templateId, static_cast<fw::UINT>(IDD_ABOUTBOX));
        EXPECT_EQ(history[0].result, fw::IDOK);
        EXPECT_EQ(history[1].templateId, static_cast<fw::UINT>(IDD_SETTINGS));
        EXPECT_TRUE(hl::ProfileWriteLog().empty());
    }
}

TEST_F(SettingsDialogTest, OtherSystemCommandsGetDefaultProcessing) {
    fw::test::DefaultsSeen<CSettingsDlg> dlg;
    hl::ScriptSysCommand(fw::SC_MOVE);
    hl::ScriptSysCommand(0x0020);
    hl::ScriptCall([&dlg](fw::HWND) { EXPECT_EQ(dlg.DefaultsFor(fw::WM_SYSCOMMAND), 2); });
    hl::ScriptEscape();
    EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
}

}  // namespace
}  // namespace tidewell::test
