// The thread's queue in the platform's order: a sent message runs at once,
// posted ones follow in order, a paint waits until none is left, and the
// quit message comes after the posted messages ahead of it. The program's
// start-up and its modal loops rely on this order on every backend.
#include <gtest/gtest.h>

#include "fw/Platform.h"
#include "tests/fw/OneWindowTest.h"

namespace fw::test {
namespace {

class QueueOrderTest : public OneWindowTest {
protected:
    QueueOrderTest() : OneWindowTest({"OnTimer"}) {}
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
