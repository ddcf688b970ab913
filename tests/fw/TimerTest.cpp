// Window timers: a period of 0 ticks at the platform's own rate, KillTimer
// stops a timer, SetTimer with the same id replaces it.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fw/OneWindowTest.h"

namespace fw::test {
namespace {

class TimerTest : public OneWindowTest {
protected:
    TimerTest() : OneWindowTest({"OnTimer"}) {}
    long Ticks(const char* entry) const { return std::count(m_log.begin(), m_log.end(), std::string(entry)); }
};

TEST_F(TimerTest, PeriodZeroTicksRepeatedly) {
    EXPECT_EQ(m_wnd.SetTimer(1, 0, nullptr), 1u);
    PumpFor(500);
    // At least every 100 ms, whatever the platform's minimum, which is 10 ms
    // or more: ticks come, but it is no busy loop.
    EXPECT_GE(Ticks("OnTimer 1"), 5);
    EXPECT_LE(Ticks("OnTimer 1"), 55);
}

TEST_F(TimerTest, KillTimerStopsTheTicks) {
    m_wnd.SetTimer(1, 0, nullptr);
    PumpFor(100);
    EXPECT_TRUE(m_wnd.KillTimer(1));
    EXPECT_FALSE(m_wnd.KillTimer(1));
    const long before = Ticks("OnTimer 1");
    PumpFor(200);
    EXPECT_EQ(Ticks("OnTimer 1"), before);
}

TEST_F(TimerTest, SettingTheSameIdReplacesTheTimer) {
    m_wnd.SetTimer(1, 0, nullptr);
    m_wnd.SetTimer(1, 60000, nullptr);
    PumpFor(300);
    EXPECT_EQ(Ticks("OnTimer 1"), 0);
}

TEST_F(TimerTest, EachTimerArrivesWithItsOwnId) {
    m_wnd.SetTimer(1, 0, nullptr);
    m_wnd.SetTimer(2, 0, nullptr);
    PumpFor(300);
    EXPECT_GE(Ticks("OnTimer 1"), 2);
    EXPECT_GE(Ticks("OnTimer 2"), 2);
    EXPECT_EQ(Ticks("OnTimer 3"), 0);
}

TEST_F(TimerTest, ADestroyedWindowGetsNoMoreTicks) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 20, 20));
    other.SetTimer(1, 0, nullptr);
    PumpFor(100);
    other.DestroyWindow();
    const auto before = Only(log, {"OnTimer"}).size();
    PumpFor(200);
    EXPECT_EQ(Only(log, {"OnTimer"}).size(), before);
}

}  // namespace
}  // namespace fw::test
