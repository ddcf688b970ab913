// A scroll-bar control keeps its position inside its range; a new one has
// the empty range 0..0.
#include <gtest/gtest.h>

#include "fw/Controls.h"
#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

class ScrollBarTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        SKIP_WHERE(noControls);
        ASSERT_TRUE(m_parent.CreatePopup(0, 0, 300, 100));
        ASSERT_TRUE(m_bar.CreateEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, m_parent.m_hWnd, 1002));
    }
    void TearDown() override {
        m_parent.DestroyWindow();
        PlatformTest::TearDown();
    }

    EventLog m_log;
    RecordingWnd m_parent{m_log};
    CScrollBar m_bar;
};

TEST_F(ScrollBarTest, APositionIsKeptInsideTheRangeWhichIsEmptyOnANewBar) {
    // Each step sets the range (a to b) or the position a, then reads both.
    const struct {
        bool range;
        int a, b, pos, low, high;
    } steps[] = {
        {false, 50, 0, 0, 0, 0},     {true, 15, 100, 15, 15, 100},  // setting the range moves the position into it
        {false, 5, 0, 15, 15, 100},  {false, 200, 0, 100, 15, 100},
        {false, 90, 0, 90, 15, 100}, {true, 1, 50, 50, 1, 50},  // narrowing moves it to the nearer end
        {true, 60, 70, 60, 60, 70},  {false, 65, 0, 65, 60, 70},
    };
    int previous = 0;
    for (const auto& step : steps) {
        if (step.range) {
            m_bar.SetScrollRange(step.a, step.b);
        } else {
            EXPECT_EQ(m_bar.SetScrollPos(step.a), previous) << "returns the previous position";
        }
        int low = -99;
        int high = -99;
        m_bar.GetScrollRange(&low, &high);
        EXPECT_EQ(m_bar.GetScrollPos(), step.pos) << step.a << " " << step.b;
        EXPECT_EQ(low, step.low);
        EXPECT_EQ(high, step.high);
        previous = step.pos;
    }
}

}  // namespace
}  // namespace fw::test
