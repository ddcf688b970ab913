// The virtual clock: the default tick's exact rate, other periods, missed
// periods, the tick count's wrap and the wall clock.
#include <algorithm>

#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

class ClockTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        m_wnd.m_skipDefault = {"OnTimer"};
        ASSERT_TRUE(m_wnd.CreatePopup(0, 0, 10, 10));
        hl::PumpMessages();
    }
    long Ticks(UINT_PTR id) const {
        return std::count(m_log.begin(), m_log.end(), "OnTimer " + std::to_string(id));
    }
    EventLog m_log;
    RecordingWnd m_wnd{m_log};
};

TEST_F(ClockTest, PeriodZeroTicksExactly64TimesAVirtualSecond) {
    m_wnd.SetTimer(1, 0, nullptr);
    hl::RunFor(1000);
    EXPECT_EQ(Ticks(1), 64);
    hl::RunFor(1000);
    EXPECT_EQ(Ticks(1), 128);
}

TEST_F(ClockTest, PeriodsBelowTheMinimumGetTheDefaultTick) {
    m_wnd.SetTimer(2, 9, nullptr);
    m_wnd.SetTimer(3, 10, nullptr);
    hl::RunFor(1000);
    EXPECT_EQ(Ticks(2), 64);
    EXPECT_EQ(Ticks(3), 100);
}

TEST_F(ClockTest, TheFirstTickComesOnePeriodAfterSetTimer) {
    m_wnd.SetTimer(1, 0, nullptr);
    hl::RunForMicroseconds(15624);
    EXPECT_EQ(Ticks(1), 0);
    hl::RunForMicroseconds(1);
    EXPECT_EQ(Ticks(1), 1);
}

TEST_F(ClockTest, MissedPeriodsGiveOneMessageAndKeepThePhase) {
    m_wnd.SetTimer(1, 100, nullptr);
    hl::AdvanceClock(450);
    hl::PumpMessages();
    EXPECT_EQ(Ticks(1), 1);
    hl::RunFor(49);
    EXPECT_EQ(Ticks(1), 1);
    hl::RunFor(1);  // 500 ms: the next period boundary
    EXPECT_EQ(Ticks(1), 2);
}

TEST_F(ClockTest, TimersOfSeveralWindowsFireInDueOrder) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 10, 10));
    hl::SetDeliveryLogEnabled(true);
    m_wnd.SetTimer(1, 30, nullptr);
    other.SetTimer(1, 20, nullptr);
    hl::RunFor(60);
    std::vector<HWND> order;
    for (const hl::DeliveredMessage& m : hl::DeliveryLog()) {
        if (m.message == WM_TIMER) {
            order.push_back(m.hWnd);
        }
    }
    // 20: other, 30: this, 40: other, 60: other then this (set first).
    EXPECT_EQ(order, (std::vector<HWND>{other.m_hWnd, m_wnd.m_hWnd, other.m_hWnd, m_wnd.m_hWnd, other.m_hWnd}));
    other.DestroyWindow();
}

TEST_F(ClockTest, DestroyingAWindowKillsItsTimers) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 10, 10));
    const HWND hOther = other.m_hWnd;
    other.SetTimer(1, 0, nullptr);
    other.DestroyWindow();
    hl::RunFor(100);
    EXPECT_EQ(hl::DeliveredCount(hOther, WM_TIMER), 0u);
}

TEST_F(ClockTest, TheTickCountStartsWhereSetAndWrapsAt32Bits) {
    hl::SetTickCount(0xFFFFFFF0u);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u);
    hl::AdvanceClock(15);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFFFu);
    hl::AdvanceClock(17);
    EXPECT_EQ(GetTickCount(), 16u);
}

TEST_F(ClockTest, TheTickCountCountsWholeMilliseconds) {
    hl::SetTickCount(1000);
    hl::RunForMicroseconds(999);
    EXPECT_EQ(GetTickCount(), 1000u);
    hl::RunForMicroseconds(1);
    EXPECT_EQ(GetTickCount(), 1001u);
}

TEST_F(ClockTest, TheWallClockRunsWithVirtualTime) {
    hl::SetWallTime(1700000000);
    EXPECT_EQ(GetCurrentTime(), 1700000000);
    hl::AdvanceClock(999);
    EXPECT_EQ(GetCurrentTime(), 1700000000);
    hl::AdvanceClock(1);
    EXPECT_EQ(GetCurrentTime(), 1700000001);
}

TEST_F(ClockTest, ScheduledActionsRunAtTheirTimeBeforeTimersDueThen) {
    m_wnd.SetTimer(1, 100, nullptr);
    std::vector<std::string> order;
    hl::ScheduleAfter(100, [&] { order.push_back("action@" + std::to_string(hl::NowMicroseconds())); });
    hl::ScheduleAfter(50, [&] { order.push_back("early@" + std::to_string(hl::NowMicroseconds())); });
    hl::RunFor(100);
    EXPECT_EQ(order, (std::vector<std::string>{"early@50000", "action@100000"}));
    EXPECT_EQ(Ticks(1), 1);
}

}  // namespace
}  // namespace fw::test
