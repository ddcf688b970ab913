// A scroll-bar control keeps its position inside its range; a new one has
// the empty range 0..0.
#include <gtest/gtest.h>

#include <utility>

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

// As the settings dialog uses its bars: the range set once on a new bar, then
// positions kept inside it.
TEST_F(ScrollBarTest, APositionIsKeptInsideTheRangeWhichIsEmptyOnANewBar) {
    m_bar.SetScrollPos(50);
    EXPECT_EQ(m_bar.GetScrollPos(), 0);
    m_bar.SetScrollRange(15, 100);
    EXPECT_EQ(m_bar.GetScrollPos(), 15) << "setting the range moves the position into it";
    for (const auto& [asked, kept] : {std::pair{5, 15}, std::pair{200, 100}, std::pair{65, 65}}) {
        m_bar.SetScrollPos(asked);
        EXPECT_EQ(m_bar.GetScrollPos(), kept) << asked;
    }
}

}  // namespace
}  // namespace fw::test
