// Window timers: a period of 0 ticks at the platform's own minimum, ticks
// missed while the thread was busy are not made up, KillTimer stops a timer,
// SetTimer with the same id replaces it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/fw/OneWindowTest.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

class TimerTest : public OneWindowTest {
protected:
    TimerTest() : OneWindowTest({"OnTimer"}) {}
    long Ticks(const char* entry) const { return std::count(m_log.begin(), m_log.end(), std::string(entry)); }
};

TEST_F(TimerTest, PeriodZeroTicksAtThePlatformsMinimum) {
    m_wnd.SetTimer(1, 0, nullptr);
    PumpFor(1000);
    ASSERT_GE(m_wnd.m_timerTimes.size(), 3u);
    std::vector<double> gaps;
    for (std::size_t i = 1; i < m_wnd.m_timerTimes.size(); ++i) {
        gaps.push_back(m_wnd.m_timerTimes[i] - m_wnd.m_timerTimes[i - 1]);
    }
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    const double median = gaps[gaps.size() / 2];
    const PlatformTraits& platform = Traits();
    if (platform.realTime) {
        // A loaded machine delays some ticks, which lengthens only their
        // gaps: the median stays near the floor, far below 100 ms.
        EXPECT_GE(median, 0.8 * platform.timerFloorLowMs);
        EXPECT_LE(median, 3 * platform.timerFloorHighMs);
    } else {
        EXPECT_EQ(median, platform.timerFloorLowMs);
        EXPECT_EQ(m_wnd.m_timerTimes.size(), static_cast<std::size_t>(1000 / platform.timerFloorLowMs));
    }
}

TEST_F(TimerTest, TicksMissedWhileTheThreadWasBusyAreNotMadeUp) {
    m_wnd.SetTimer(1, 0, nullptr);
    PumpFor(100);
    Stall(300);  // about 20 periods pass unserved
    const std::size_t before = m_wnd.m_timerTimes.size();
    constexpr unsigned kAfterMs = 50;
    PumpFor(kAfterMs);
    // One tick for the whole stall, then the period again; a burst of the
    // missed ones would run 20 frames back to back.
    const std::size_t after = m_wnd.m_timerTimes.size() - before;
    EXPECT_GE(after, 1u);
    EXPECT_LE(after, static_cast<std::size_t>(2 + kAfterMs / Traits().timerFloorLowMs));
}

TEST_F(TimerTest, KillingOrReplacingATimerOrDestroyingItsWindowStopsItsTicks) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 20, 20));
    other.SetTimer(1, 0, nullptr);
    for (UINT_PTR id : {1, 2, 3}) {
        m_wnd.SetTimer(id, 0, nullptr);
    }
    PumpFor(100);
    EXPECT_TRUE(m_wnd.KillTimer(1));
    EXPECT_FALSE(m_wnd.KillTimer(1));
    m_wnd.SetTimer(2, 60000, nullptr);  // one timer per id: this replaces it
    other.DestroyWindow();
    m_log.clear();
    log.clear();
    PumpFor(200);
    EXPECT_EQ(Ticks("OnTimer 1"), 0);
    EXPECT_EQ(Ticks("OnTimer 2"), 0);
    EXPECT_GE(Ticks("OnTimer 3"), 2);
    EXPECT_TRUE(Only(log, {"OnTimer"}).empty());
}

}  // namespace
}  // namespace fw::test
