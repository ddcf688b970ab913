// The thread's queue in the platform's order: a sent message runs at once,
// posted ones follow in order, a paint waits until none is left and comes
// again only while unvalidated, and the quit message comes after the posted
// messages ahead of it. The program's start-up and its modal loops rely on
// this order on every backend.
#include <gtest/gtest.h>

#include "fw/Platform.h"
#include "tests/fw/OneWindowTest.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

class QueueOrderTest : public OneWindowTest {
protected:
    QueueOrderTest() : OneWindowTest({"OnTimer"}) {}
};

TEST_F(QueueOrderTest, SentAtOnceThenPostedInOrderThenThePaintAndTheQuitAfterThePostedOnes) {
    m_wnd.Invalidate();
    m_wnd.PostMessage(WM_TIMER, 1);
    m_wnd.PostMessage(WM_TIMER, 2);
    m_wnd.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(Only(m_log, {"OnTimer", "OnPaint"}), (EventLog{"OnTimer 3"}));
    PumpUntilIdle();
    EXPECT_EQ(Only(m_log, {"OnTimer", "OnPaint"}), (EventLog{"OnTimer 3", "OnTimer 1", "OnTimer 2", "OnPaint"}));
    m_wnd.PostMessage(WM_TIMER, 4);
    PostQuitMessage(3);
    m_wnd.PostMessage(WM_TIMER, 5);
    int exitCode = 0;
    PumpUntilIdle();
    EXPECT_TRUE(TakeQuitMessage(&exitCode));
    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(Only(m_log, {"OnTimer"}), (EventLog{"OnTimer 3", "OnTimer 1", "OnTimer 2", "OnTimer 4", "OnTimer 5"}));
}

// Leaves its first paints unvalidated (no default processing), then paints
// as the base does.
class LatePainterWnd : public RecordingWnd {
public:
    using RecordingWnd::RecordingWnd;
    int m_nPaintsToLeave = 0;

protected:
    void OnPaint() override {
        m_skipDefault = {};
        if (m_nPaintsToLeave > 0) {
            --m_nPaintsToLeave;
            m_skipDefault = {"OnPaint"};
        }
        RecordingWnd::OnPaint();
    }
};

TEST_F(QueueOrderTest, APaintComesAgainOnlyWhileUnvalidated) {
    for (const int left : {0, 3}) {
        EventLog log;
        LatePainterWnd wnd(log);
        ASSERT_TRUE(wnd.CreatePopup(0, 0, 40, 40));
        PumpUntilIdle();
        log.clear();
        wnd.m_nPaintsToLeave = left;
        wnd.Invalidate();
        PumpFor(100);
        // Where the platform has no rule to ask again, a handler that does
        // not validate is asked once: it must not spin.
        const std::size_t expected = Traits().repaintsUntilValidated ? left + 1 : 1;
        EXPECT_EQ(Only(log, {"OnPaint"}).size(), expected) << left << " paints left unvalidated";
        wnd.DestroyWindow();
    }
}

}  // namespace
}  // namespace fw::test
