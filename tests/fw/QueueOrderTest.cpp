// The thread's queue in the platform's order: a sent message runs at once,
// posted ones follow in order, a paint waits until none is left, and the
// quit message comes after the posted messages ahead of it. The program's
// start-up and its modal loops rely on this order on every backend.
#include <gtest/gtest.h>

#include "fw/Platform.h"
#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

class QueueOrderTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        m_wnd.m_skipDefault = {"OnTimer"};
        ASSERT_TRUE(m_wnd.CreatePopup(0, 0, 40, 40));
        PumpUntilIdle();
        m_log.clear();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        PlatformTest::TearDown();
    }

    EventLog m_log;
    RecordingWnd m_wnd{m_log};
};

TEST_F(QueueOrderTest, SentAtOnceThenPostedInOrderThenThePaint) {
    m_wnd.Invalidate();
    m_wnd.PostMessage(WM_TIMER, 1);
    m_wnd.PostMessage(WM_TIMER, 2);
    m_wnd.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(Only(m_log, {"OnTimer", "OnPaint"}), (EventLog{"OnTimer 3"}));
    PumpUntilIdle();
    EXPECT_EQ(Only(m_log, {"OnTimer", "OnPaint"}), (EventLog{"OnTimer 3", "OnTimer 1", "OnTimer 2", "OnPaint"}));
}

TEST_F(QueueOrderTest, TheQuitMessageComesAfterEveryPostedMessage) {
    m_wnd.PostMessage(WM_TIMER, 1);
    PostQuitMessage(3);
    m_wnd.PostMessage(WM_TIMER, 2);
    int exitCode = 0;
    PumpUntilIdle();
    EXPECT_TRUE(TakeQuitMessage(&exitCode));
    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(Only(m_log, {"OnTimer"}), (EventLog{"OnTimer 1", "OnTimer 2"}));
}

}  // namespace
}  // namespace fw::test
