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
    void ExpectRange(int low, int high) const {
        int min = -99;
        int max = -99;
        m_bar.GetScrollRange(&min, &max);
        EXPECT_EQ(min, low);
        EXPECT_EQ(max, high);
    }

    EventLog m_log;
    RecordingWnd m_parent{m_log};
    CScrollBar m_bar;
};

TEST_F(ScrollBarTest, APositionIsKeptInsideTheRangeWhichIsEmptyOnANewBar) {
    ExpectRange(0, 0);
    m_bar.SetScrollPos(50);
    EXPECT_EQ(m_bar.GetScrollPos(), 0);
    m_bar.SetScrollRange(15, 100);
    ExpectRange(15, 100);
    EXPECT_EQ(m_bar.GetScrollPos(), 15) << "setting the range moves the position into it";
    EXPECT_EQ(m_bar.SetScrollPos(5), 15) << "returns the previous position";
    EXPECT_EQ(m_bar.GetScrollPos(), 15);
    m_bar.SetScrollPos(200);
    EXPECT_EQ(m_bar.GetScrollPos(), 100);
    m_bar.SetScrollPos(90);
    m_bar.SetScrollRange(1, 50);
    EXPECT_EQ(m_bar.GetScrollPos(), 50) << "narrowing moves it to the nearer end";
    m_bar.SetScrollRange(60, 70);
    EXPECT_EQ(m_bar.GetScrollPos(), 60);
    m_bar.SetScrollPos(65);
    EXPECT_EQ(m_bar.GetScrollPos(), 65);
}

}  // namespace
}  // namespace fw::test
