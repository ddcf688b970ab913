// Default processing runs exactly when a handler asks for it, for the
// message that handler is handling, even when sends nest.
#include <gtest/gtest.h>

#include <utility>

#include "tests/fw/RecordingWnd.h"
#include "tests/support/DefaultsSeen.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {
namespace {

constexpr UINT kPrivateMessage = 0x0400 + 17;  // WM_USER + 17: no handler

class DefaultProcessingTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(m_wnd.CreatePopup(0, 0, 100, 100));
        PumpUntilIdle();
        m_wnd.ForgetDefaults();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        PlatformTest::TearDown();
    }

    EventLog m_log;
    DefaultsSeen<RecordingWnd> m_wnd{m_log};
};

TEST_F(DefaultProcessingTest, AHandlerThatSkipsItGetsNone) {
    m_wnd.m_skipDefault = {"OnKeyDown", "OnTimer"};
    m_wnd.SendMessage(WM_KEYDOWN, 0x41, 1);
    m_wnd.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_KEYDOWN), 0);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_TIMER), 0);
}

TEST_F(DefaultProcessingTest, ABaseHandlerGetsItOnce) {
    m_wnd.SendMessage(WM_LBUTTONDOWN, 0, 0);
    m_wnd.SendMessage(WM_TIMER, 2);
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100));
    EXPECT_EQ(m_wnd.DefaultsFor(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_TIMER), 1);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_SIZE), 1);
}

TEST_F(DefaultProcessingTest, AMessageWithoutAHandlerGetsItOnce) {
    m_wnd.SendMessage(kPrivateMessage, 1, 2);
    EXPECT_EQ(m_wnd.DefaultsFor(kPrivateMessage), 1);
}

TEST_F(DefaultProcessingTest, CreationRunsItForWmCreateThroughTheBaseOnCreate) {
    EventLog log;
    DefaultsSeen<RecordingWnd> wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 50, 50));
    EXPECT_EQ(wnd.DefaultsFor(WM_CREATE), 1);
    wnd.DestroyWindow();
}

// A window that, inside its timer handler, sends a message to another window
// and only then asks for default processing.
class NestingWnd : public DefaultsSeen<RecordingWnd> {
public:
    NestingWnd(EventLog& log, CWnd& other) : DefaultsSeen<RecordingWnd>(log), m_other(other) {}

protected:
    void OnTimer(UINT_PTR id) override {
        m_other.SendMessage(WM_KEYDOWN, 0x42, 1);
        CWnd::OnTimer(id);
    }

private:
    CWnd& m_other;
};

TEST_F(DefaultProcessingTest, ANestedSendLeavesTheOuterMessageToProcess) {
    EventLog log;
    NestingWnd outer(log, m_wnd);
    ASSERT_TRUE(outer.CreatePopup(0, 0, 50, 50));
    outer.ForgetDefaults();
    outer.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_KEYDOWN), 1);
    EXPECT_EQ(outer.DefaultsFor(WM_TIMER), 1);
    EXPECT_EQ(outer.DefaultsFor(WM_KEYDOWN), 0);
    outer.DestroyWindow();
}

TEST_F(DefaultProcessingTest, CommandNotHandledFallsToDefaultProcessing) {
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_COMMAND), 1);
    m_wnd.m_skipDefault = {"OnCommand"};
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0);
    EXPECT_EQ(m_wnd.DefaultsFor(WM_COMMAND), 1);
}

}  // namespace
}  // namespace fw::test
