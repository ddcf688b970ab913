// CWinApp::Run on virtual time: the quit message's code, the time limit,
// and input scheduled at virtual times.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

using RunTest = HeadlessTest;

TEST_F(RunTest, RunReturnsTheQuitMessagesCodeAfterThePostedMessagesAheadOfIt) {
    EventLog log;
    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 10, 10));
    wnd.PostMessage(WM_TIMER, 1);
    PostQuitMessage(7);
    EXPECT_EQ(m_app.Run(), 7);
    EXPECT_EQ(Only(log, {"OnTimer"}), (EventLog{"OnTimer 1"}));
    EXPECT_FALSE(hl::QuitPending());
    wnd.DestroyWindow();
}

TEST_F(RunTest, RunStopsAtTheVirtualTimeLimitWithItsOwnCode) {
    EventLog log;
    RecordingWnd wnd(log);
    wnd.m_skipDefault = {"OnTimer"};
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 10, 10));
    wnd.SetTimer(1, 0, nullptr);
    hl::SetRunTimeLimit(500);
    EXPECT_EQ(m_app.Run(), hl::kRunTimeLimitExitCode);
    EXPECT_EQ(hl::NowMicroseconds(), 500000u);
    EXPECT_EQ(Only(log, {"OnTimer"}).size(), 32u);
    wnd.DestroyWindow();
}

TEST_F(RunTest, ScheduledInputClosesAWindowThatEndsTheLoop) {
    class ClosingWnd : public RecordingWnd {
    public:
        using RecordingWnd::RecordingWnd;

    protected:
        void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
            PostMessage(WM_CLOSE);
            RecordingWnd::OnKeyDown(key, repeat, flags);
        }
    };
    EventLog log;
    auto* wnd = new ClosingWnd(log, true);
    ASSERT_TRUE(wnd->CreatePopup(0, 0, 10, 10));
    wnd->SetTimer(1, 0, nullptr);
    m_app.m_pMainWnd = wnd;
    hl::ScheduleAt(260000, [] { hl::KeyDown(0x20); });
    EXPECT_EQ(m_app.Run(), 0);
    EXPECT_EQ(hl::NowMicroseconds(), 260000u);
    EXPECT_EQ(Only(log, {"OnTimer"}).size(), 16u);
    EXPECT_EQ(log.back(), "PostNcDestroy");
}

}  // namespace
}  // namespace fw::test
