// Default processing runs exactly when a handler asks for it, for the
// message that handler is handling, even when sends nest.
#include <gtest/gtest.h>

#include <utility>

#include "tests/fw/OneWindowTest.h"
#include "tests/support/DefaultsSeen.h"

namespace fw::test {
namespace {

constexpr UINT kPrivateMessage = 0x0400 + 17;  // WM_USER + 17: no handler

class DefaultProcessingTest : public OneWindowTestOf<DefaultsSeen<RecordingWnd>> {
protected:
    void SetUp() override {
        OneWindowTestOf::SetUp();
        EXPECT_EQ(m_wnd.DefaultsFor(WM_CREATE), 1) << "through the base OnCreate";
        m_wnd.ForgetDefaults();
    }
};

TEST_F(DefaultProcessingTest, OnceForABaseHandlerOrNoHandlerNoneForAHandlerThatSkipsIt) {
    const struct {
        const char* skip;  // the handler that skips it, if any
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        {"OnKeyDown", WM_KEYDOWN, 0x41, 1},
        {"OnTimer", WM_TIMER, 1, 0},
        {"OnCommand", WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0},
        {nullptr, WM_LBUTTONDOWN, 0, 0},
        {nullptr, WM_TIMER, 2, 0},
        {nullptr, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100)},
        {nullptr, WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0},
        {nullptr, kPrivateMessage, 1, 2},
    };
    for (const auto& c : cases) {
        m_wnd.m_skipDefault.clear();
        if (c.skip != nullptr) {
            m_wnd.m_skipDefault.insert(c.skip);
        }
        m_wnd.ForgetDefaults();
        m_wnd.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_EQ(m_wnd.DefaultsFor(c.message), c.skip != nullptr ? 0 : 1) << std::hex << c.message;
    }
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

}  // namespace
}  // namespace fw::test
