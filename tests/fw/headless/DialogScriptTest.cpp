// Modal dialogs driven by the script: building from a template, the modal
// loop's dispatching, the dialog manager's keys, OK's data exchange, and a
// script that runs out.
#include "fw/DialogTemplate.h"
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

constexpr UINT kTemplate = 300;
constexpr UINT kInnerTemplate = 301;
constexpr int kBar = 1002;
constexpr int kCheck = 1009;
constexpr int kButton = 1007;

void RegisterTemplates() {
    DialogTemplate outer{kTemplate, 0, 0, 200, 100, WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, "Outer", 8, "MS Sans Serif",
                         {}};
    outer.controls = {
        {IDOK, "Button", "OK", 10, 80, 50, 14, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "Cancel", 70, 80, 50, 14, WS_CHILD | WS_VISIBLE},
        {kCheck, "Button", "Blank", 10, 10, 60, 11, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX},
        {kBar, "ScrollBar", "", 10, 30, 150, 11, WS_CHILD | WS_VISIBLE},
        {kButton, "Button", "More...", 100, 10, 50, 14, WS_CHILD | WS_VISIBLE},
    };
    RegisterDialogTemplate(outer);
    DialogTemplate inner{kInnerTemplate, 10, 10, 80, 40, WS_POPUP | WS_VISIBLE, 0, "Inner", 8, "MS Sans Serif", {}};
    inner.controls = {{IDOK, "Button", "OK", 10, 20, 30, 14, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON}};
    RegisterDialogTemplate(inner);
}

// A dialog with a bound bar and a check box, a child window with a timer,
// and a button that opens a nested dialog.
class TestDlg : public CDialog {
public:
    explicit TestDlg(UINT id = kTemplate) : CDialog(id) {}
    CScrollBar m_wndBar;
    int m_nPos = 40;
    BOOL m_bCheck = TRUE;
    EventLog m_log;
    INT_PTR m_nInnerResult = 0;
    RecordingWnd m_wndTicker{m_log};
    HWND m_hWndAtInit = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        m_log.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
        DDX_Control(pDX, kBar, m_wndBar);
        DDX_Scroll(pDX, kBar, m_nPos);
        DDX_Check(pDX, kCheck, m_bCheck);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_hWndAtInit = m_hWnd;
        m_wndBar.SetScrollRange(0, 100);
        m_wndBar.SetScrollPos(m_nPos);
        m_wndTicker.CreateChild(*this, 0, 0, 10, 10);
        m_wndTicker.SetTimer(1, 0, nullptr);
        return TRUE;
    }
    void OnHScroll(UINT code, UINT pos, CScrollBar* pBar) override {
        m_log.push_back("scroll " + std::to_string(code) + " " + std::to_string(pos) +
                        (pBar == &m_wndBar ? " bar" : " other"));
        CDialog::OnHScroll(code, pos, pBar);
    }
    void OnCancel() override {
        m_log.push_back("cancel");
        CDialog::OnCancel();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kButton) {
            TestDlg inner(kInnerTemplate);
            m_nInnerResult = inner.DoModal();
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

class DialogScriptTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        RegisterTemplates();
    }
    long Ticks(const TestDlg& dlg) const { return std::count(dlg.m_log.begin(), dlg.m_log.end(), "OnTimer 1"); }
};

TEST_F(DialogScriptTest, OkRunsTheSaveExchangeAndEndsWithIdok) {
    TestDlg dlg;
    hl::ScriptScroll(kBar, SB_THUMBPOSITION, 0);
    hl::ScriptCall([&](HWND) { dlg.m_wndBar.SetScrollPos(65); });
    hl::ScriptToggleCheck(kCheck);
    hl::ScriptPressButton(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nPos, 65);
    EXPECT_EQ(dlg.m_bCheck, FALSE);
    EXPECT_EQ(Only(dlg.m_log, {"load", "save", "scroll", "cancel"}), (EventLog{"load", "scroll 4 0 bar", "save"}));
    ASSERT_EQ(hl::DialogHistory().size(), 1u);
    EXPECT_FALSE(hl::DialogHistory()[0].endedByExhaustedScript);
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogScriptTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    TestDlg ok;
    hl::ScriptEnter();
    EXPECT_EQ(ok.DoModal(), IDOK);
    TestDlg cancel;
    hl::ScriptCall([&](HWND) { cancel.m_wndBar.SetScrollPos(90); });
    hl::ScriptEscape();
    EXPECT_EQ(cancel.DoModal(), IDCANCEL);
    EXPECT_EQ(cancel.m_nPos, 40) << "Cancel exchanges nothing";
    EXPECT_EQ(Only(cancel.m_log, {"save", "cancel"}), (EventLog{"cancel"}));
}

TEST_F(DialogScriptTest, AScriptThatRunsOutEndsTheDialogWithCancelAndSaysSo) {
    TestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(hl::DialogHistory().size(), 1u);
    EXPECT_TRUE(hl::DialogHistory()[0].endedByExhaustedScript);
    EXPECT_EQ(hl::DialogHistory()[0].templateId, kTemplate);
    EXPECT_EQ(Only(dlg.m_log, {"cancel", "save"}), EventLog{}) << "closed another way than Cancel";
}

TEST_F(DialogScriptTest, TheSystemMenusCloseCancels) {
    TestDlg dlg;
    hl::ScriptSysCommand(SC_CLOSE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(Only(dlg.m_log, {"cancel"}), (EventLog{"cancel"}));
    EXPECT_FALSE(hl::DialogHistory()[0].endedByExhaustedScript);
}

TEST_F(DialogScriptTest, TheTemplateIsLaidOutInDialogUnits) {
    TestDlg dlg;
    RECT bar;
    RECT dialog;
    hl::ScriptCall([&](HWND hDialog) {
        CWnd::FromHandle(hDialog)->GetWindowRect(&dialog);
        dlg.GetDlgItem(kBar)->GetWindowRect(&bar);
        dlg.ScreenToClient(&bar);
    });
    dlg.DoModal();
    EXPECT_EQ(dialog.right - dialog.left, 300);  // 200 * 6 / 4
    EXPECT_EQ(dialog.bottom - dialog.top, 163);  // 100 * 13 / 8 = 162.5, rounded
    EXPECT_EQ(bar.left, 15);
    EXPECT_EQ(bar.top, 49);  // 30 * 13 / 8 = 48.75
    EXPECT_EQ(bar.right, 240);
    EXPECT_EQ(bar.bottom, 67);  // 41 * 13 / 8 = 66.6
}

TEST_F(DialogScriptTest, ChildTimersKeepRunningInsideTheModalLoop) {
    TestDlg dlg;
    hl::ScriptWait(1000);
    hl::ScriptEnter();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Ticks(dlg), 64);
}

TEST_F(DialogScriptTest, ANestedDialogTakesTheNextStepsInOrder) {
    TestDlg dlg;
    hl::ScriptPressButton(kButton);  // opens the inner dialog
    hl::ScriptWait(500);             // inner: the outer's ticker keeps going
    hl::ScriptEnter();               // inner: OK
    hl::ScriptEscape();              // outer: Cancel
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nInnerResult, IDOK);
    EXPECT_EQ(Ticks(dlg), 32);
    ASSERT_EQ(hl::DialogHistory().size(), 2u);
    EXPECT_EQ(hl::DialogHistory()[0].templateId, kInnerTemplate);
    EXPECT_EQ(hl::DialogHistory()[1].templateId, kTemplate);
}

TEST_F(DialogScriptTest, ADialogIsOwnedByTheMainWindowAndActiveWhileOpen) {
    EventLog log;
    RecordingWnd main(log);
    ASSERT_TRUE(main.CreatePopup(0, 0, 100, 100));
    m_app.m_pMainWnd = &main;
    TestDlg dlg;
    HWND owner = nullptr;
    HWND active = nullptr;
    hl::ScriptCall([&](HWND hDialog) {
        owner = hl::GetWindowInfo(hDialog)->hWndParent;
        active = hl::ActiveWindow();
    });
    dlg.DoModal();
    EXPECT_EQ(owner, main.m_hWnd);
    EXPECT_EQ(active, dlg.m_hWndAtInit);
    EXPECT_EQ(hl::ActiveWindow(), main.m_hWnd) << "activation goes back to the owner";
    m_app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}

TEST_F(DialogScriptTest, AMissingTemplateFails) {
    TestDlg dlg(999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(hl::LiveWindows().empty());
}

}  // namespace
}  // namespace fw::test
