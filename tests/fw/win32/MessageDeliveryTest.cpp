// Messages of real windows reach the framework's handlers in the system's
// order, and default processing runs exactly when a handler asks for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fw/Backend.h"
#include "tests/fw/win32/RecordingWnd.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {
namespace {

class MessageDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetPlatform(); }
    void TearDown() override {
        detail::SetDefaultProcessingObserver(nullptr);
        ResetPlatform();
    }

    static long Count(const std::vector<std::string>& log, const std::string& entry) {
        return std::count(log.begin(), log.end(), entry);
    }
    static std::ptrdiff_t IndexOf(const std::vector<std::string>& log, const std::string& entry) {
        auto it = std::find(log.begin(), log.end(), entry);
        return it == log.end() ? -1 : it - log.begin();
    }

    std::vector<std::string> m_log;
};

TEST_F(MessageDeliveryTest, CreateReachesOnCreateWithTheCallersArgumentsBeforeTheFirstSize) {
    RecordingWnd wnd(m_log);
    int marker = 0;
    ASSERT_TRUE(wnd.CreatePopup(10, 20, 200, 100, &marker));
    ASSERT_NE(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.m_created.x, 10);
    EXPECT_EQ(wnd.m_created.y, 20);
    EXPECT_EQ(wnd.m_created.cx, 200);
    EXPECT_EQ(wnd.m_created.cy, 100);
    EXPECT_EQ(wnd.m_created.lpCreateParams, &marker);
    EXPECT_EQ(static_cast<DWORD>(wnd.m_created.style) & WS_POPUP, WS_POPUP);
    EXPECT_EQ(wnd.m_created.dwExStyle & WS_EX_TOPMOST, WS_EX_TOPMOST);
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.front(), "OnCreate");
    const auto size = IndexOf(m_log, "OnSize 0 200x100");
    EXPECT_GT(size, 0);
}

TEST_F(MessageDeliveryTest, MinusOneFromOnCreateFailsCreationAndEndsTheWindow) {
    RecordingWnd wnd(m_log);
    wnd.m_nCreateResult = -1;
    EXPECT_FALSE(wnd.CreatePopup(0, 0, 50, 50));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(Count(m_log, "OnCreate"), 1);
    EXPECT_EQ(Count(m_log, "OnNcDestroy"), 1);
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.back(), "PostNcDestroy");
}

TEST_F(MessageDeliveryTest, DefaultProcessingRunsOnlyForHandlersThatAskForIt) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    wnd.m_withDefault.insert("OnLButtonDown");
    std::vector<UINT> defaulted;
    detail::SetDefaultProcessingObserver([&](HWND hWnd, UINT message) {
        if (hWnd == wnd.m_hWnd) defaulted.push_back(message);
    });
    wnd.SendMessage(WM_KEYDOWN, 0x41, 1);
    wnd.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(3, 4));
    detail::SetDefaultProcessingObserver(nullptr);
    EXPECT_EQ(defaulted, std::vector<UINT>{WM_LBUTTONDOWN});
    EXPECT_EQ(Count(m_log, "OnKeyDown 65"), 1);
    EXPECT_EQ(Count(m_log, "OnLButtonDown 3,4"), 1);
}

TEST_F(MessageDeliveryTest, SwallowedCloseCommandKeepsTheWindowAndDefaultProcessingClosesIt) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    wnd.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpUntilIdle();
    EXPECT_TRUE(wnd.IsWindow());
    EXPECT_EQ(Count(m_log, "OnDestroy"), 0);

    wnd.m_withDefault.insert("OnSysCommand");
    wnd.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpUntilIdle();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(Count(m_log, "OnDestroy"), 1);
}

TEST_F(MessageDeliveryTest, MessagesWithoutHandlerGetTheSystemsDefaultProcessing) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    const char* text = "set by default processing";
    wnd.SendMessage(0x000C /* WM_SETTEXT */, 0, reinterpret_cast<LPARAM>(text));
    char got[64] = {};
    wnd.SendMessage(0x000D /* WM_GETTEXT */, sizeof got, reinterpret_cast<LPARAM>(got));
    EXPECT_STREQ(got, text);
}

TEST_F(MessageDeliveryTest, PostedCloseDestroysTheWindowLaterAndOnlyOnce) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(wnd.PostMessage(WM_CLOSE));
    EXPECT_TRUE(wnd.IsWindow());
    EXPECT_EQ(Count(m_log, "OnDestroy"), 0);
    PumpUntilIdle();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(Count(m_log, "OnDestroy"), 1);
    EXPECT_EQ(Count(m_log, "PostNcDestroy"), 1);
}

TEST_F(MessageDeliveryTest, PostNcDestroyRunsAfterTheLastMessageAndTheObjectMayDeleteItself) {
    auto* wnd = new RecordingWnd(m_log);
    wnd->m_bDeleteAtEnd = true;
    ASSERT_TRUE(wnd->CreatePopup(0, 0, 60, 40));
    const HWND hWnd = wnd->m_hWnd;
    wnd->PostMessage(WM_CLOSE);
    wnd->PostMessage(WM_KEYDOWN, 0x42, 1);  // queued behind the close: never delivered
    PumpUntilIdle();
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.back(), "PostNcDestroy");
    const auto destroy = IndexOf(m_log, "OnDestroy");
    const auto ncDestroy = IndexOf(m_log, "OnNcDestroy");
    EXPECT_GE(destroy, 0);
    EXPECT_LT(destroy, ncDestroy);
    EXPECT_EQ(ncDestroy + 1, static_cast<std::ptrdiff_t>(m_log.size()) - 1);
    EXPECT_EQ(Count(m_log, "OnKeyDown 66"), 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(MessageDeliveryTest, DestroyingTheMainWindowEndsRunWithExitCodeZero) {
    CWinApp app("MessageDeliveryTest");
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    app.m_pMainWnd = &wnd;
    wnd.PostMessage(WM_CLOSE);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(Count(m_log, "PostNcDestroy"), 1);
}

TEST_F(MessageDeliveryTest, HandlesSurviveTheTripThroughDecimalText) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 60, 40));
    static_assert(sizeof(HWND) == sizeof(void*), "handles are pointer-sized");
    const std::string text = std::to_string(reinterpret_cast<std::uintptr_t>(wnd.m_hWnd));
    const auto back = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoull(text)));
    EXPECT_EQ(CWnd::FromHandlePermanent(back), &wnd);
}

}  // namespace
}  // namespace fw::test
