// The queue's order: sent messages at once, posted ones in order, then
// input, then the quit message, then paints, then timers.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

class QueueOrderTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(m_wnd.CreatePopup(0, 0, 50, 50));
        hl::PumpMessages();
        m_log.clear();
    }
    const std::set<std::string> kWatched = {"OnTimer", "OnPaint", "OnKeyDown", "OnCommand"};
    EventLog m_log;
    RecordingWnd m_wnd{m_log};
};

TEST_F(QueueOrderTest, PostedMessagesArriveInOrderAndOnlyWhenPumped) {
    m_wnd.PostMessage(WM_TIMER, 1);
    m_wnd.PostMessage(WM_TIMER, 2);
    m_wnd.PostMessage(WM_TIMER, 3);
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(hl::PostedMessagesWaiting(), 3u);
    EXPECT_EQ(hl::PumpMessages(), 3u);
    EXPECT_EQ(Only(m_log, kWatched), (EventLog{"OnTimer 1", "OnTimer 2", "OnTimer 3"}));
}

TEST_F(QueueOrderTest, ASentMessageRunsAtOnceAheadOfPostedOnes) {
    m_wnd.PostMessage(WM_TIMER, 1);
    m_wnd.SendMessage(WM_TIMER, 2);
    EXPECT_EQ(Only(m_log, kWatched), (EventLog{"OnTimer 2"}));
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, kWatched), (EventLog{"OnTimer 2", "OnTimer 1"}));
}

TEST_F(QueueOrderTest, PostedBeforeInputBeforePaintBeforeTimer) {
    m_wnd.SetTimer(1, 0, nullptr);
    hl::AdvanceClock(20);  // the timer is due
    m_wnd.Invalidate();
    hl::KeyDown(0x41);
    m_wnd.PostMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED));
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, kWatched), (EventLog{"OnCommand 7 0", "OnKeyDown 0x41 1 0x0", "OnPaint", "OnTimer 1"}));
}

TEST_F(QueueOrderTest, APaintWaitsWhilePostedMessagesKeepComing) {
    // Each posted message posts the next: the paint comes after all of them.
    class ChainWnd : public RecordingWnd {
    public:
        using RecordingWnd::RecordingWnd;
        int m_nLeft = 3;

    protected:
        void OnTimer(UINT_PTR id) override {
            RecordingWnd::OnTimer(id);
            if (m_nLeft-- > 0) {
                PostMessage(WM_TIMER, id + 1);
            }
        }
    };
    EventLog log;
    ChainWnd chain(log);
    ASSERT_TRUE(chain.CreatePopup(0, 0, 10, 10));
    chain.PostMessage(WM_TIMER, 1);
    hl::PumpMessages();
    EXPECT_EQ(Only(log, kWatched), (EventLog{"OnTimer 1", "OnTimer 2", "OnTimer 3", "OnTimer 4", "OnPaint"}));
}

TEST_F(QueueOrderTest, TheQuitMessageComesAfterPostedMessagesButBeforePaints) {
    m_wnd.PostMessage(WM_TIMER, 1);
    PostQuitMessage(3);
    m_wnd.PostMessage(WM_TIMER, 2);
    m_wnd.Invalidate();
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, kWatched), (EventLog{"OnTimer 1", "OnTimer 2"}));
    EXPECT_TRUE(hl::QuitPending());
    EXPECT_EQ(hl::QuitExitCode(), 3);
    EXPECT_TRUE(hl::IsInvalid(m_wnd.m_hWnd));
}

TEST_F(QueueOrderTest, MessagesForADestroyedWindowAreDropped) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 10, 10));
    other.PostMessage(WM_TIMER, 5);
    const HWND hOther = other.m_hWnd;
    other.DestroyWindow();
    EXPECT_FALSE(hl::PostMessage(hOther, WM_TIMER, 6));
    hl::PumpMessages();
    EXPECT_TRUE(Only(log, {"OnTimer"}).empty());
    EXPECT_EQ(hl::DeliveredCount(hOther, WM_TIMER), 0u);
}

TEST_F(QueueOrderTest, DeliveriesAreCountedPerWindowAndLoggedWhenAsked) {
    hl::SetDeliveryLogEnabled(true);
    m_wnd.PostMessage(WM_TIMER, 4);
    m_wnd.SendMessage(WM_TIMER, 5);
    hl::PumpMessages();
    EXPECT_EQ(hl::DeliveredCount(m_wnd.m_hWnd, WM_TIMER), 2u);
    ASSERT_EQ(hl::DeliveryLog().size(), 2u);
    EXPECT_FALSE(hl::DeliveryLog()[0].posted);
    EXPECT_EQ(hl::DeliveryLog()[0].wParam, 5u);
    EXPECT_TRUE(hl::DeliveryLog()[1].posted);
}

TEST_F(QueueOrderTest, CloseIsDefaultProcessedByDestroyingAndSysCloseSendsIt) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 10, 10));
    hl::SendSysCommand(other.m_hWnd, SC_CLOSE);
    EXPECT_FALSE(other.IsWindow());
    EXPECT_EQ(hl::DefaultSysCommands(), (std::vector<UINT>{SC_CLOSE}));
    hl::SendSysCommand(m_wnd.m_hWnd, SC_MOVE);
    EXPECT_TRUE(m_wnd.IsWindow());
    EXPECT_EQ(hl::DefaultSysCommands(), (std::vector<UINT>{SC_CLOSE, SC_MOVE}));
}

TEST_F(QueueOrderTest, AFailedCreationSendsDestroyAndNcDestroy) {
    EventLog log;
    RecordingWnd failing(log);
    failing.m_nCreateResult = -1;
    EXPECT_FALSE(failing.CreatePopup(0, 0, 10, 10));
    EXPECT_EQ(Only(log, {"OnCreate", "OnDestroy", "OnNcDestroy", "PostNcDestroy", "OnSize"}),
              (EventLog{"OnCreate 10x10", "OnDestroy", "OnNcDestroy", "PostNcDestroy"}));
    EXPECT_EQ(hl::LiveWindows().size(), 1u);
}

}  // namespace
}  // namespace fw::test
