// Timers of real windows: a period of 0 runs at the system's minimum.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/fw/win32/RecordingWnd.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {
namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { ResetPlatform(); }
    void TearDown() override { ResetPlatform(); }
};

TEST_F(TimerTest, PeriodZeroTicksAtTheSystemsMinimumAndStopsWhenKilled) {
    std::vector<std::string> log;
    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 40, 40));
    int ticks = 0;
    wnd.m_onTimer = [&](RecordingWnd&, UINT_PTR id) {
        if (id == 1) ++ticks;
    };
    ASSERT_EQ(wnd.SetTimer(1, 0, nullptr), 1u);
    const DWORD start = GetTickCount();
    PumpFor(1000);
    const double seconds = (GetTickCount() - start) / 1000.0;
    const double rate = ticks / seconds;
    std::printf("[ figure ] timer of period 0: %d ticks in %.3f s = %.1f ticks/s\n", ticks, seconds, rate);
    // The system's minimum period is 10 ms: ticks come, but it is no busy loop.
    EXPECT_GE(rate, 10.0);
    EXPECT_LE(rate, 110.0);

    EXPECT_TRUE(wnd.KillTimer(1));
    PumpUntilIdle();
    const int afterKill = ticks;
    PumpFor(100);
    EXPECT_EQ(ticks, afterKill);
}

TEST_F(TimerTest, SettingTheSameIdAgainKeepsOneTimer) {
    std::vector<std::string> log;
    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 40, 40));
    int ticks = 0;
    wnd.m_onTimer = [&](RecordingWnd&, UINT_PTR) { ++ticks; };
    wnd.SetTimer(7, 50, nullptr);
    wnd.KillTimer(7);
    wnd.SetTimer(7, 50, nullptr);
    wnd.SetTimer(7, 50, nullptr);
    PumpFor(520);
    // One timer of 50 ms gives about 10 ticks; two would give about 20.
    EXPECT_GE(ticks, 5);
    EXPECT_LE(ticks, 12);
}

}  // namespace
}  // namespace fw::test
